#include "cli/cli_runner.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace tessarin::test {

static std::string Slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

CliResult RunCli(const std::string& arguments) {
    const auto dir = std::filesystem::temp_directory_path();
    const std::string stem = "tessarin-cli-test-" + std::to_string(::getpid()) + "-" +
                             std::to_string(std::rand());
    const auto outPath = dir / (stem + ".out");
    const auto errPath = dir / (stem + ".err");
    const std::string command = std::string("\"") + TESSARIN_CLI_PATH + "\" " + arguments +
                                " >\"" + outPath.string() + "\" 2>\"" + errPath.string() + "\"";
    const int raw = std::system(command.c_str());
    CliResult result;
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    result.out = Slurp(outPath);
    result.err = Slurp(errPath);
    std::filesystem::remove(outPath);
    std::filesystem::remove(errPath);
    return result;
}

}  // namespace tessarin::test
