#pragma once

// Shared helpers for the file tests: a small computed project whose exported numbers can be
// worked out on paper, a temporary folder, and whole-file reads and writes.

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "model/project.h"

namespace tessarin::test {

// A computed project of n = synthetic.size() - 1 samples at 2 ms, English units, Township and
// Range location, bandpass wavelet 5-15-40-60 Hz, Sonic Only. Depths start at 1000 and step 10.
inline Project ComputedProject(const std::vector<double>& synthetic) {
    Project p;
    p.wellName = "Ross 7";
    p.wellLocation = {"Kern", "California", "12", "29S", "21E", "0402912345"};
    p.locationType = kTownshipRange;
    p.kbElevation = 1234.56;
    p.glElevation = 0;
    p.datumElevation = 1000;
    p.datumVelocity = 6000.4;
    p.measurementUnits = kEnglish;
    p.sampleIntervalUs = 1000;
    p.impedanceType = kSonicOnly;
    p.waveletType = kBandpassWavelet;
    p.lowCut = 5;
    p.lowPass = 15;
    p.highPass = 40;
    p.highCut = 60;
    p.phaseDegrees = -90;
    p.waveletLength = 0.16;
    p.agcWindow = "None";
    const int n = static_cast<int>(synthetic.size()) - 1;
    p.lastSampleIndex = static_cast<std::int16_t>(n);
    p.syntheticTrace = synthetic;
    p.reflectionCoefficients = OffsetArray(-40, n + 50);
    for (int i = 0; i <= n; ++i) {
        p.timeDepth.push_back(1000.0 + 10.0 * i);
        p.intervalVelocity.push_back(10000.0);
        p.timeDensity.push_back(2.5);
    }
    p.projectFileName = "/data/wells/ross7.tsp";
    return p;
}

// A fresh directory under the system's temporary folder, removed with the object.
class TempDir {
public:
    TempDir() {
        path_ = std::filesystem::temp_directory_path() /
                ("tessarin-files-test-" + std::to_string(::getpid()) + "-" +
                 std::to_string(counter_++));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string File(const std::string& name) const { return (path_ / name).string(); }
    const std::filesystem::path& Path() const { return path_; }

private:
    static inline int counter_ = 0;
    std::filesystem::path path_;
};

inline std::string ReadWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

inline void WriteWholeFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

inline std::string TestData(const std::string& name) {
    return std::string(TESSARIN_TEST_DATA_DIR) + "/" + name;
}

}  // namespace tessarin::test
