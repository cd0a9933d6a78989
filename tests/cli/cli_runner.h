#pragma once

// Runs the real tessarin-cli binary and captures what it prints.

#include <string>

namespace tessarin::test {

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

// `arguments` is appended to the binary's path as it stands (quote paths yourself).
CliResult RunCli(const std::string& arguments);

}  // namespace tessarin::test
