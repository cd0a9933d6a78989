#pragma once

// What the input boxes of the Plot Parameters and Preferences menus accept. An answer that is
// refused throws Error with the reason, and the previous value stays in force.

#include <cstdint>
#include <optional>
#include <string>

namespace tessarin {

// A log grid width typed in inches, as twips. Refused: a text that is no number, or a width that
// is not a positive 16-bit twip value (more than 22.75 inches, or under one twip).
std::int16_t LogGridWidthTwips(const std::string& inches);

// A screen scale correction factor typed by the user. Refused unless it is a number above zero
// that single precision can hold.
double ScreenFactorFromText(const std::string& text);

}  // namespace tessarin
