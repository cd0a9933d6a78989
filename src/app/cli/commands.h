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

// A message of the program's own, which may span lines (message boxes break them), as the one
// line a failure prints on stderr: each run of line breaks and the blanks around it becomes one
// blank.
std::string OneLine(const std::string& message);

// Every command the tool knows, in the order --help lists them.
const std::vector<Command>& Commands();

}  // namespace tessarin::cli
