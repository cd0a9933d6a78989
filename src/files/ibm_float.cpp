#include "files/ibm_float.h"

#include <cmath>

#include "model/error.h"
#include "model/numeric.h"

namespace tessarin {
namespace {

constexpr std::uint64_t kFractionLimit = 1ULL << 24;
constexpr int kFixedExponent = 0x44;  // 16^4 / 2^24 = 1 / 256

}  // namespace

IbmFloatBytes IbmFloatOfFixed(bool negative, std::uint64_t magnitude) {
    if (magnitude == 0) {
        return {0, 0, 0, 0};
    }
    // Too wide for 24 bits: drop whole hexadecimal digits, rounding once to the nearest
    // fraction, halves to even.
    int dropped = 0;
    while ((magnitude >> dropped) >= kFractionLimit) {
        dropped += 4;
    }
    std::uint64_t fraction = magnitude >> dropped;
    if (dropped > 0) {
        const std::uint64_t remainder = magnitude & ((1ULL << dropped) - 1);
        const std::uint64_t half = 1ULL << (dropped - 1);
        if (remainder > half || (remainder == half && (fraction & 1) != 0)) {
            ++fraction;
        }
        if (fraction == kFractionLimit) {
            fraction >>= 4;
            dropped += 4;
        }
    }
    int exponent = kFixedExponent + dropped / 4;
    // Normalize: the first hexadecimal digit of the fraction becomes non-zero.
    while ((fraction & 0xF00000) == 0) {
        fraction <<= 4;
        --exponent;
    }
    const auto sign = static_cast<std::uint8_t>(negative ? 0x80 : 0);
    return {static_cast<std::uint8_t>(sign | exponent), static_cast<std::uint8_t>(fraction >> 16),
            static_cast<std::uint8_t>(fraction >> 8), static_cast<std::uint8_t>(fraction)};
}

IbmFloatBytes EncodeSegySample(double v) {
    const double n = IntFloor(v * 1000000.0);
    if (!std::isfinite(n) || std::fabs(n) > 4611686018427387904.0) {
        throw Error("The synthetic value " + PlainNumber(v) +
                    " cannot be written as a SEG-Y sample.");
    }
    return IbmFloatOfFixed(n < 0, static_cast<std::uint64_t>(std::fabs(n)));
}

}  // namespace tessarin
