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

TEST_F(InfoCommand, SummarisesAMetricSonicOnlyProjectWithARickerWavelet) {
    const CliResult r = RunCli("info " + DataFile("mesa_federal_1.tsp"));
    EXPECT_EQ(r.status, 0) << r.err;
    for (const char* line : {
             "Location:         Lot 4, north of the mesa; San Juan Basin\n",
             "Units:            Metric (m, m/s)\n",
             "Seismic datum:    Start of Log, elevation 1600 m, velocity 3000 m/s\n",
             "Sample rate:      0.5 ms (250 us one-way per sample)\n",
             "Samples:          4 (0 to 3), depth 1000.75 to 1001.5 m, 0.0015 s two-way\n",
             "Impedance:        Sonic Only\n",
             "Velocity survey:  none\n",
             "Wavelet:          Ricker, peak frequency 30 Hz, length 0.08 s\n",
             "Scales:           time scale 10 cm/s, 4 traces per cm, 8 traces, amplitude 1.25\n",
             "AGC window:       None\n",
             "Plot depth:       Seismic\n",
         }) {
        EXPECT_NE(r.out.find(line), std::string::npos) << line << "in\n" << r.out;
    }
}

TEST_F(InfoCommand, BlankLocationFieldsAreLeftOut) {
    const std::string full = ReadFile(kDataDir + "/ranch_7_22.tsp");
    const auto withLocation = [&](const std::string& fields) {
        // The project's well name line, then six location lines.
        const std::size_t start = full.find("\r\n") + 2;
        const std::size_t nameEnd = full.find("\r\n", start) + 2;
        std::size_t end = nameEnd;
        for (int i = 0; i < 6; ++i) {
            end = full.find("\r\n", end) + 2;
        }
        std::ofstream(Path("well.tsp"), std::ios::binary)
            << full.substr(0, nameEnd) + fields + full.substr(end);
        return RunCli("info " + Quoted(Path("well.tsp").string()));
    };
    const struct {
        std::string fields;
        std::string shown;
    } cases[] = {
        {"\r\n\r\n\r\n\r\n\r\n\r\n", "none"},
        {" \r\nCalifornia\r\n\r\n\r\n27E\r\n\r\n", "State California; Range 27E"},
        {"Kern\r\n\r\n\r\n29S\r\n\r\n\r\n", "County Kern; Township 29S"},
    };
    for (const auto& c : cases) {
        const CliResult r = withLocation(c.fields);
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_NE(r.out.find("Location:         " + c.shown + "\n"), std::string::npos) << r.out;
    }
}

// Each failure names the file and its own cause, after the command's name.
TEST_F(InfoCommand, ABadFileFailsWithTheProjectFileMessageAndItsCause) {
    std::ofstream(Path("cut.tsp"), std::ios::binary)
        << ReadFile(kDataDir + "/ranch_7_22.tsp").substr(0, 300);
    std::filesystem::create_symlink("loop.tsp", Path("loop.tsp"));
    std::ofstream(Path("locked.tsp")) << "";
    std::filesystem::permissions(Path("locked.tsp"), std::filesystem::perms::none);
    const std::pair<std::string, std::string> files[] = {
        {Path("cut.tsp").string(), "it ends early, on line 11"},
        {kDataDir + "/no-such-project.tsp", "it cannot be opened (No such file or directory)"},
        {Path("loop.tsp").string(), "it cannot be opened (Too many levels of symbolic links)"},
        {dir_.string(), "it is not a regular file but a folder"},
        {Path("locked.tsp").string(), "it cannot be opened (Permission denied)"},
    };
    for (const auto& [path, cause] : files) {
        const CliResult r = RunCli("info " + Quoted(path), AsOrdinaryUser());
        EXPECT_EQ(r.status, 1) << path;
        EXPECT_EQ(r.err, "tessarin-cli info: " + path +
                             ": This is not a valid Tessarin project file: " + cause + ".\n");
        EXPECT_EQ(r.out, "") << path;
    }
}

TEST_F(InfoCommand, WithoutExactlyOneFileTheInputIsRefused) {
    for (const char* arguments : {"info", "info a.tsp b.tsp", "info --all a.tsp"}) {
        const CliResult r = RunCli(arguments);
        EXPECT_EQ(r.status, 2) << arguments;
        EXPECT_NE(r.err.find("tessarin-cli info: "), std::string::npos) << arguments;
    }
}

}  // namespace
}  // namespace tessarin::test
