#include "model/well_coordinates.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

namespace tessarin {
namespace {

bool IsWordCharacter(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

// The number after the first standalone `letter` in `text` that is followed by one.
std::optional<double> NumberAfter(const std::string& text, char letter) {
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (std::toupper(static_cast<unsigned char>(text[at])) != letter ||
            (at > 0 && IsWordCharacter(text[at - 1]))) {
            continue;
        }
        std::size_t k = at + 1;
        const auto skipSpaces = [&] {
            while (k < text.size() && (text[k] == ' ' || text[k] == '\t')) {
                ++k;
            }
        };
        skipSpaces();
        if (k < text.size() && (text[k] == '=' || text[k] == ':')) {
            ++k;
            skipSpaces();
        }
        if (k == at + 1 || k >= text.size()) {
            continue;  // "X1" or "Xline" is a word, not the X coordinate
        }
        const char* begin = text.c_str() + k;
        char* end = nullptr;
        const double value = std::strtod(begin, &end);
        if (end != begin && std::isfinite(value) &&
            (*end == '\0' || !IsWordCharacter(*end) || *end == 'm')) {
            return value;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::pair<double, double>> CoordinatesInText(const std::string& text) {
    const std::optional<double> x = NumberAfter(text, 'X');
    const std::optional<double> y = NumberAfter(text, 'Y');
    if (!x || !y) {
        return std::nullopt;
    }
    return std::pair{*x, *y};
}

std::optional<std::pair<double, double>> WellLocationCoordinates(const Project& project) {
    return CoordinatesInText(project.wellLocation[0] + " " + project.wellLocation[1]);
}

}  // namespace tessarin
