#pragma once

// SEG-Y samples as IBM single-precision floats (format code 1): a sign bit, a 7-bit exponent of
// 16 biased by 64 and a 24-bit fraction, big-endian.
//
// A sample v is stored as N / 256 with N = Int(v x 1 000 000), the scaling files of this program
// have always used. Older files wrote that value with the fraction N and a fixed exponent (0x44),
// which strict readers decode as N / 256 but readers that assume normalized floats (segyio among
// them) do not. The value is therefore written normalized: the same number, with the fraction
// shifted until its first hexadecimal digit is not zero.

#include <array>
#include <cstdint>

namespace tessarin {

using IbmFloatBytes = std::array<std::uint8_t, 4>;

// The normalized IBM float of +-magnitude / 256: exact while the magnitude fits 24 bits, rounded
// to the nearest 24-bit fraction (halves to even) above that. Zero gives four zero bytes.
IbmFloatBytes IbmFloatOfFixed(bool negative, std::uint64_t magnitude);

// The stored form of a sample: N = Int(v x 1 000 000) toward minus infinity, the sign taken
// after the cut, then IbmFloatOfFixed. Throws Error for a value that is not finite or whose N
// exceeds 2^62.
IbmFloatBytes EncodeSegySample(double v);

}  // namespace tessarin
