#pragma once

// A small SEG-Y survey made from the F03-4 well's own synthetic, for the tie commands' tests.

#include <string>

namespace tessarin::test {

// The F03-4 project the survey is made from.
extern const std::string kWell;

// Nine traces of IEEE floats at 4 ms, big-endian: trace k (from 0) at inline 5 + k / 3 and
// crossline 7 + k % 3 (also at bytes 17 and 21), CDP (1000 + 100 (k % 3), 2000 + 100 (k / 3)),
// holds the well's synthetic 12 + 8 (k - 4) ms later: the fifth, at inline 6 and crossline 8,
// 12 ms later. `binaryDt` is the interval the binary header gives, in microseconds.
std::string Survey(int binaryDt = 4000);

}  // namespace tessarin::test
