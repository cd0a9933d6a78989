#include <gtest/gtest.h>

#include "cli/cli_runner.h"

namespace tessarin::test {
namespace {

TEST(CommandLine, HelpListsTheCommandsAndSucceeds) {
    const CliResult r = RunCli("--help");
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("Usage: tessarin-cli"), std::string::npos);
}

TEST(CommandLine, VersionSucceeds) {
    const CliResult r = RunCli("--version");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "tessarin-cli 2.2.0\n");
}

TEST(CommandLine, UnknownCommandFailsWithOneLineReason) {
    const CliResult r = RunCli("frobnicate");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "tessarin-cli: unknown command \"frobnicate\" (see tessarin-cli --help)\n");
}

}  // namespace
}  // namespace tessarin::test

namespace tessarin::test {
namespace {

TEST(CommandLine, EveryCommandHasItsOwnHelp) {
    for (const char* command : {"wavelet", "info", "import", "export"}) {
        const CliResult r = RunCli(std::string(command) + " --help");
        EXPECT_EQ(r.status, 0) << command;
        EXPECT_EQ(r.out.rfind(std::string("Usage: tessarin-cli ") + command, 0), 0u) << r.out;
    }
}

}  // namespace
}  // namespace tessarin::test
