#include <gtest/gtest.h>

#include "cli/cli_runner.h"

namespace tessarin::test {
namespace {

TEST(CommandLine, HelpAndVersionSucceed) {
    const CliResult help = RunCli("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Usage: tessarin-cli"), std::string::npos);
    EXPECT_NE(help.out.find("info PROJECT.tsp"), std::string::npos);
    const CliResult version = RunCli("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "tessarin-cli 2.2.0\n");
}

TEST(CommandLine, EveryCommandHasItsOwnHelp) {
    for (const std::string command : {"wavelet", "info", "import", "export"}) {
        const CliResult r = RunCli(command + " --help");
        EXPECT_EQ(r.status, 0) << command;
        EXPECT_EQ(r.out.rfind("Usage: tessarin-cli " + command, 0), 0u) << r.out;
    }
}

TEST(CommandLine, UnknownCommandFailsWithOneLineReason) {
    const CliResult r = RunCli("frobnicate");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "tessarin-cli: unknown command \"frobnicate\" (see tessarin-cli --help)\n");
}

}  // namespace
}  // namespace tessarin::test
