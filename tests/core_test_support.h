#pragma once

// Helpers shared by the core tests: test data and files in a temporary folder, the message of a
// failure, and the records and files the tests start from.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "import/import_error.h"
#include "import/import_progress.h"
#include "import/las_reader.h"
#include "model/error.h"
#include "model/project.h"
#include "model/reset.h"

namespace tessarin::test {

inline std::string DataPath(const std::string& name) {
    return std::string(TESSARIN_TEST_DATA_DIR) + "/" + name;
}

inline std::string ReadWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

inline void WriteWholeFile(const std::filesystem::path& path, std::string_view text) {
    std::ofstream(path, std::ios::binary) << text;
}

// A fresh folder under the system's temporary folder, removed with the object.
class TempDir {
public:
    TempDir() {
        path_ =
            std::filesystem::temp_directory_path() /
            ("tessarin-core-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter_++));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempDir() { std::filesystem::remove_all(path_); }

    std::string File(const std::string& name) const { return (path_ / name).string(); }
    const std::filesystem::path& Path() const { return path_; }
    // The names in the folder, so that a test sees no temporary file left behind.
    int Count() const {
        return static_cast<int>(std::distance(std::filesystem::directory_iterator(path_), {}));
    }

private:
    static inline int counter_ = 0;
    std::filesystem::path path_;
};

// The message of the Error `action` throws, after the title of its message box for an import
// failure that has one ("File Format Error: ..."); "" when it throws none.
template <class Action>
std::string ErrorOf(Action&& action) {
    try {
        action();
    } catch (const ImportError& e) {
        return e.Title().empty() ? e.what() : e.Title() + ": " + e.what();
    } catch (const Error& e) {
        return e.what();
    }
    return "";
}

// Checks values[first], values[first + 1], ... against `expected`.
template <class Values>
void ExpectValues(const Values& values, int first, std::initializer_list<double> expected,
                  double tolerance = 1e-12) {
    for (const double e : expected) {
        EXPECT_NEAR(values[first], e, tolerance) << "at " << first;
        ++first;
    }
}

// A record reset as on a machine with nothing saved.
inline Project FreshProject() {
    Project p;
    ResetProject(p, MemorySettingsStore());
    return p;
}

// A small LAS 2.0 file: depths 1000 to 1002 m, sonic and density columns. The well items are
// written in the ways real files write them (blanks before the dot, none after the value).
inline const std::string kSmallLas =
    "~V\n VERS.   2.0 : CWLS LOG ASCII STANDARD - VERSION 2.0\n WRAP.   NO  : ONE LINE PER DEPTH\n"
    "~W\n STRT.M      1000.0000 : START DEPTH\n STOP .m  1002 :\n STEP. 0.5 :\nNULL.   -999.25:\n"
    " COMP.    ACME   : COMPANY\n WELL.    Test 1 : WELL\n"
    "~C\n DEPT.M  : DEPTH\n DT  .US/M : SONIC\n RHOB.G/C3 : DENSITY\n"
    "~A\n1000.0  300.0  2.40\n1000.5  310.0  2.45\n1001.0  320.0  2.50\n1001.5  330.0  2.55\n"
    "1002.0  340.0  2.60\n";

// The small file with its first `from` replaced by `to`, held in memory.
inline LasFile SmallLasWith(const std::string& from = "", const std::string& to = "") {
    std::string text = kSmallLas;
    text.replace(text.find(from), from.size(), to);
    return LasFile{"memory.las", text};
}

// The small file with its data section, from "~A" on, replaced.
inline LasFile SmallLasWithData(const std::string& data) {
    return LasFile{"memory.las", kSmallLas.substr(0, kSmallLas.find("~A")) + data};
}

// The program's own import messages, written out here so that a changed text is seen.
inline const std::string kWrapped =
    "LAS file is in the wrapped mode.\r\n\r\nTessarin does not support the LAS wrapped mode.   "
    "Please use an LAS utility, such as REFORMAT.EXE available from the Canadian Well Logging "
    "Society to format this LAS file in the unwrapped mode.";
inline const std::string kNotStandard = "This file is not in standard LAS 1.2 or 2.0 format";
inline const std::string kSurveyWarning =
    "The velocity survey datum or the velocity survey depth-time values are not consistent with "
    "the sonic log datum (KB) or the times derived from the sonic log.\nThe velocity survey "
    "cannot be applied.";

// A progress window that remembers what it was shown.
struct RecordingProgress : ImportProgress {
    void Begin(const std::string& caption, const std::string& path) override {
        captions.push_back(caption + " | " + path), ++open;
    }
    void Step(const std::string& label) override { steps.push_back(label); }
    void Advance(double fraction) override { lastFraction = fraction; }
    void End() override { --open; }
    std::vector<std::string> captions, steps;
    double lastFraction = 0;
    int open = 0;
};

// Wavelet choices as the Select Wavelet dialog stores them.
inline Project Ricker(double hz, double length, int rateIndex = 0) {
    Project p;
    p.waveletType = kRickerWavelet;
    p.sampleRateIndex = rateIndex;
    p.lowCut = Value(hz);
    p.waveletLength = Value(length);
    return p;
}

inline Project Bandpass(int lc, int lp, int hp, int hc, const std::string& phase, double length) {
    Project p;
    p.waveletType = kBandpassWavelet;
    p.sampleRateIndex = 0;
    p.lowCut = Value(lc);
    p.lowPass = Value(lp);
    p.highPass = Value(hp);
    p.highCut = Value(hc);
    p.phaseDegrees = Value::Text(phase);
    p.waveletLength = Value(length);
    return p;
}

}  // namespace tessarin::test
