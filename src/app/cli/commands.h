#pragma once

#include <functional>
#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace tessarin::cli {

// Exit status: 0 success, 1 a failure of the work itself (a bad file, a failed computation),
// 2 input the command refuses (unknown options, values the program's rules reject).
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitRefused = 2;

// Input a command refuses once its options are read: it exits with status 2 and this reason.
struct UsageError {
    std::string message;
};

// A message of the program's own, which may span lines (message boxes break them), as the one
// line a failure prints on stderr: each run of line breaks and the blanks around it becomes one
// blank.
std::string OneLine(const std::string& message);

// A command adds itself, its options and its help to the tool's parser, and returns what runs it
// once the options are read: the exit status. It may throw UsageError.
using CommandRun = std::function<int()>;

CommandRun AddImportCommand(CLI::App& tool);
CommandRun AddExportCommand(CLI::App& tool);
CommandRun AddInfoCommand(CLI::App& tool);
CommandRun AddWaveletCommand(CLI::App& tool);
CommandRun AddTieCommand(CLI::App& tool);
CommandRun AddTieSummaryCommand(CLI::App& tool);

// The whole tool: reads the command line, runs the command, returns the exit status.
int RunTool(const std::vector<std::string>& arguments);

}  // namespace tessarin::cli
