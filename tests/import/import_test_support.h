#pragma once

// Helpers shared by the import tests: test data paths, LAS files held in memory, and a progress
// window that records what it was told.

#include <string>
#include <vector>

#include "import/import_progress.h"
#include "import/las_reader.h"

namespace tessarin::test {

inline std::string DataPath(const std::string& name) {
    return std::string(TESSARIN_TEST_DATA_DIR) + "/" + name;
}

inline LasFile LasText(const std::string& text, const std::string& path = "memory.las") {
    return LasFile{path, text};
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

    std::vector<std::string> captions;
    std::vector<std::string> steps;
    double lastFraction = 0;
    int open = 0;
};

// A small LAS 2.0 file whose header lines can be replaced for one test.
struct LasBuilder {
    std::string version = " VERS.   2.0 : CWLS LOG ASCII STANDARD - VERSION 2.0\n";
    std::string wrap = " WRAP.   NO  : ONE LINE PER DEPTH STEP\n";
    std::string well =
        "~W\n"
        " STRT.M   1000.0 : START\n"
        " STOP.M   1002.0 : STOP\n"
        " STEP.M   0.5 : STEP\n"
        " NULL.    -999.25 : NULL\n"
        " COMP.    ACME   : COMPANY\n"
        " WELL.    Test 1 : WELL\n";
    std::string curves =
        "~C\n"
        " DEPT.M  : DEPTH\n"
        " DT  .US/M : SONIC\n"
        " RHOB.G/C3 : DENSITY\n";
    std::string data =
        "~A\n"
        "1000.0  300.0  2.40\n"
        "1000.5  310.0  2.45\n"
        "1001.0  320.0  2.50\n"
        "1001.5  330.0  2.55\n"
        "1002.0  340.0  2.60\n";

    std::string Text() const { return "~V\n" + version + wrap + well + curves + data; }
};

}  // namespace tessarin::test
