#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "cli/cli_runner.h"

namespace tessarin::test {
namespace {

const std::string kDataDir = TESSARIN_TEST_DATA_DIR;
using InfoCommand = CliTest;

TEST_F(InfoCommand, SummarisesASonicDensityProjectWithSurvey) {
    const std::string path = kDataDir + "/ranch_7_22.tsp";
    const CliResult r = RunCli("info " + Quoted(path));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(
        r.out,
        "Project file:     " + path +
            "\n"
            "Well:             Ranch 7-22, Sec. 22\n"
            "Location:         County Kern, State California; Section 22, Township 29S, "
            "Range 27E\n"
            "UWI:              04-029-12345\n"
            "Units:            English (ft, ft/s)\n"
            "Elevations:       KB 1250.5 ft, GL 1235 ft\n"
            "Seismic datum:    Specify, elevation 1200 ft, velocity 6000 ft/s\n"
            "Sample rate:      2 ms (1000 us one-way per sample)\n"
            "Samples:          5 (0 to 4), depth 0.5 to 11.5 ft, 0.008 s two-way\n"
            "Impedance:        Sonic - Density\n"
            "Velocity survey:  3 points, survey datum 1230 ft\n"
            "Horizons:         4\n"
            "  start of log          0.5 ft\n"
            "  Top Reef, upper       6.1 ft\n"
            "    Base  Salt, lower   8 ft\n"
            "  end of log            11.5 ft\n"
            "Wavelet:          Bandpass 5-15-40-60 Hz, phase 0 degrees, length 0.16 s\n"
            "Scales:           time scale 5 in/s, 10 traces per inch, 5 traces, amplitude 0.5\n"
            "AGC window:       0.300 s\n"
            "Plot depth:       Subsea\n");
}

TEST_F(InfoCommand, ABadFileFailsWithTheProjectFileMessage) {
    std::ofstream(Path("cut.tsp"), std::ios::binary)
        << ReadFile(kDataDir + "/ranch_7_22.tsp").substr(0, 300);
    const std::pair<std::string, std::string> files[] = {
        {Path("cut.tsp").string(), "it ends early, on line 11."},
        {kDataDir + "/no-such-project.tsp", "it cannot be opened (No such file or directory)."}};
    for (const auto& [path, cause] : files) {
        const CliResult r = RunCli("info " + Quoted(path));
        EXPECT_EQ(r.status, 1) << path;
        EXPECT_EQ(r.err, "tessarin-cli info: " + path +
                             ": This is not a valid Tessarin project file: " + cause + "\n");
        EXPECT_EQ(r.out, "") << path;
    }
}

}  // namespace
}  // namespace tessarin::test
