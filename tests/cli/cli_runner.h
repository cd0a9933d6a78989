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

// `arguments` is appended to the binary's path as it stands (quote paths yourself); `launcher`,
// when given, stands before it (a command that runs the tool as another user).
CliResult RunCli(const std::string& arguments, const std::string& launcher = "");

// A launcher that runs the tool as a user without the superuser's rights, so that a file without
// read permission is unreadable also when the tests run as root; nothing for another user.
std::string AsOrdinaryUser();

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
