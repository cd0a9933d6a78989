// The command line as a whole: help, version, and how wrong input is refused.

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

TEST(CommandLine, HelpNamesEveryCommandAndVersionIsTheProjects) {
    const CliResult help = RunCli("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: tessarin-cli COMMAND", 0), 0u) << help.out;
    for (const std::string command : kCommands) {
        EXPECT_NE(help.out.find("\n  " + command + " "), std::string::npos) << command;
    }
    EXPECT_EQ(RunCli("help").out, help.out);
    const CliResult version = RunCli("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "tessarin-cli " TESSARIN_VERSION "\n");
}

TEST(CommandLine, EveryCommandHasItsOwnHelpThatFitsATerminal) {
    for (const std::string command : kCommands) {
        const CliResult r = RunCli(command + " --help");
        EXPECT_EQ(r.status, 0) << command;
        EXPECT_EQ(r.out.rfind("Usage: tessarin-cli " + command, 0), 0u) << r.out;
        EXPECT_EQ(RunCli("help " + command).out, r.out) << command;
        // --help after other options still shows the help and does no work.
        EXPECT_EQ(RunCli(command + " --rate 2 --help").out, r.out) << command;
    }
    const CliResult all = RunCli("--help-all");
    EXPECT_EQ(all.status, 0);
    for (const std::string command : kCommands) {
        EXPECT_NE(all.out.find("\n*tessarin-cli " + command + "*\n"), std::string::npos);
    }
    for (const std::string& line : Lines(all.out)) {
        // Only a synopsis word that cannot be broken may stand out.
        if (line.find("--") != std::string::npos || line.find(' ') != std::string::npos) {
            EXPECT_LE(line.size(), 79u) << line;
        }
    }
}

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
        {"info", "tessarin-cli info: PROJECT.tsp is required"},
        {"export x.tsp --png x.png --paper a4", "tessarin-cli export: --paper requires --pdf"},
        {"export x.tsp --segy x", "tessarin-cli export: --segy requires --traces"},
        {"export x.tsp --segy x --traces many",
         "tessarin-cli export: --traces: needs a whole number up to 32767, not \"many\""},
    };
    for (const auto& [arguments, message] : refused) {
        const CliResult r = RunCli(arguments);
        EXPECT_EQ(r.status, 2) << arguments;
        EXPECT_EQ(r.err, message + "\n") << arguments;
        EXPECT_EQ(r.out, "") << arguments;
    }
    // With nothing at all, the help is shown, but nothing was done.
    const CliResult nothing = RunCli("");
    EXPECT_EQ(nothing.status, 2);
    EXPECT_EQ(nothing.out, RunCli("--help").out);
}

TEST(CommandLine, NegativeNumbersAreValuesAndTheLastOfARepeatedOptionCounts) {
    const CliResult plus = RunCli("wavelet --bandpass 5,10,40,55 --phase 90");
    const CliResult minus = RunCli("wavelet --bandpass 5,10,40,55 --phase -90");
    ASSERT_EQ(minus.status, 0) << minus.err;
    // A phase of -90 degrees turns the wavelet of +90 upside down: sin against -sin.
    const auto a = Lines(plus.out);
    const auto b = Lines(minus.out);
    ASSERT_EQ(a.size(), b.size());
    ASSERT_GT(a.size(), 10u);
    for (std::size_t k = 0; k < a.size(); ++k) {
        std::istringstream p(a[k]);
        std::istringstream q(b[k]);
        double t1, w1, t2, w2;
        p >> t1 >> w1;
        q >> t2 >> w2;
        EXPECT_EQ(t1, t2);
        EXPECT_NEAR(w1, -w2, 1e-6) << a[k] << " | " << b[k];
    }
    EXPECT_EQ(RunCli("wavelet --ricker 20 --ricker 30").out, RunCli("wavelet --ricker 30").out);
}

}  // namespace
}  // namespace tessarin::test
