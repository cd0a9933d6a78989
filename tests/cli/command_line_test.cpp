// The command line as a whole: help and version, and how wrong input is refused.

#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli_runner.h"

namespace tessarin::test {
namespace {

const char* const kCommands[] = {"import", "export", "info", "wavelet", "tie"};

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
}

}  // namespace
}  // namespace tessarin::test
