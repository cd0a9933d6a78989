#pragma once

// Plain log files: sonic ".dt" and density ".den" files of depth-value pairs. Numbers are
// separated by blanks, TABs, commas or line ends, one pair to a line as a rule, with an optional
// title line first. There are no units, no null value and no range: every pair is taken.

#include <string>
#include <string_view>

#include "import/depth_log.h"
#include "import/import_progress.h"

namespace tessarin {

// A plain file of more lines than this has its pairs merged two by two, and cannot be read when
// more merged pairs than this result.
inline constexpr int kMostLogPairs = 32766;

// The number of text lines, a last line without a line end included.
int CountTextLines(std::string_view text);

// Reads the pairs of a plain log file. The first line is a title, and is skipped, when any of its
// fields is not a number; a title may hold commas and a first depth may be any number.
// Throws ImportError (no title: the program ends the import quietly) for a field that is not a
// number, for repeated depths that cannot be merged, for more merged pairs than a log holds (a
// file is read only as far as that is certain) and for a velocity survey file given as a log.
DepthLog ReadPlainLog(const std::string& path, ImportProgress& progress);
DepthLog ReadPlainLogText(std::string_view text, const std::string& path, ImportProgress& progress);

}  // namespace tessarin
