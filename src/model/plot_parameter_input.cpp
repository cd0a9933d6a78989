#include "model/plot_parameter_input.h"

#include <cmath>
#include <limits>

#include "model/error.h"
#include "model/numeric.h"

namespace tessarin {

std::int16_t LogGridWidthTwips(const std::string& inches) {
    const auto number = ParseNumber(inches);
    if (!number) {
        throw Error("The width \"" + inches + "\" is not a number.");
    }
    const auto refuse = [&inches]() {
        return Error("The width " + inches +
                     " in is outside what a log grid can take: above 0 and at most 22.75 in.");
    };
    try {
        const std::int16_t twips = ToInt16(*number * 1440.0);
        if (twips < 1) {
            throw refuse();
        }
        return twips;
    } catch (const OverflowError&) {
        throw refuse();
    }
}

double ScreenFactorFromText(const std::string& text) {
    const auto number = ParseNumber(text);
    if (!number) {
        throw Error("The correction factor \"" + text + "\" is not a number.");
    }
    if (!(*number > 0.0) || static_cast<float>(*number) == 0.0f) {
        throw Error("The correction factor " + text + " must be above 0.");
    }
    if (*number > std::numeric_limits<float>::max()) {
        throw Error("The correction factor " + text + " is too large.");
    }
    return *number;
}

}  // namespace tessarin
