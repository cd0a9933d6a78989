#pragma once

// Plain column text, as a trace, a list of knees or a wavelet is written by hand or by another
// program: one record to a line, fields parted by spaces, tabs or commas, blank lines and lines
// starting with # passed over.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/read_result.h"

namespace tessarin {

// A line that is neither blank nor a comment.
struct ColumnLine {
    int number = 0;  // counted from 1 for the file's first line
    std::string_view text;
};

// The lines of `text` that hold something; they point into `text`.
std::vector<ColumnLine> ColumnLines(std::string_view text);

// The fields of a line as numbers; nothing when any of them is not a finite number.
std::optional<std::vector<double>> LineNumbers(std::string_view line);

// The whole of a file, or why it cannot be read.
ReadResult<std::string> ReadWholeFile(const std::string& path);

}  // namespace tessarin
