#include "cli/commands.h"

#include <regex>

namespace tessarin::cli {

int RunWavelet(const std::vector<std::string>& arguments);
int RunInfoCommand(const std::vector<std::string>& arguments);
int RunImport(const std::vector<std::string>& arguments);
int RunExport(const std::vector<std::string>& arguments);

std::string OneLine(const std::string& message) {
    static const std::regex lineBreaks("[ \t]*[\r\n]+[ \t]*");
    std::string line = std::regex_replace(message, lineBreaks, " ");
    const auto first = line.find_first_not_of(' ');
    const auto last = line.find_last_not_of(' ');
    return first == std::string::npos ? std::string() : line.substr(first, last - first + 1);
}

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = {
        {"wavelet",
         "wavelet --ricker F | --bandpass LC,LP,HP,HC [--phase P] [--length L]"
         " [--rate 2|1|0.5]",
         RunWavelet},
        {"info", "info PROJECT.tsp     summarise a project file", &RunInfoCommand},
        {"import",
         "import --sonic FILE [--sonic-curve MNEMONIC] [--density FILE]"
         " [--density-curve MNEMONIC] [--gardner] [--units english|metric] [--sonic-per-ft]"
         " [--rate 2|1|0.5] [--survey FILE.vs] [--depth-range TOP:BASE]"
         " [--ricker F | --bandpass LC,LP,HP,HC] [--phase P] [--length L] [--agc SECONDS|None]"
         " [--time-scale X] [--traces-per-unit X] [--amplitude X] [--panel-traces N]"
         " [--kb X] [--gl X] [--datum X] [--datum-velocity X] [--well-name TEXT]"
         " [--location TEXT] [--location-2 TEXT] [--horizons FILE.hor] -o PROJECT.tsp",
         RunImport},
        {"export",
         "export PROJECT.tsp [--bmp FILE] [--png FILE] [--screen-factor X]"
         " [--pdf FILE [--paper letter|a4] [--landscape]] [--dat FILE]"
         " [--segy PREFIX --traces N] [--horizons FILE.hor]     save the display as a picture,"
         " print it into a PDF file (--pdf; letter paper and portrait unless chosen), write"
         " the synthetic as text (--dat) or as SEG-Y files PREFIXnormal.sgy and PREFIXreverse.sgy",
         RunExport},
    };
    return commands;
}

}  // namespace tessarin::cli
