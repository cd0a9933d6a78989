// tessarin-cli: the batch side of Tessarin, for users who process many wells.

#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "cli/commands.h"

#if defined(__SANITIZE_ADDRESS__)
// Pictures are drawn with Qt, whose start-up keeps allocations until exit that LeakSanitizer
// would report as leaks.
extern "C" const char* __asan_default_options() {
    return "detect_leaks=0";
}
#endif

namespace {

void PrintHelp() {
    std::cout << "Usage: tessarin-cli COMMAND [OPTIONS]\n"
                 "Builds and exports synthetic seismograms without the window.\n\n"
                 "Commands:\n";
    for (const auto& command : tessarin::cli::Commands()) {
        std::cout << "  " << command.synopsis << "\n";
    }
    std::cout << "\n  --help     show this help\n"
                 "  --version  show the version\n"
                 "\nExit status: 0 success, 1 failure, 2 input refused.\n";
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (arguments.empty()) {
        PrintHelp();
        return tessarin::cli::kExitRefused;
    }
    const std::string& first = arguments.front();
    if (first == "--help" || first == "-h" || first == "help") {
        PrintHelp();
        return tessarin::cli::kExitOk;
    }
    if (first == "--version") {
        std::cout << "tessarin-cli " << TESSARIN_VERSION << "\n";
        return tessarin::cli::kExitOk;
    }
    for (const auto& command : tessarin::cli::Commands()) {
        if (first == command.name) {
            const std::vector<std::string> rest(arguments.begin() + 1, arguments.end());
            if (std::find(rest.begin(), rest.end(), "--help") != rest.end()) {
                std::cout << "Usage: tessarin-cli " << command.synopsis << "\n";
                return tessarin::cli::kExitOk;
            }
            return command.run(rest);
        }
    }
    std::cerr << "tessarin-cli: unknown command \"" << first << "\" (see tessarin-cli --help)\n";
    return tessarin::cli::kExitRefused;
}
