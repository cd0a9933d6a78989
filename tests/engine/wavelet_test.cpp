#include "engine/wavelet.h"

#include <gtest/gtest.h>

#include <utility>

#include "engine/engine_test_support.h"

namespace tessarin::test {
namespace {

TEST(RickerWavelet, ThirtyHertzAtTwoMilliseconds) {
    Project p = Ricker(30, 0.08);
    MakeRickerWavelet(p);
    const OffsetArray& w = p.wavelet;
    ASSERT_EQ(w.First(), -20);
    ASSERT_EQ(w.Last(), 21);
    EXPECT_EQ(w[21], 0);  // the closing element
    EXPECT_DOUBLE_EQ(w[0], 1);
    // (1 - 2a) e^-a with a = (pi 30 t)^2; the deepest trough at t = 14 ms.
    const std::pair<int, double> worked[] = {
        {1, 0.8965}, {-1, 0.8965}, {7, -0.4352}, {-7, -0.4352}};
    for (const auto& [i, expected] : worked) {
        EXPECT_NEAR(w[i], expected, 5e-5) << i;
    }
    for (int i = -20; i <= 20; ++i) {
        EXPECT_GE(w[i], w[7]) << i;
    }
}

TEST(RickerWavelet, RefusesFrequenciesThatGiveNoWavelet) {
    Project p = Ricker(0, 0.08);
    p.wavelet = OffsetArray(-1, 2);
    EXPECT_THROW(MakeRickerWavelet(p), Error);
    p.lowCut = Value::Text("thirty");
    EXPECT_THROW(MakeRickerWavelet(p), Error);
    EXPECT_EQ(p.wavelet, OffsetArray(-1, 2));
}

TEST(BandpassSpectrum, CosineFlanksAroundAFlatPassBand) {
    const BandpassAmplitudes a = BandpassSpectrum(5, 10, 40, 55);
    // (1 - cos(k pi/5)) / 2 up the low flank, (1 + cos(pi/3)) / 2 at 45 Hz on the high one.
    ExpectValues(a, 4, {0, 0, 0.0954915, 0.3454915, 0.6545085, 0.9045085, 1}, 1e-6);
    EXPECT_EQ(a[25], 1);
    EXPECT_EQ(a[40], 1);
    EXPECT_NEAR(a[45], 0.75, 1e-6);
    ExpectValues(a, 55, {0, 0}, 1e-12);
}

TEST(BandpassSpectrum, RefusesCornersOutOfOrderOrAbove500Hertz) {
    EXPECT_THROW(BandpassSpectrum(10, 10, 40, 55), Error);
    EXPECT_THROW(BandpassSpectrum(-1, 10, 40, 55), Error);
    EXPECT_THROW(BandpassSpectrum(5, 40, 10, 55), Error);
    EXPECT_NO_THROW(BandpassSpectrum(5, 10, 400, 500));
    EXPECT_EQ(ErrorOf([] { BandpassSpectrum(5, 10, 400, 501); }),
              "The high cut 501 Hz lies above 500 Hz, the highest frequency a bandpass wavelet "
              "can hold.");
}

TEST(BandpassWavelet, TwoCosinesWorkedByHand) {
    // Corners 0-1-2-3 leave A(1) = A(2) = 1 and nothing else: w(t) = cos 2 pi t + cos 4 pi t.
    Project zero = Bandpass(0, 1, 2, 3, "0", 0.24);
    MakeBandpassWavelet(zero);
    ASSERT_EQ(zero.wavelet.First(), -60);
    EXPECT_NEAR(zero.wavelet[0], 1, 1e-12);
    EXPECT_NEAR(zero.wavelet[30], 0.829373, 1e-6);  // t = 0.06 s
    // With a phase of -90 degrees: sin 2 pi t + sin 4 pi t, largest (1.682574) at t = 0.12 s.
    Project rotated = Bandpass(0, 1, 2, 3, "-90", 0.24);
    MakeBandpassWavelet(rotated);
    EXPECT_NEAR(rotated.wavelet[60], 1, 1e-6);
    EXPECT_NEAR(rotated.wavelet[-60], -1, 1e-6);
    EXPECT_NEAR(rotated.wavelet[30], 0.625632, 1e-6);
}

TEST(BandpassWavelet, PhaseRotationsOfFiveTenFortyFiftyFive) {
    Project zero = Bandpass(5, 10, 40, 55, "0", 0.16);
    Project inverted = Bandpass(5, 10, 40, 55, "180", 0.16);
    Project quarter = Bandpass(5, 10, 40, 55, "90", 0.16);
    for (Project* p : {&zero, &inverted, &quarter}) {
        MakeBandpassWavelet(*p);
    }
    ASSERT_EQ(zero.wavelet.First(), -40);
    ASSERT_EQ(zero.wavelet.Last(), 41);
    EXPECT_EQ(zero.wavelet[41], 0);
    EXPECT_DOUBLE_EQ(zero.wavelet[0], 1);
    EXPECT_NEAR(quarter.wavelet[0], 0, 1e-5);
    for (int i = -40; i <= 40; ++i) {
        EXPECT_NEAR(zero.wavelet[-i], zero.wavelet[i], 1e-9) << i;
        EXPECT_NEAR(quarter.wavelet[-i], -quarter.wavelet[i], 1e-5) << i;
        EXPECT_NEAR(inverted.wavelet[i], -zero.wavelet[i], 1e-5) << i;
    }
}

TEST(BandpassWavelet, RefusesWhatCannotBeBuilt) {
    const Project refused[] = {
        Bandpass(5, 10, 400, 501, "0", 0.16),  // beyond the 0..500 Hz table
        Bandpass(10, 10, 40, 55, "0", 0.16),  Bandpass(5, 10, 40, 55, "ninety", 0.16),
        Bandpass(5, 10, 40, 55, "0", 200),   // 50000 samples each side
        Bandpass(5, 10, 40, 55, "90", 0.0),  // one sample, cos 90 degrees: all zero
    };
    for (Project p : refused) {
        p.wavelet = OffsetArray(-2, 3);
        EXPECT_THROW(MakeBandpassWavelet(p), Error);
        EXPECT_EQ(p.wavelet, OffsetArray(-2, 3));
    }
}

TEST(BuildWavelet, UsesTheStoredType) {
    Project p = Ricker(30, 0.08);
    BuildWavelet(p);
    EXPECT_EQ(p.wavelet.First(), -20);
    p = Bandpass(5, 10, 40, 55, "0", 0.0);  // a single sample with zero phase: a spike
    BuildWavelet(p);
    OffsetArray spike(0, 1);
    spike[0] = 1;
    EXPECT_EQ(p.wavelet, spike);
}

TEST(LengthCut, WholeDoubleSamples) {
    EXPECT_DOUBLE_EQ(CutWaveletLength(0.21, 1000), 0.208);
    EXPECT_DOUBLE_EQ(CutWaveletLength(0.21, 250), 0.21);
    EXPECT_DOUBLE_EQ(CutWaveletLength(2.4 / 7, 1000), 0.34);
    EXPECT_DOUBLE_EQ(CutWaveletLength(0.003, 1000), 0);
}

}  // namespace
}  // namespace tessarin::test
