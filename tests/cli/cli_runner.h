#pragma once

// Runs the real tessarin-cli binary and captures what it prints; a fixture giving each test its
// own folder and an empty settings store.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace tessarin::test {

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

// `arguments` is appended to the binary's path as it stands (quote paths yourself).
CliResult RunCli(const std::string& arguments);

std::string Quoted(const std::filesystem::path& path);
std::string ReadFile(const std::filesystem::path& path);

// The quoted path of a file in the test data folder.
std::string DataFile(const std::string& name);

class CliTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::filesystem::path Path(const std::string& name) const { return dir_ / name; }
    int FileCount() const;

    std::filesystem::path dir_;
};

}  // namespace tessarin::test
