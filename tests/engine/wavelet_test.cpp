#include "engine/wavelet.h"

#include <gtest/gtest.h>

#include <cmath>

#include "model/error.h"

namespace tessarin {
namespace {

const double kTruePi = std::acos(-1.0);

Project Ricker(double hz, double length, int rateIndex) {
    Project p;
    p.waveletType = kRickerWavelet;
    p.sampleRateIndex = rateIndex;
    p.lowCut = Value(hz);
    p.waveletLength = Value(length);
    return p;
}

Project Bandpass(int lc, int lp, int hp, int hc, const std::string& phase, double length) {
    Project p;
    p.waveletType = kBandpassWavelet;
    p.sampleRateIndex = 0;
    p.lowCut = Value(lc);
    p.lowPass = Value(lp);
    p.highPass = Value(hp);
    p.highCut = Value(hc);
    p.phaseDegrees = Value::Text(phase);
    p.waveletLength = Value(length);
    return p;
}

TEST(RickerWavelet, ThirtyHertzAtTwoMilliseconds) {
    Project p = Ricker(30, 0.08, 0);
    MakeRickerWavelet(p);
    const OffsetArray& w = p.wavelet;
    ASSERT_EQ(w.First(), -20);
    ASSERT_EQ(w.Last(), 21);
    EXPECT_EQ(w[21], 0);  // the closing element
    EXPECT_DOUBLE_EQ(w[0], 1);
    EXPECT_NEAR(w[1], 0.8965, 5e-5);
    EXPECT_NEAR(w[-1], 0.8965, 5e-5);
    EXPECT_NEAR(w[7], -0.4352, 5e-5);  // t = 14 ms, the deepest trough
    EXPECT_NEAR(w[-7], -0.4352, 5e-5);
    for (int i = -20; i <= 20; ++i) {
        const double a = kTruePi * kTruePi * 900 * std::pow(0.002 * i, 2);
        EXPECT_NEAR(w[i], (1 - 2 * a) * std::exp(-a), 2e-6) << i;
        EXPECT_GE(w[i], w[7]) << i;
    }
}

TEST(RickerWavelet, RefusesFrequenciesThatGiveNoWavelet) {
    Project p = Ricker(0, 0.08, 0);
    p.wavelet = OffsetArray(-1, 2);
    EXPECT_THROW(MakeRickerWavelet(p), Error);
    p.lowCut = Value::Text("thirty");
    EXPECT_THROW(MakeRickerWavelet(p), Error);
    EXPECT_EQ(p.wavelet, OffsetArray(-1, 2));
}

TEST(BandpassSpectrum, CosineFlanksAroundAFlatPassBand) {
    const BandpassAmplitudes a = BandpassSpectrum(5, 10, 40, 55);
    EXPECT_EQ(a[4], 0);
    EXPECT_EQ(a[5], 0);
    EXPECT_NEAR(a[6], 0.0954915, 1e-6);  // (1 - cos(pi/5)) / 2
    EXPECT_NEAR(a[8], 0.6545085, 1e-6);  // (1 - cos(3 pi/5)) / 2
    EXPECT_NEAR(a[10], 1, 1e-12);
    EXPECT_EQ(a[25], 1);
    EXPECT_EQ(a[40], 1);
    EXPECT_NEAR(a[45], 0.75, 1e-6);  // (1 + cos(pi/3)) / 2
    EXPECT_NEAR(a[55], 0, 1e-12);
    EXPECT_EQ(a[56], 0);
}

TEST(BandpassSpectrum, RefusesCornersOutOfOrderOrAbove500Hertz) {
    EXPECT_THROW(BandpassSpectrum(10, 10, 40, 55), Error);
    EXPECT_THROW(BandpassSpectrum(-1, 10, 40, 55), Error);
    EXPECT_THROW(BandpassSpectrum(5, 40, 10, 55), Error);
    EXPECT_NO_THROW(BandpassSpectrum(5, 10, 400, 500));
    try {
        BandpassSpectrum(5, 10, 400, 501);
        FAIL();
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(),
                     "The high cut 501 Hz lies above 500 Hz, the highest frequency a bandpass "
                     "wavelet can hold.");
    }
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
    MakeBandpassWavelet(zero);
    MakeBandpassWavelet(inverted);
    MakeBandpassWavelet(quarter);
    const int h = 40;
    ASSERT_EQ(zero.wavelet.First(), -h);
    ASSERT_EQ(zero.wavelet.Last(), h + 1);
    EXPECT_EQ(zero.wavelet[h + 1], 0);
    EXPECT_DOUBLE_EQ(zero.wavelet[0], 1);
    for (int i = 1; i <= h; ++i) {
        EXPECT_NEAR(zero.wavelet[-i], zero.wavelet[i], 1e-9) << i;
        EXPECT_NEAR(quarter.wavelet[-i], -quarter.wavelet[i], 1e-5) << i;
    }
    for (int i = -h; i <= h; ++i) {
        EXPECT_NEAR(inverted.wavelet[i], -zero.wavelet[i], 1e-5) << i;
    }
    EXPECT_NEAR(quarter.wavelet[0], 0, 1e-5);
}

TEST(BandpassWavelet, RefusesWhatCannotBeBuilt) {
    const OffsetArray before(-2, 3);
    auto refuses = [&](Project p) {
        p.wavelet = before;
        EXPECT_THROW(MakeBandpassWavelet(p), Error);
        EXPECT_EQ(p.wavelet, before);
    };
    refuses(Bandpass(5, 10, 400, 501, "0", 0.16));  // beyond the 0..500 Hz table
    refuses(Bandpass(10, 10, 40, 55, "0", 0.16));
    refuses(Bandpass(5, 10, 40, 55, "ninety", 0.16));
    refuses(Bandpass(5, 10, 40, 55, "0", 200));   // 50000 samples each side
    refuses(Bandpass(5, 10, 40, 55, "90", 0.0));  // one sample, cos 90 degrees: all zero
}

TEST(BandpassWavelet, SingleSampleWithZeroPhaseIsASpike) {
    Project p = Bandpass(5, 10, 40, 55, "0", 0.0);
    MakeBandpassWavelet(p);
    EXPECT_EQ(p.wavelet.First(), 0);
    EXPECT_EQ(p.wavelet.Last(), 1);
    EXPECT_DOUBLE_EQ(p.wavelet[0], 1);
    EXPECT_EQ(p.wavelet[1], 0);
}

TEST(BuildWavelet, UsesTheStoredType) {
    Project p = Ricker(30, 0.08, 0);
    BuildWavelet(p);
    EXPECT_EQ(p.wavelet.First(), -20);
    p = Bandpass(5, 10, 40, 55, "0", 0.16);
    BuildWavelet(p);
    EXPECT_EQ(p.wavelet.First(), -40);
}

TEST(LengthCut, WholeDoubleSamples) {
    EXPECT_DOUBLE_EQ(CutWaveletLength(0.21, 1000), 0.208);
    EXPECT_DOUBLE_EQ(CutWaveletLength(0.21, 250), 0.21);
    EXPECT_DOUBLE_EQ(CutWaveletLength(2.4 / 7, 1000), 0.34);
    EXPECT_DOUBLE_EQ(CutWaveletLength(0.003, 1000), 0);
}

}  // namespace
}  // namespace tessarin
