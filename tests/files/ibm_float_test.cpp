#include "files/ibm_float.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "model/error.h"

namespace tessarin {
namespace {

// A strict IBM single-precision decoder: (-1)^sign x fraction / 2^24 x 16^(exponent - 64), with
// no assumption that the fraction is normalized.
double StrictIbmValue(const IbmFloatBytes& b) {
    const double fraction = (b[1] << 16) | (b[2] << 8) | b[3];
    const double magnitude = std::ldexp(fraction, 4 * ((b[0] & 0x7F) - 64) - 24);
    return (b[0] & 0x80) ? -magnitude : magnitude;
}

// The fixed-exponent bytes files used to hold: 0x44 or 0xC4 and the 24-bit magnitude N of
// N = Int(v x 1 000 000), or four zero bytes.
IbmFloatBytes FixedExponentBytes(double v) {
    long long n = static_cast<long long>(std::floor(v * 1000000.0));
    if (n == 0)
        return {0, 0, 0, 0};
    const std::uint8_t sign = n > 0 ? 0x44 : 0xC4;
    n = std::llabs(n);
    const long long b1 = n / 65536;
    const long long b2 = (n - b1 * 65536) / 256;
    return {sign, static_cast<std::uint8_t>(b1), static_cast<std::uint8_t>(b2),
            static_cast<std::uint8_t>(n - b1 * 65536 - b2 * 256)};
}

bool IsNormalized(const IbmFloatBytes& b) {
    return (b[1] & 0xF0) != 0;
}

TEST(IbmFloat, WritesTheFixedExponentValueNormalized) {
    // 0.001: N = 1000 = 0x0003E8, held before as 44 00 03 E8 and read by normalizing readers
    // as about 2049.95. Shifted three hexadecimal places: 0x3E8000 with exponent 0x41.
    EXPECT_EQ(FixedExponentBytes(0.001), (IbmFloatBytes{0x44, 0x00, 0x03, 0xE8}));
    EXPECT_EQ(EncodeSegySample(0.001), (IbmFloatBytes{0x41, 0x3E, 0x80, 0x00}));
    EXPECT_EQ(StrictIbmValue(EncodeSegySample(0.001)), 3.90625);
    EXPECT_EQ(EncodeSegySample(-0.001), (IbmFloatBytes{0xC1, 0x3E, 0x80, 0x00}));
    EXPECT_EQ(EncodeSegySample(0.0), (IbmFloatBytes{0, 0, 0, 0}));
    EXPECT_EQ(EncodeSegySample(-0.0), (IbmFloatBytes{0, 0, 0, 0}));
    // Below one millionth the cut gives N = 0, or -1 for a negative value.
    EXPECT_EQ(EncodeSegySample(4e-7), (IbmFloatBytes{0, 0, 0, 0}));
    EXPECT_EQ(EncodeSegySample(-4e-7), (IbmFloatBytes{0xBF, 0x10, 0x00, 0x00}));  // -1/256
    // N = 1: the fraction moves five places, the smallest value written.
    EXPECT_EQ(EncodeSegySample(1.5e-6), (IbmFloatBytes{0x3F, 0x10, 0x00, 0x00}));
    EXPECT_EQ(StrictIbmValue({0x3F, 0x10, 0x00, 0x00}), 1.0 / 256);
    // N = 0xABCDEF already fills 24 bits: the fixed exponent stays.
    EXPECT_EQ(IbmFloatOfFixed(false, 0xABCDEF), (IbmFloatBytes{0x44, 0xAB, 0xCD, 0xEF}));
}

TEST(IbmFloat, EveryNormalizedSampleEqualsItsFixedExponentValue) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> amplitude(-16.0, 16.0);
    std::uniform_int_distribution<int> scale(0, 9);
    for (int i = 0; i < 20000; ++i) {
        const double v = amplitude(random) * std::pow(10.0, -scale(random));
        const IbmFloatBytes written = EncodeSegySample(v);
        ASSERT_EQ(StrictIbmValue(written), StrictIbmValue(FixedExponentBytes(v))) << v;
        ASSERT_TRUE(written == (IbmFloatBytes{0, 0, 0, 0}) || IsNormalized(written)) << v;
        ASSERT_NEAR(StrictIbmValue(written), v * 3906.25, 1.0 / 256) << v;
    }
}

TEST(IbmFloat, MagnitudesBeyond24BitsAreRoundedInsteadOfLost) {
    // 20.0: N = 20 000 000 = 0x1312D00, one hexadecimal digit too wide.
    EXPECT_EQ(EncodeSegySample(20.0), (IbmFloatBytes{0x45, 0x13, 0x12, 0xD0}));
    EXPECT_EQ(StrictIbmValue(EncodeSegySample(20.0)), 78125.0);
    EXPECT_EQ(EncodeSegySample(-20.0), (IbmFloatBytes{0xC5, 0x13, 0x12, 0xD0}));
    // Rounding to the nearest 24-bit fraction, halves to even.
    EXPECT_EQ(IbmFloatOfFixed(false, 0x1312D07), (IbmFloatBytes{0x45, 0x13, 0x12, 0xD0}));
    EXPECT_EQ(IbmFloatOfFixed(false, 0x1312D08), (IbmFloatBytes{0x45, 0x13, 0x12, 0xD0}));
    EXPECT_EQ(IbmFloatOfFixed(false, 0x1312D18), (IbmFloatBytes{0x45, 0x13, 0x12, 0xD2}));
    EXPECT_EQ(IbmFloatOfFixed(false, 0x1312D09), (IbmFloatBytes{0x45, 0x13, 0x12, 0xD1}));
    // Several digits dropped are rounded once: 0x1_000007_FF is below the half.
    EXPECT_EQ(IbmFloatOfFixed(false, 0x1000007FFULL), (IbmFloatBytes{0x47, 0x10, 0x00, 0x00}));
    EXPECT_EQ(IbmFloatOfFixed(false, 0x100000801ULL), (IbmFloatBytes{0x47, 0x10, 0x00, 0x01}));
    // A carry out of the fraction moves the exponent up once more.
    EXPECT_EQ(IbmFloatOfFixed(true, 0xFFFFFF8), (IbmFloatBytes{0xC6, 0x10, 0x00, 0x00}));
}

TEST(IbmFloat, RefusesValuesThatCannotBeScaled) {
    EXPECT_THROW(EncodeSegySample(std::nan("")), Error);
    EXPECT_THROW(EncodeSegySample(INFINITY), Error);
    EXPECT_THROW(EncodeSegySample(1e20), Error);
}

}  // namespace
}  // namespace tessarin
