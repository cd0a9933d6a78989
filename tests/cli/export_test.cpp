#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_runner.h"

namespace tessarin::test {
namespace {

namespace fs = std::filesystem;

// A two-layer well: sonic 100 us/ft (10 000 ft/s) for samples 0 to 20, then 50 us/ft
// (20 000 ft/s). The one reflection coefficient, at sample 20, is 10 000 / 30 000 = 1/3, and
// the zero-phase Ricker wavelet has its peak of 1 at time 0, so the synthetic at sample 20 is
// 1/3. KB 1100 and the first depth 1000 put the log 100 ft below a datum at 200 ft: 0.02 s at
// 10 000 ft/s, exactly 10 samples of 2 ms.
std::string TwoLayerProject() {
    std::string text =
        " 1  1  1  0  0  1  0  0  0  0 \r\n"
        "Step Test 1\r\nKern\r\nCalifornia\r\n12\r\n29S\r\n21E\r\n0402912345\r\n"
        " 1100          1090          1000          200           10000 \r\n"
        " 1             5             10            .5            5            None\r\n"
        " 30            15            40            60            0             .1 \r\n"
        " 2 \r\nstart of log\r\n 1000 \r\nend of log\r\n 1600 \r\n"
        " 40 \r\n";
    for (int i = 0; i <= 40; ++i) {
        const int depth = i <= 20 ? 1000 + 10 * i : 1200 + 20 * (i - 20);
        text += std::to_string(depth) + ".00 " + (i <= 20 ? "100.00" : "50.00") + "\r\n";
    }
    return text;
}

class ExportCommand : public CliTest {
protected:
    void SetUp() override {
        CliTest::SetUp();
        std::ofstream(Path("step.tsp"), std::ios::binary) << TwoLayerProject();
    }
    CliResult Export(const std::string& options) const {
        return RunCli("export " + Quoted(Path("step.tsp")) + " " + options);
    }
};

TEST_F(ExportCommand, WritesTheTextExportOfTheComputedSynthetic) {
    const CliResult r = Export("--dat " + Quoted(Path("step.dat")));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    const std::string text = ReadFile(Path("step.dat"));
    std::istringstream lines(text);
    std::vector<std::string> rows;
    for (std::string line; std::getline(lines, line);)
        rows.push_back(line);
    ASSERT_EQ(rows.size(), 5u + 41);
    EXPECT_EQ(rows[2], "KB = 1100.0  GL = 1090.0  Seismic Datum = 200.0  Datum Velocity = 10000\r");
    EXPECT_EQ(rows[3],
              "Wavelet = 30 Hz Ricker  Phase = 0  Length = 0.100 sec  AGC length = None\r");
    EXPECT_EQ(
        rows[5 + 20],
        "          0402912345   0.0400   0.0600  1200.0   0.33333  10000  -1.000    0.33333\r");
    const std::string lastRow = "          0402912345   0.0800   0.1000  1600.0   0.00000  20000";
    EXPECT_EQ(rows[5 + 40].substr(0, lastRow.size()), lastRow);
}

TEST_F(ExportCommand, WritesBothSegyFilesWithTheDatumGap) {
    const CliResult r = Export("--segy " + Quoted(Path("step")) + " --traces 3");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    const int samples = 10 + 1 + 40;  // 10 zero samples, then samples 0 to 40
    for (const char* name : {"stepnormal.sgy", "stepreverse.sgy"}) {
        const std::string file = ReadFile(Path(name));
        ASSERT_EQ(file.size(), 3600u + 3 * (240 + 4 * samples)) << name;
        EXPECT_EQ(file.substr(3220, 2), std::string("\0\x33", 2));  // 51 samples
        // Sample 20 of the synthetic, 1/3, at 0.06 s below the datum as in the text export: in
        // slot 30 of the third trace, N = 333333 = 0x051615 normal, and -333334 = -0x051616
        // reversed (the cut comes before the sign).
        const std::size_t slot = 3600 + 2 * (240 + 4 * samples) + 240 + 4 * 30;
        const std::string expected = std::string(name) == "stepnormal.sgy"
                                         ? std::string("\x43\x51\x61\x50")
                                         : std::string("\xC3\x51\x61\x60");
        EXPECT_EQ(file.substr(slot, 4), expected) << name;
        EXPECT_EQ(file.substr(3600 + 240, 40), std::string(40, '\0')) << name;
    }
}

TEST_F(ExportCommand, LoadsAHorizonFileBeforeComputing) {
    std::ofstream(Path("step.hor"), std::ios::binary) << "1100          Top Fast, upper\r\n";
    const CliResult r =
        Export("--horizons " + Quoted(Path("step.hor")) + " --dat " + Quoted(Path("step.dat")));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");

    // Tops above and below the log (1000 to 1600 ft) are left out with a warning.
    std::ofstream(Path("wide.hor"), std::ios::binary)
        << "900           Above\r\n1100          Top Fast\r\n1700          Below\r\n";
    const CliResult wide =
        Export("--horizons " + Quoted(Path("wide.hor")) + " --dat " + Quoted(Path("wide.dat")));
    EXPECT_EQ(wide.status, 0) << wide.err;
    EXPECT_EQ(wide.err, "tessarin-cli export: warning: " + Path("wide.hor").string() +
                            ": 2 horizons lie outside the log (1000 to 1600 ft) and were left "
                            "out: \"Above\" at 900 ft, \"Below\" at 1700 ft.\n");
    EXPECT_TRUE(fs::exists(Path("wide.dat")));

    // So are the project's own.
    std::string project = TwoLayerProject();
    const std::string ends = " 2 \r\nstart of log\r\n 1000 \r\nend of log\r\n 1600 \r\n";
    project.replace(project.find(ends), ends.size(),
                    " 3 \r\nstart of log\r\n 1000 \r\nend of log\r\n 1600 \r\nBase\r\n 2000 \r\n");
    std::ofstream(Path("base.tsp"), std::ios::binary) << project;
    const CliResult own =
        RunCli("export " + Quoted(Path("base.tsp")) + " --dat " + Quoted(Path("base.dat")));
    EXPECT_EQ(own.status, 0) << own.err;
    EXPECT_EQ(own.err, "tessarin-cli export: warning: " + Path("base.tsp").string() +
                           ": The horizon \"Base\" at 2000 ft lies outside the log (1000 to 1600 "
                           "ft) and was left out.\n");

    std::ofstream(Path("bad.hor"), std::ios::binary) << "Top Fast      1100\r\n";
    const CliResult bad =
        Export("--horizons " + Quoted(Path("bad.hor")) + " --dat " + Quoted(Path("bad.dat")));
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.err, "tessarin-cli export: " + Path("bad.hor").string() +
                           ": This is not a valid Tessarin horizon file: line 1 holds \"Top\" "
                           "where a depth should be.\n");
    EXPECT_FALSE(fs::exists(Path("bad.dat")));
}

TEST_F(ExportCommand, ABadProjectFailsAndWritesNothing) {
    const CliResult r =
        RunCli("export " + Quoted(Path("none.tsp")) + " --dat " + Quoted(Path("x.dat")) +
               " --segy " + Quoted(Path("x")) + " --traces 2");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "tessarin-cli export: " + Path("none.tsp").string() +
                         ": This is not a valid Tessarin project file: it cannot be opened (No "
                         "such file or directory).\n");
    EXPECT_EQ(FileCount(), 1);  // the project alone
}

TEST_F(ExportCommand, AnUnwritableOutputFailsWithItsName) {
    const fs::path out = Path("no-such-folder") / "x.dat";
    const CliResult r = Export("--dat " + Quoted(out));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err.rfind(
                  "tessarin-cli export: The file \"" + out.string() + "\" could not be written", 0),
              0u)
        << r.err;
    EXPECT_EQ(FileCount(), 1);
}

TEST_F(ExportCommand, RefusesIncompleteOrWrongOptions) {
    for (const std::string options : {"", "--segy x", "--traces 4 --dat x.dat",
                                      "--segy x --traces many", "--segy x --traces 40000"}) {
        const CliResult r = Export(options);
        EXPECT_EQ(r.status, 2) << options;
        EXPECT_EQ(r.err.rfind("tessarin-cli export: ", 0), 0u) << r.err;
    }
    const CliResult noProject = RunCli("export --dat x.dat");
    EXPECT_EQ(noProject.status, 2);
    EXPECT_EQ(noProject.err.rfind("tessarin-cli export: ", 0), 0u) << noProject.err;
    EXPECT_EQ(FileCount(), 1);
}

}  // namespace
}  // namespace tessarin::test
