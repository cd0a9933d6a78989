#pragma once

// The seismic tie in the project file: a tagged block after the last log row. A reader of the
// original layout stops at the last row and never reaches it, and a project without a tie has no
// block, so its file is what it always was. Written for `tie`, with CR LF line ends:
//
//   [Tie]
//   file = PATH
//   trace chosen by = lines | number | nearest | text | interpolated
//   trace number = N                   the next five for a SEG-Y trace: where it stands
//   inline = N                         in the file, and the header bytes (from 1) of its
//   crossline = N                      inline and crossline numbers (for a blend, of the
//   inline byte = B                    blended trace nearest the well)
//   crossline byte = B
//   coordinates = source               a SEG-Y trace placed by source X/Y; left out for CDP
//   well x = X                         the next two when chosen nearest the well or blended
//   well y = Y                         around it: the position typed
//   distance = D                       when chosen nearest: the trace's distance from it
//   inline position = IL               when blended: the well's fractional inline and
//   crossline position = XL            crossline numbers
//   first time (s) = T                 two-way seconds below the seismic datum
//   interval (s) = DT
//   window = overlap | times | horizons
//   window start (s) = T0              for a window of times
//   window end (s) = T1
//   upper horizon = NAME               for a window between horizons
//   lower horizon = NAME
//   shift (s) = S
//   knees (s) = T1 N1; T2 N2; ...     the stretch, when there is one: each knee's time on the
//                                      synthetic and the time it moves to
//   samples = N
//   N lines of one sample each
//   [End Tie]
//
// Numbers are written with as many digits as bring back the same number. Names not listed are
// skipped when read, so that later versions may add to the block.

#include <istream>
#include <optional>
#include <string>

#include "files/project_block.h"
#include "model/tie.h"

namespace tessarin {

inline constexpr const char* kTieBlockStart = "[Tie]";
inline constexpr const char* kTieBlockEnd = "[End Tie]";

std::string TieBlockText(const SeismicTie& tie);

struct TieBlockRead {
    std::optional<SeismicTie> tie;
    // Why a damaged block was left out, or a damaged stretch line (the tie is then read without
    // its stretch), for the user; empty when the block was read or there was none.
    std::string problem;
};

// Reads what follows the last log row. Anything but a block there is ignored, as it always was.
// A damaged block (cut short, a value that is not a number, fewer samples than its count, no
// closing line) gives no tie and the problem.
TieBlockRead ReadTieBlock(std::istream& in);
// The block after its opening line, which the caller has read.
TieBlockRead ReadTieBlockAfterTag(block::BlockLines& lines);

}  // namespace tessarin
