#include "cli/report_text.h"

#include <cmath>
#include <cstdio>
#include <iomanip>

namespace tessarin::cli {

std::string Fixed(double x, int decimals, bool sign) {
    if (!std::isfinite(x)) {
        return "none";
    }
    const double scale = std::pow(10.0, decimals);
    const double rounded = std::round(x * scale) / scale + 0.0;  // no "-0.0"
    char text[64];
    std::snprintf(text, sizeof text, sign ? "%+.*f" : "%.*f", decimals, rounded);
    return text;
}

std::string Ms(double seconds) {
    return Fixed(seconds * 1000.0, 1, true) + " ms";
}

void Row(std::ostream& out, const std::string& label, const std::string& text) {
    out << std::left << std::setw(16) << (label + ":") << text << "\n";
}

}  // namespace tessarin::cli
