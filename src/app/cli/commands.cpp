#include "cli/commands.h"

namespace tessarin::cli {

int RunInfoCommand(const std::vector<std::string>& arguments);

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = {
        {"info", "info PROJECT.tsp     summarise a project file", &RunInfoCommand},
    };
    return commands;
}

}  // namespace tessarin::cli
