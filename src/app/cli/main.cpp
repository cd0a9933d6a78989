// tessarin-cli: the batch side of Tessarin, for users who process many wells.

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

int main(int argc, char** argv) {
    return tessarin::cli::RunTool(std::vector<std::string>(argv + 1, argv + argc));
}
