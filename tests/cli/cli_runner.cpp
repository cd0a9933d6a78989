#include "cli/cli_runner.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

namespace tessarin::test {

namespace fs = std::filesystem;

std::string Quoted(const fs::path& path) {
    return "\"" + path.string() + "\"";
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string DataFile(const std::string& name) {
    return Quoted(fs::path(TESSARIN_TEST_DATA_DIR) / name);
}

std::string AsOrdinaryUser() {
    return ::geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups " : "";
}

CliResult RunCli(const std::string& arguments, const std::string& launcher) {
    const auto dir = fs::temp_directory_path();
    const std::string stem =
        "tessarin-cli-test-" + std::to_string(::getpid()) + "-" + std::to_string(std::rand());
    const auto outPath = dir / (stem + ".out");
    const auto errPath = dir / (stem + ".err");
    const std::string command = launcher + "\"" + TESSARIN_CLI_PATH + "\" " + arguments + " >" +
                                Quoted(outPath) + " 2>" + Quoted(errPath);
    const int raw = std::system(command.c_str());
    CliResult result;
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    result.out = ReadFile(outPath);
    result.err = ReadFile(errPath);
    fs::remove(outPath);
    fs::remove(errPath);
    return result;
}

void CliTest::SetUp() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = fs::temp_directory_path() / ("tessarin-cli-" + std::to_string(::getpid()) + "-" +
                                        test->test_suite_name() + "-" + test->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    // The tool reads the user's saved settings; these tests start with none saved.
    ::setenv("XDG_CONFIG_HOME", (dir_ / "config").c_str(), 1);
}

void CliTest::TearDown() {
    fs::remove_all(dir_);
}

int CliTest::FileCount() const {
    return static_cast<int>(std::distance(fs::directory_iterator(dir_), {}));
}

}  // namespace tessarin::test
