// The command line as a whole: help and version, how wrong input is refused, and the wavelet
// command's samples.

#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli_runner.h"

namespace tessarin::test {
namespace {

const char* const kCommands[] = {"import", "export", "info", "wavelet"};

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

TEST(CommandLine, HelpForTheToolAndEachCommandAndTheVersion) {
    const CliResult help = RunCli("--help");
    EXPECT_EQ(help.status, 0);
    for (const std::string command : kCommands) {
        EXPECT_NE(help.out.find("\n  " + command + " "), std::string::npos) << command;
        const CliResult own = RunCli(command + " --help");
        EXPECT_EQ(own.status, 0) << command;
        EXPECT_EQ(own.out.rfind("Usage: tessarin-cli " + command, 0), 0u) << own.out;
        EXPECT_EQ(RunCli("help " + command).out, own.out) << command;
        // --help after other options still shows the help and does no work.
        EXPECT_EQ(RunCli(command + " --rate 2 --help").out, own.out) << command;
    }
    EXPECT_EQ(RunCli("help").out, help.out);
    // With nothing at all, the help is shown, but nothing was done.
    EXPECT_EQ(RunCli("").status, 2);
    EXPECT_EQ(RunCli("").out, help.out);
    EXPECT_EQ(RunCli("--version").out, "tessarin-cli " TESSARIN_VERSION "\n");
    for (const std::string& line : Lines(RunCli("--help-all").out)) {
        // Only a synopsis word that cannot be broken may stand out of a terminal.
        if (line.find("--") != std::string::npos || line.find(' ') != std::string::npos) {
            EXPECT_LE(line.size(), 79u) << line;
        }
    }
    // The import's options stand under headings that follow its steps.
    const std::string import = RunCli("import --help").out;
    std::size_t at = 0;
    for (const std::string heading : {"Log files:", "Synthetic Information:", "Well and datum:",
                                      "Wavelet, AGC and scales:", "Project file:", "Examples:"}) {
        at = import.find("\n" + heading + "\n", at);
        ASSERT_NE(at, std::string::npos) << heading;
    }
}

// A value that cannot be right is refused before any file is read, in one line naming the option
// and what it takes, with status 2 and nothing on standard output.
TEST(CommandLine, WrongInputIsRefusedWithOnePreciseLine) {
    const std::pair<std::string, std::string> refused[] = {
        {"frobnicate", "tessarin-cli: unknown command \"frobnicate\" (see tessarin-cli --help)"},
        {"--frobnicate", "tessarin-cli: unknown option \"--frobnicate\" (see tessarin-cli --help)"},
        {"wavelet --ricker 30 --frob",
         "tessarin-cli wavelet: The following argument was not expected: --frob"},
        {"wavelet --ricker", "tessarin-cli wavelet: --ricker: 1 required HZ missing"},
        {"wavelet --ricker 30 --phase 90", "tessarin-cli wavelet: --phase requires --bandpass"},
        {"wavelet --ricker 30 --bandpass 5,10,40,55",
         "tessarin-cli wavelet: --ricker excludes --bandpass"},
        {"wavelet --bandpass 10,10,40,55",
         "tessarin-cli wavelet: The corner frequencies must rise: low cut < low pass < high pass "
         "< high cut, none of them negative."},
        {"info", "tessarin-cli info: PROJECT.tsp is required"},
        {"export x.tsp --png x.png --paper a4", "tessarin-cli export: --paper requires --pdf"},
        {"export x.tsp --png x.png --landscape", "tessarin-cli export: --landscape requires --pdf"},
        {"export x.tsp --pdf x.pdf --paper b5",
         "tessarin-cli export: --paper: must be letter or a4, not \"b5\""},
        {"export x.tsp --segy x", "tessarin-cli export: --segy requires --traces"},
        {"export x.tsp --segy x --traces many",
         "tessarin-cli export: --traces: needs a whole number up to 32767, not \"many\""},
        {"export x.tsp",
         "tessarin-cli export: say what to write: --bmp FILE, --png FILE, --pdf FILE, --dat FILE "
         "or --segy PREFIX --traces N"},
        {"export x.tsp --png x.png --screen-factor none",
         "tessarin-cli export: --screen-factor: must be a number greater than zero, not "
         "\"none\""},
        {"import --sonic x.las --rate 4 -o x.tsp",
         "tessarin-cli import: --rate: must be 2, 1 or 0.5 (milliseconds), not \"4\""},
        {"import --sonic x.las --units si -o x.tsp",
         "tessarin-cli import: --units: must be english or metric, not \"si\""},
        {"import --sonic x.las --kb high -o x.tsp",
         "tessarin-cli import: --kb: needs a number, not \"high\""},
        {"import --sonic x.las --datum-velocity -1500 -o x.tsp",
         "tessarin-cli import: --datum-velocity: must be above 0"},
        {"import --sonic x.las --agc long -o x.tsp",
         "tessarin-cli import: --agc: must be a window in seconds or None, not \"long\""},
        {"import --sonic x.las --depth-range 1200 -o x.tsp",
         "tessarin-cli import: --depth-range: needs TOP:BASE with TOP not below BASE, not "
         "\"1200\""},
        {"import --sonic x.las --bandpass 5,10,40 -o x.tsp",
         "tessarin-cli import: --bandpass: needs four corner frequencies LC,LP,HP,HC, not "
         "\"5,10,40\""},
        {"import --sonic x.las extra -o x.tsp",
         "tessarin-cli import: The following argument was not expected: extra"},
        {"import --sonic x.las --units metric", "tessarin-cli import: -o PROJECT.tsp is needed"},
        {"import --sonic x.las --well-name",
         "tessarin-cli import: --well-name: 1 required TEXT missing"},
        {"import --sonic x.las --panel-traces 0 -o x.tsp",
         "tessarin-cli import: At least one trace must be drawn."},
        {"import --sonic x.las --time-scale -5 -o x.tsp",
         "tessarin-cli import: The time scale must be greater than zero."},
    };
    for (const auto& [arguments, message] : refused) {
        const CliResult r = RunCli(arguments);
        EXPECT_EQ(r.status, 2) << arguments;
        EXPECT_EQ(r.err, message + "\n") << arguments;
        EXPECT_EQ(r.out, "") << arguments;
    }
    // Options that do not go together, each in one line led by the command's name.
    for (const std::string arguments :
         {"wavelet --bandpass 5,10,400,501", "wavelet --ricker 0.01",
          "wavelet --ricker 30 --rate 4", "wavelet --ricker 30 --length 0.2", "wavelet",
          "info a.tsp b.tsp", "export x.tsp --traces 4 --dat x.dat",
          "export x.tsp --segy x --traces 40000", "import --units metric -o x.tsp",
          "import --gardner --sonic x.las -o x.tsp",
          "import --sonic x.las --units english --sonic-per-ft -o x.tsp",
          "import --sonic x.las --survey x.vs --datum 10 -o x.tsp"}) {
        const CliResult r = RunCli(arguments);
        const std::string command = arguments.substr(0, arguments.find(' '));
        EXPECT_EQ(r.status, 2) << arguments;
        EXPECT_EQ(r.err.rfind("tessarin-cli " + command + ": ", 0), 0u) << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
}

// The printed "time amplitude" lines.
std::vector<std::pair<double, double>> Samples(const std::string& out) {
    std::vector<std::pair<double, double>> samples;
    for (const std::string& line : Lines(out)) {
        std::istringstream fields(line);
        double t = 0;
        double a = 0;
        EXPECT_TRUE(fields >> t >> a) << line;
        samples.emplace_back(t, a);
    }
    return samples;
}

TEST(WaveletCommand, PrintsTheSamplesOfEitherWaveletAtTheChosenRate) {
    const CliResult r = RunCli("wavelet --ricker 30");
    ASSERT_EQ(r.status, 0) << r.err;
    const auto ricker = Samples(r.out);
    ASSERT_EQ(ricker.size(), 41u);  // 0.08 s at 2 ms
    EXPECT_EQ(r.out.substr(0, 8), "-0.0400 ");
    EXPECT_NEAR(ricker[40].first, 0.04, 1e-9);
    EXPECT_EQ(ricker[20].second, 1);
    EXPECT_NEAR(ricker[21].second, 0.8965126, 1e-6);   // at least six significant digits
    EXPECT_NEAR(ricker[27].second, -0.4352064, 1e-6);  // 14 ms
    EXPECT_EQ(ricker[13].second, ricker[27].second);
    const auto fine = Samples(RunCli("wavelet --ricker 25 --rate 0.5").out);
    ASSERT_EQ(fine.size(), 193u);  // 0.096 s at 0.5 ms
    EXPECT_NEAR(fine[1].first - fine[0].first, 0.0005, 1e-9);
    EXPECT_EQ(Samples(RunCli("wavelet --ricker 25 --rate 1").out).size(), 97u);
    // The last of a repeated option counts.
    EXPECT_EQ(RunCli("wavelet --ricker 20 --ricker 30").out, r.out);

    const auto zero = Samples(RunCli("wavelet --bandpass 5,10,40,55").out);
    ASSERT_EQ(zero.size(), 81u);  // 0.16 s at 2 ms
    EXPECT_EQ(zero[40], std::make_pair(0.0, 1.0));
    // Negative numbers are values: -90 degrees turns +90 upside down, as 180 does 0.
    const auto plus = Samples(RunCli("wavelet --bandpass 5,10,40,55 --phase 90").out);
    const auto minus = Samples(RunCli("wavelet --bandpass 5,10,40,55 --phase -90").out);
    const auto inverted = Samples(RunCli("wavelet --bandpass 5,10,40,55 --phase 180").out);
    ASSERT_EQ(plus.size(), zero.size());
    ASSERT_EQ(minus.size(), zero.size());
    ASSERT_EQ(inverted.size(), zero.size());
    for (std::size_t k = 0; k < zero.size(); ++k) {
        EXPECT_NEAR(minus[k].second, -plus[k].second, 1e-6) << k;
        EXPECT_NEAR(inverted[k].second, -zero[k].second, 1e-5) << k;
    }
    EXPECT_EQ(Samples(RunCli("wavelet --bandpass 5,10,40,55 --length 0.21").out).size(), 105u);
    EXPECT_EQ(Samples(RunCli("wavelet --bandpass 5,10,40,55 --length 0.3").out).size(), 121u);
}

}  // namespace
}  // namespace tessarin::test
