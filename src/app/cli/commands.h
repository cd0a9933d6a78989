#pragma once

#include <string>
#include <vector>

namespace tessarin::cli {

// Exit status: 0 success, 1 a failure of the work itself (a bad file, a failed computation),
// 2 input the command refuses (unknown options, values the program's rules reject).
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitRefused = 2;

struct Command {
    const char* name;
    const char* synopsis;  // shown by --help
    int (*run)(const std::vector<std::string>& arguments);
};

// Every command the tool knows, in the order --help lists them.
const std::vector<Command>& Commands();

}  // namespace tessarin::cli
