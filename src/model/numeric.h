#pragma once

// Numeric and text semantics shared by every file format: integer conversions, digit patterns,
// plain printed numbers and "@" text fields. Files written by the original Windows program rely
// on exactly these rules, so they are kept in one place.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tessarin {

// Rounds to the nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double RoundHalfEven(double x);

// Conversions to 16-bit and 32-bit integers, rounding halves to even. Throws OverflowError
// outside the integer's range (and for NaN).
std::int16_t ToInt16(double x);
std::int32_t ToInt32(double x);

// The integer part taken toward minus infinity: Int(-2.5) = -3.
double IntFloor(double x);

// Reads a text as a number the way the program always has: blanks around it are allowed, then
// an optional sign, digits with an optional decimal point, and an optional exponent ("E" or
// "D"). Returns nothing for an empty text or anything else.
std::optional<double> ParseNumber(std::string_view text);

// ParseNumber that throws ConversionError naming the text.
double TextToNumber(std::string_view text);

// TextToNumber followed by ToInt16.
std::int16_t TextToInt16(std::string_view text);

// Formats with a digit pattern such as "#####.0", "0.##0" or "####0": "0" is a digit always
// written, "#" one written only when significant, "." the decimal point. The number is rounded
// (halves away from zero) to the pattern's decimal places; integer digits beyond the pattern are
// written whole. A negative number that rounds to zero is written without its sign.
std::string FormatPattern(double x, std::string_view pattern);

// A text field of `width` "@" positions: right-aligned, padded with blanks on the left; a longer
// text is written whole.
std::string FormatAt(std::string_view text, int width);

// The plain decimal form of a number as printed text shows it, without the sign position or the
// trailing blank: up to 15 significant digits, no leading zero before the point ("-.5"), and
// exponent form ("1E+15", "2.5E-05") outside 0.001 to 1E15.
std::string PlainNumber(double x);

// A number as sequential print writes it: a sign position (blank or "-"), the plain form, and a
// trailing blank: " 5 ", "-.5 ".
std::string PrintedNumber(double x);

}  // namespace tessarin
