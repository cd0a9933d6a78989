#pragma once

// Whether a number typed into a dialog box can be kept as it was typed. The project file writes
// a value as its text and reads it back up to the next blank or comma, so an empty value, a blank
// inside a number or a number beyond the arithmetic's range would not come back as the user
// entered it. The dialogs stop such input at the box, with the reason given here.

#include <optional>
#include <string>
#include <string_view>

namespace tessarin {

// The reason for the user, naming the box by `what` ("time scale"), or nothing when `text` is a
// number the project file keeps. Blanks around the number are allowed.
std::optional<std::string> NumberTextProblem(std::string_view text, std::string_view what);

// The same, for boxes whose number must also fit a 16-bit integer once rounded (-32768 to
// 32767; fractions allowed).
std::optional<std::string> Int16TextProblem(std::string_view text, std::string_view what);

}  // namespace tessarin
