#pragma once

// Whether what the program writes into its text files (project, velocity survey) comes back the
// same when the file is read again. The files are written by sequential print and read by field
// input, so a value written bare can be read as something else: an empty box makes the next
// value take its place, a blank or a comma splits it in two, and a number rounded to the 15
// digits a file keeps can pass the largest number there is.

#include <optional>
#include <string>
#include <string_view>

#include "model/value.h"

namespace tessarin {

// True when `readBack` is what a file gives back for `written`: the same number, to the 15
// significant digits a file keeps, when `written` is or reads as a number; otherwise the same text
// without the blanks around it, which field input drops.
bool SameSavedValue(const Value& written, const Value& readBack);

// Why `value`, printed as one item among others on a line and read back as one field, would not
// come back the same, for example "it holds a blank or a comma"; nothing when it would. A text
// that reads as a number must also come back as that number when it is saved again. Dialogs call
// this with the text of a value box (Value::Text) before they accept it.
std::optional<std::string> SavedValueProblem(const Value& value);

// SavedValueProblem for a field the file must hold as a number (a horizon depth, the velocity
// survey datum): a text that is not a number is refused as well.
std::optional<std::string> SavedNumberProblem(const Value& value);

// Why a number typed into a dialog box cannot be taken, for the user and naming the box by `what`
// ("The KB elevation "1 10" has a blank inside: please type the number without blanks."), or
// nothing when it can. A box takes only what SavedNumberProblem accepts, so a value the dialogs
// let through is never one a save refuses. Blanks around the number are allowed.
std::optional<std::string> BoxNumberProblem(std::string_view text, std::string_view what);

// BoxNumberProblem for boxes whose number must also fit a 16-bit integer once rounded (-32768 to
// 32767; fractions allowed).
std::optional<std::string> BoxInt16Problem(std::string_view text, std::string_view what);

// Why a text written as a whole line would not read back as that line; nothing when it would.
std::optional<std::string> SavedLineProblem(const std::string& text);

// Why a text written as the last field of a line (read up to a comma or the line end) would not
// read back the same, blanks around it aside; nothing when it would.
std::optional<std::string> SavedFieldProblem(const std::string& text);

// Why `x`, written with the digit pattern `pattern` ("####0"), would not read back within the
// pattern's rounding; nothing when it would.
std::optional<std::string> PatternedNumberProblem(double x, std::string_view pattern);

// Whether `readBack` lies within the rounding of `pattern` from `written`.
bool SamePatternedNumber(double written, double readBack, std::string_view pattern);

// A value as a refusal shows it: a text in double quotes, a number with all its digits.
std::string ShownValue(const Value& value);

// The refusal of a save: `document` ("project") was not saved because `field` ("KB elevation"),
// shown as `shown`, would not read back the same, for `reason`.
std::string NotSavedMessage(const std::string& document, const std::string& field,
                            const std::string& shown, const std::string& reason);

}  // namespace tessarin
