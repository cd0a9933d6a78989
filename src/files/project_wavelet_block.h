#pragma once

// The extracted wavelet in the project file: a tagged block of its own after the last log row
// (after the seismic tie block, when there is one). It is written only while the extracted
// wavelet is the one in use, so a project of a Ricker or bandpass wavelet has no block and its
// file is what it always was. The flags of the original layout then say "bandpass"; the block
// turns the type to extracted. With CR LF line ends:
//
//   [Wavelet]
//   source = TEXT                      where the wavelet came from, in the user's words
//   first time (s) = T                 two-way seconds of the first sample from time 0
//   interval (s) = DT                  the wavelet's own sample interval
//   samples = N
//   N lines of one sample each
//   [End Wavelet]
//
// Numbers are written with as many digits as bring back the same number. Names not listed are
// skipped when read, so that later versions may add to the block.

#include <istream>
#include <optional>
#include <string>

#include "files/project_block.h"
#include "model/project.h"

namespace tessarin {

inline constexpr const char* kWaveletBlockStart = "[Wavelet]";
inline constexpr const char* kWaveletBlockEnd = "[End Wavelet]";

std::string WaveletBlockText(const ExtractedWavelet& wavelet);

struct WaveletBlockRead {
    std::optional<ExtractedWavelet> wavelet;
    // Why a damaged block was left out, for the user; empty when it was read.
    std::string problem;
};

// The block after its opening line, which the caller has read. A damaged block (cut short, a
// value that is not a number, an interval not above 0, fewer samples than its count, no closing
// line) gives no wavelet and the problem.
WaveletBlockRead ReadWaveletBlockAfterTag(block::BlockLines& lines);

}  // namespace tessarin
