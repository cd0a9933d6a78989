#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

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

TEST_F(ExportCommand, AFailureNamesItsCauseAndWritesNothing) {
    const struct {
        std::string arguments;
        std::string message;  // part of the one line on standard error
    } cases[] = {
        {Quoted(Path("none.tsp")) + " --dat " + Quoted(Path("x.dat")) + " --segy " +
             Quoted(Path("x")) + " --traces 2",
         Path("none.tsp").string() +
             ": This is not a valid Tessarin project file: it cannot be opened (No such file or "
             "directory).\n"},
        {Quoted(Path("step.tsp")) + " --dat " + Quoted(Path("no-such-folder/x.dat")),
         "The file \"" + Path("no-such-folder/x.dat").string() + "\" could not be written"},
        {Quoted(Path("step.tsp")) + " --png " + Quoted(Path("no/such/folder/x.png")),
         "The file \"" + Path("no/such/folder/x.png").string() +
             "\" could not be written: no file can be made in its folder"},
        {Quoted(Path("step.tsp")) + " --pdf " + Quoted(Path("no/such/folder/x.pdf")),
         "The file \"" + Path("no/such/folder/x.pdf").string() +
             "\" could not be written: no file can be made in its folder"},
        // Ranch 7-22 lies entirely above its seismic datum.
        {DataFile("ranch_7_22.tsp") + " --bmp " + Quoted(Path("ranch.bmp")),
         "the synthetic cannot be displayed: Every sample of the log lies above the seismic "
         "datum, so the plot has no time zero.\n"},
        {DataFile("ranch_7_22.tsp") + " --pdf " + Quoted(Path("ranch.pdf")),
         "the synthetic cannot be printed: Every sample of the log lies above the seismic "
         "datum, so the plot has no time zero.\n"},
    };
    for (const auto& c : cases) {
        const CliResult r = RunCli("export " + c.arguments);
        EXPECT_EQ(r.status, 1) << c.arguments;
        EXPECT_EQ(r.err.rfind("tessarin-cli export: ", 0), 0u) << r.err;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_EQ(FileCount(), 1) << c.arguments;  // the project alone
    }
}

std::string Output(const std::string& command) {
    std::string text;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
            text.append(buffer, n);
        }
        ::pclose(pipe);
    }
    return text;
}

TEST_F(ExportCommand, PrintsAPdfOnThePaperAndOrientationAskedFor) {
    const struct {
        std::string options;
        std::string size;
        std::string pages;
    } cases[] = {
        {"", "612 x 792 pts (letter)", "2"},
        {" --paper letter --landscape", "792 x 612 pts (letter)", "3"},  // tables apart
        {" --paper a4", "595 x 842 pts (A4)", "2"},
        {" --landscape --paper a4", "842 x 595 pts (A4)", "3"},
    };
    const std::string pdf = Quoted(Path("well.pdf"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.options);
        const CliResult r =
            RunCli("export " + DataFile("f03_4_display.tsp") + " --pdf " + pdf + c.options);
        ASSERT_EQ(r.status, 0) << r.err;
        const std::string info = Output("pdfinfo " + pdf);
        EXPECT_NE(info.find("Page size:       " + c.size), std::string::npos) << info;
        EXPECT_NE(info.find("Pages:           " + c.pages + "\n"), std::string::npos) << info;
        EXPECT_NE(info.find("Title:           F03-4\n"), std::string::npos) << info;
        std::string first = Output("pdftotext -f 1 -l 1 " + pdf + " -");
        std::replace(first.begin(), first.end(), '\n', ' ');
        EXPECT_NE(first.find("F03-4 F3 block, Dutch North Sea"), std::string::npos) << first;
        EXPECT_NE(first.find("Time scale = 10 cm/second"), std::string::npos);
    }
}

TEST_F(ExportCommand, APdfNarrowerThanItsDisplayIsWarnedOfWithThePaperThatFits) {
    std::string project = TwoLayerProject();  // 10 traces at 4 to the inch
    const std::string scales = " 10            .5            5 ";
    project.replace(project.find(scales), scales.size(), " 4   .5   10 ");
    std::ofstream(Path("wide.tsp"), std::ios::binary) << project;
    for (const auto& [paper, name, printable] : {std::tuple("letter", "Letter", "8.0 in (20.3 cm)"),
                                                 std::tuple("a4", "A4", "7.8 in (19.7 cm)")}) {
        const CliResult r = RunCli("export " + Quoted(Path("wide.tsp")) + " --pdf " +
                                   Quoted(Path("wide.pdf")) + " --paper " + paper);
        EXPECT_EQ(r.err, "tessarin-cli export: warning: " + Path("wide.pdf").string() +
                             ": The display is 9.6 in (24.4 cm) wide, but " + name +
                             " portrait prints only " + printable +
                             " across: the right part of the display would be cut off. " + name +
                             " landscape would fit.\n");
    }
}

}  // namespace
}  // namespace tessarin::test
