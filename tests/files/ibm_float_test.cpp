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

// The value of the fixed-exponent bytes files used to hold: exponent 0x44 and the magnitude of
// N = Int(v x 1 000 000) as the fraction, that is N / 256.
double FixedExponentValue(double v) {
    return std::floor(v * 1000000.0) / 256;
}

TEST(IbmFloat, WritesTheFixedExponentValueNormalized) {
    // 0.001: N = 1000 = 0x0003E8, held before as 44 00 03 E8 and read by normalizing readers
    // as about 2049.95. Shifted three hexadecimal places: 0x3E8000 with exponent 0x41.
    const struct {
        double value;
        IbmFloatBytes bytes;
    } rows[] = {
        {0.001, {0x41, 0x3E, 0x80, 0x00}},  // 3.90625
        {-0.001, {0xC1, 0x3E, 0x80, 0x00}},
        {0.0, {0, 0, 0, 0}},
        {-0.0, {0, 0, 0, 0}},
        // Below one millionth the cut gives N = 0, or -1 for a negative value.
        {4e-7, {0, 0, 0, 0}},
        {-4e-7, {0xBF, 0x10, 0x00, 0x00}},  // -1/256
        // N = 1: the fraction moves five places, the smallest value written.
        {1.5e-6, {0x3F, 0x10, 0x00, 0x00}},
        // 20.0: N = 20 000 000 = 0x1312D00, one hexadecimal digit too wide, rounded.
        {20.0, {0x45, 0x13, 0x12, 0xD0}},  // 78125
        {-20.0, {0xC5, 0x13, 0x12, 0xD0}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(EncodeSegySample(row.value), row.bytes) << row.value;
    EXPECT_EQ(StrictIbmValue({0x41, 0x3E, 0x80, 0x00}), 3.90625);
    EXPECT_EQ(StrictIbmValue({0x45, 0x13, 0x12, 0xD0}), 78125.0);
}

TEST(IbmFloat, MagnitudesBeyond24BitsAreRoundedHalvesToEven) {
    const struct {
        bool negative;
        unsigned long long magnitude;
        IbmFloatBytes bytes;
    } rows[] = {
        {false, 0xABCDEF, {0x44, 0xAB, 0xCD, 0xEF}},  // fills 24 bits: the exponent stays
        {false, 0x1312D07, {0x45, 0x13, 0x12, 0xD0}},
        {false, 0x1312D08, {0x45, 0x13, 0x12, 0xD0}},
        {false, 0x1312D18, {0x45, 0x13, 0x12, 0xD2}},
        {false, 0x1312D09, {0x45, 0x13, 0x12, 0xD1}},
        // Several digits dropped are rounded once: 0x1_000007_FF is below the half.
        {false, 0x1000007FFULL, {0x47, 0x10, 0x00, 0x00}},
        {false, 0x100000801ULL, {0x47, 0x10, 0x00, 0x01}},
        // A carry out of the fraction moves the exponent up once more.
        {true, 0xFFFFFF8, {0xC6, 0x10, 0x00, 0x00}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(IbmFloatOfFixed(row.negative, row.magnitude), row.bytes) << row.magnitude;
}

TEST(IbmFloat, EveryNormalizedSampleEqualsItsFixedExponentValue) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> amplitude(-16.0, 16.0);
    std::uniform_int_distribution<int> scale(0, 9);
    for (int i = 0; i < 20000; ++i) {
        const double v = amplitude(random) * std::pow(10.0, -scale(random));
        const IbmFloatBytes written = EncodeSegySample(v);
        ASSERT_EQ(StrictIbmValue(written), FixedExponentValue(v)) << v;
        ASSERT_TRUE(written == (IbmFloatBytes{0, 0, 0, 0}) || (written[1] & 0xF0) != 0) << v;
        ASSERT_NEAR(StrictIbmValue(written), v * 3906.25, 1.0 / 256) << v;
    }
}

TEST(IbmFloat, RefusesValuesThatCannotBeScaled) {
    EXPECT_THROW(EncodeSegySample(std::nan("")), Error);
    EXPECT_THROW(EncodeSegySample(INFINITY), Error);
    EXPECT_THROW(EncodeSegySample(1e20), Error);
}

}  // namespace
}  // namespace tessarin
