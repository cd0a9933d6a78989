#include "cli/commands.h"

#include <regex>

namespace tessarin::cli {

std::string OneLine(const std::string& message) {
    static const std::regex lineBreaks("[ \t]*[\r\n]+[ \t]*");
    std::string line = std::regex_replace(message, lineBreaks, " ");
    const auto first = line.find_first_not_of(' ');
    const auto last = line.find_last_not_of(' ');
    return first == std::string::npos ? std::string() : line.substr(first, last - first + 1);
}

}  // namespace tessarin::cli
