#pragma once

// The figures of tessarin-cli tie as text: numbers to fixed places, lags in milliseconds, and
// rows of a label and its figures.

#include <ostream>
#include <string>

namespace tessarin::cli {

// A number to `decimals` places; with `sign`, "+" before one that is not negative; "none" for
// one that is not finite.
std::string Fixed(double x, int decimals, bool sign = false);

// Seconds as signed milliseconds to a tenth: "+12.0 ms".
std::string Ms(double seconds);

// The label with its colon in 16 columns, then the text, on a line of its own.
void Row(std::ostream& out, const std::string& label, const std::string& text);

}  // namespace tessarin::cli
