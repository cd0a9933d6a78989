#include "model/plot_parameter_input.h"

#include <cmath>
#include <limits>

#include "model/error.h"
#include "model/numeric.h"

namespace tessarin {

std::optional<std::int16_t> LogGridWidthTwips(const std::string& inches) {
    const auto number = ParseNumber(inches);
    if (!number) {
        return std::nullopt;
    }
    try {
        const std::int16_t twips = ToInt16(*number * 1440.0);
        if (twips < 1) {
            return std::nullopt;
        }
        return twips;
    } catch (const OverflowError&) {
        return std::nullopt;
    }
}

std::optional<double> ScreenFactorFromText(const std::string& text) {
    const auto number = ParseNumber(text);
    if (!number || !(*number > 0.0) || *number > std::numeric_limits<float>::max() ||
        static_cast<float>(*number) == 0.0f) {
        return std::nullopt;
    }
    return *number;
}

}  // namespace tessarin
