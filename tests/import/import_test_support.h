#pragma once

// Helpers shared by the import tests: test data paths, a small LAS file to edit, the program's
// messages, a check for a failure's message and title, and a progress window that records.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "import/import_error.h"
#include "import/import_progress.h"
#include "import/las_reader.h"

namespace tessarin::test {

inline std::string DataPath(const std::string& name) {
    return std::string(TESSARIN_TEST_DATA_DIR) + "/" + name;
}

inline const std::string kWrapped =
    "LAS file is in the wrapped mode.\r\n\r\nTessarin does not support the LAS wrapped mode.   "
    "Please use an LAS utility, such as REFORMAT.EXE available from the Canadian Well Logging "
    "Society to format this LAS file in the unwrapped mode.";
inline const std::string kNotStandard = "This file is not in standard LAS 1.2 or 2.0 format";

// The messages of a LAS file that cannot be read, as they name it and the cause.
inline std::string Wrapped(const std::string& path) {
    return path + ": " + kWrapped;
}
inline std::string NotStandard(const std::string& path, const std::string& cause) {
    return path + ": " + kNotStandard + ": " + cause + ".";
}
inline const std::string kSurveyWarning =
    "The velocity survey datum or the velocity survey depth-time values are not consistent with "
    "the sonic log datum (KB) or the times derived from the sonic log.\nThe velocity survey "
    "cannot be applied.";

// Runs `action` and expects it to fail with exactly this message and message-box title.
template <class Action>
void ExpectImportError(Action action, const std::string& message, const std::string& title,
                       const std::string& context = "") {
    try {
        action();
        ADD_FAILURE() << "no failure: " << context;
    } catch (const ImportError& e) {
        EXPECT_EQ(e.what(), message) << context;
        EXPECT_EQ(e.Title(), title) << context;
    }
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

class RecordingProgress : public ImportProgress {
public:
    void Begin(const std::string& caption, const std::string& path) override {
        captions.push_back(caption + " | " + path);
        ++open;
    }
    void Step(const std::string& label) override { steps.push_back(label); }
    void Advance(double fraction) override { lastFraction = fraction; }
    void End() override { --open; }

    std::vector<std::string> captions, steps;
    double lastFraction = 0;
    int open = 0;
};

}  // namespace tessarin::test
