#include "cli/commands.h"

namespace tessarin::cli {

int RunWavelet(const std::vector<std::string>& arguments);
int RunInfoCommand(const std::vector<std::string>& arguments);
int RunExport(const std::vector<std::string>& arguments);

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = {
        {"wavelet",
         "wavelet --ricker F | --bandpass LC,LP,HP,HC [--phase P] [--length L]"
         " [--rate 2|1|0.5]",
         RunWavelet},
        {"info", "info PROJECT.tsp     summarise a project file", &RunInfoCommand},
        {"export",
         "export PROJECT.tsp --bmp FILE | --png FILE [--screen-factor X]"
         "     draw the display as the program's screen does and save it",
         RunExport},
    };
    return commands;
}

}  // namespace tessarin::cli
