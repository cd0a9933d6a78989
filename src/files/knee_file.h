#pragma once

// A stretch typed outside the program: a text file of knees, one a line, the time on the
// synthetic (after the bulk shift) and the time it moves to, two-way seconds separated by blanks,
// TABs or a comma. Blank lines and lines beginning with "#" are skipped. A line of other than two
// numbers, a file without knees, and knees that cross are refused with one message naming the
// file (and the line, where there is one).

#include <string>
#include <string_view>
#include <vector>

#include "files/read_result.h"
#include "model/tie.h"

namespace tessarin {

// The knees in order of synthetic time.
ReadResult<std::vector<StretchKnee>> ReadKneeFile(const std::string& path);
ReadResult<std::vector<StretchKnee>> ReadKneeText(std::string_view text, const std::string& path);

}  // namespace tessarin
