#include "engine/wavelet.h"

#include <gtest/gtest.h>

#include <tuple>

#include "core_test_support.h"
#include "engine/synthetic.h"
#include "engine/wavelet_calculate.h"
#include "engine/wavelet_preview.h"

namespace tessarin::test {
namespace {

TEST(BandpassWavelet, TheSpectrumHasCosineFlanksAroundAFlatPassBand) {
    const BandpassAmplitudes a = BandpassSpectrum(5, 10, 40, 55);
    // (1 - cos(k pi/5)) / 2 up the low flank, (1 + cos(pi/3)) / 2 at 45 Hz on the high one.
    ExpectValues(a, 4, {0, 0, 0.0954915, 0.3454915, 0.6545085, 0.9045085, 1}, 1e-6);
    EXPECT_EQ(a[25], 1);
    EXPECT_EQ(a[40], 1);
    EXPECT_NEAR(a[45], 0.75, 1e-6);
    ExpectValues(a, 55, {0, 0}, 1e-12);
    EXPECT_NO_THROW(BandpassSpectrum(0, 10, 400, 500));
    for (const auto& c : {std::array{-1, 10, 40, 55}, std::array{10, 10, 40, 55},
                          std::array{5, 40, 40, 55}, std::array{5, 10, 55, 55}})
        EXPECT_THROW(BandpassSpectrum(c[0], c[1], c[2], c[3]), Error) << c[1] << " " << c[2];
    EXPECT_EQ(ErrorOf([] { BandpassSpectrum(5, 10, 400, 501); }),
              "The high cut 501 Hz lies above 500 Hz, the highest frequency a bandpass wavelet "
              "can hold.");
}

TEST(BandpassWavelet, TwoCosinesWorkedByHandAndTheirPhaseRotations) {
    // Corners 0-1-2-3 leave A(1) = A(2) = 1 and nothing else: w(t) = cos 2 pi t + cos 4 pi t,
    // 0.829373 at t = 0.06 s. With a phase of -90 degrees: sin 2 pi t + sin 4 pi t, largest
    // (1.682574) at t = 0.12 s; +90 gives its mirror image, 180 the negative.
    const std::tuple<const char*, int, double> rows[] = {
        {"0", 0, 1},      {"0", 30, 0.829373},   {"0", -30, 0.829373},  {"-90", 60, 1},
        {"-90", -60, -1}, {"-90", 30, 0.625632}, {"90", -30, 0.625632}, {"180", 30, -0.829373}};
    for (const auto& [phase, at, value] : rows) {
        Project p = Bandpass(0, 1, 2, 3, phase, 0.24);
        MakeBandpassWavelet(p);
        ASSERT_EQ(p.wavelet.First(), -60);
        EXPECT_NEAR(p.wavelet[at], value, 1e-6) << phase << " at " << at;
        EXPECT_EQ(p.wavelet[61], 0);
    }
}

TEST(BandpassWavelet, OneReflectionGivesTheWaveletAsItsPanelDrawsIt) {
    // A bandpass of phase 90 is antisymmetric: a correlation would draw it upside down.
    Project p = Bandpass(5, 10, 40, 55, "90", 0.1);
    MakeBandpassWavelet(p);
    const int h = WaveletHalfLength(p);
    const int at = 40;
    p.lastSampleIndex = 80;
    p.reflectionCoefficients = OffsetArray(-h, 90 + h);
    p.reflectionCoefficients[at] = 0.5;
    ConvolveWavelet(p);
    for (int j = -h; j <= h; ++j) {
        EXPECT_DOUBLE_EQ(p.syntheticTrace[static_cast<std::size_t>(at + j)], 0.5 * p.wavelet[j])
            << "at " << j;
    }
}

TEST(Wavelets, RefuseWhatCannotBeBuiltAndKeepTheOldWavelet) {
    Project thirty = Ricker(30, 0.08);
    thirty.lowCut = Value::Text("thirty");
    // Beyond the 0..500 Hz table; corners out of order; a phase that is no number; 50000
    // samples each side; one sample of cos 90 degrees, all zero.
    for (Project p : {Ricker(0, 0.08), thirty, Bandpass(5, 10, 400, 501, "0", 0.16),
                      Bandpass(10, 10, 40, 55, "0", 0.16), Bandpass(5, 10, 40, 55, "ninety", 0.16),
                      Bandpass(5, 10, 40, 55, "0", 200), Bandpass(5, 10, 40, 55, "90", 0.0)}) {
        p.wavelet = OffsetArray(-2, 3);
        EXPECT_NE(ErrorOf([&] { BuildWavelet(p); }), "");
        EXPECT_EQ(p.wavelet, OffsetArray(-2, 3));
    }
    Project p = Bandpass(5, 10, 40, 55, "0", 0.0);  // a single sample with zero phase: a spike
    BuildWavelet(p);
    EXPECT_EQ(p.wavelet[0], 1);
}

// A record holding an accepted 5-15-40-55 bandpass of 0.16 s at 2 ms.
Project StoredBandpass(int type = kBandpassWavelet) {
    Project p = Bandpass(5, 15, 40, 55, "0", 0.16);
    p.waveletType = type;
    p.wavelet = OffsetArray(-40, 41);
    return p;
}

TEST(Calculate, StoresWholeHertzAndCutsTheLengthToWholeSamples) {
    // The bandpass length is cut to double samples, 0.24 s at most; the other boxes keep what
    // was typed. A Ricker wavelet lasts 2.4 / f s.
    const std::tuple<int, const char*, const char*, const char*, int> rows[] = {
        {kBandpassWavelet, "5.4", "0.21", "0.208", 52},
        {kBandpassWavelet, "5.4", "0.3", "0.240", 60},
        {kRickerWavelet, "7", "", "0.340", 85},
        {kRickerWavelet, "1", "", "2.400", 600}};
    for (const auto& [type, lowCut, typed, shown, h] : rows) {
        Project p = StoredBandpass(type);
        const CalculateOutcome out = CalculateWavelet(p, {lowCut, "10", "40", "55", "45.5", typed});
        EXPECT_EQ(out.texts, (WaveletTexts{lowCut, "10", "40", "55", "45.5", shown})) << out.reason;
        EXPECT_EQ(p.lowCut, type == kRickerWavelet ? Value::Text(lowCut) : Value(5));
        EXPECT_EQ(p.wavelet.First(), -h);
        EXPECT_TRUE(out.accepted && p.projectChanged);
        if (type == kBandpassWavelet) {
            EXPECT_EQ(p.phaseDegrees, Value::Text("45.5"));  // kept as typed
        }
    }
}

TEST(Calculate, RefusedInputRestoresTheBoxesAndTheRecord) {
    const std::pair<WaveletTexts, const char*> refused[] = {
        {{"10", "10", "40", "55", "0", "0.16"}, "The corner frequencies must rise"},
        {{"-5", "10", "40", "55", "0", "0.16"}, "The corner frequencies must rise"},
        {{" ", "10", "40", "55", "0", "0.16"}, "The low cut \" \" is not a number."},
        {{"5", "10", "40", "40000", "0", "0.16"}, "The high cut 40000 is outside -32768 to 32767."},
        {{"5", "10", "40", "55", "x", "0.16"}, "The phase \"x\" is not a number."},
        {{"5", "10", "40", "55", "0", "-0.1"}, "The wavelet length -0.1 s is negative."},
        {{"5", "10", "400", "501", "0", "0.16"}, "The high cut 501 Hz lies above 500 Hz"},
        {{"5", "10", "40", "55", "90", "0"}, "The wavelet's samples are all 0"},
        // The Ricker frequency is the first box.
        {{"thirty", "", "", "", "", ""}, "The Ricker frequency \"thirty\" is not a number."},
        {{"0", "", "", "", "", ""},
         "The Ricker frequency 0 Hz is outside 1 to 250 Hz, the "
         "frequencies a 2 ms sample rate holds."},
        {{"-25", "", "", "", "", ""}, "The Ricker frequency -25 Hz is outside 1 to 250 Hz"},
        {{"0.99", "", "", "", "", ""}, "The Ricker frequency 0.99 Hz is outside"},
        {{"250.5", "", "", "", "", ""}, "The Ricker frequency 250.5 Hz is outside"},
    };
    for (const auto& [texts, reason] : refused) {
        Project p = StoredBandpass(texts.highCut.empty() ? kRickerWavelet : kBandpassWavelet);
        const Project before = p;
        const CalculateOutcome out = CalculateWavelet(p, texts);
        EXPECT_FALSE(out.accepted);
        EXPECT_EQ(out.reason.rfind(reason, 0), 0u) << out.reason;
        EXPECT_EQ(out.texts, (WaveletTexts{"5", "15", "40", "55", "0", "0.160"}));
        EXPECT_EQ(p, before) << reason;
    }
}

TEST(ChooseWaveletType, SwitchesToTheBandpassCorrectingALowCutAboveTheLowPass) {
    // A Ricker frequency of 30 Hz left in the low-cut box becomes Int(10 / 2); the length
    // becomes 0.16 s. Only a low cut above the low pass is corrected, and only for the bandpass.
    Project p = StoredBandpass(kRickerWavelet);
    p.lowCut = Value::Text("30");
    p.lowPass = Value(10);
    const CalculateOutcome out =
        ChooseWaveletType(p, kBandpassWavelet, {"30", "10", "40", "55", "0", "0.080"});
    EXPECT_TRUE(out.accepted) << out.reason;
    EXPECT_EQ(out.texts.lowCut + " " + out.texts.length, "5 0.160");
    EXPECT_EQ(p.wavelet.First(), -40);
    for (const auto& [lowCut, corrected] : {std::pair{"15", false}, std::pair{"15.5", true}}) {
        p = StoredBandpass();
        p.lowCut = Value::Text(lowCut);
        EXPECT_EQ(ApplyLowCutCorrection(p), corrected) << lowCut;
        EXPECT_EQ(p.lowCut, corrected ? Value(7) : Value::Text(lowCut));
    }
    p.waveletType = kRickerWavelet;
    p.lowCut = Value(40);
    EXPECT_FALSE(ApplyLowCutCorrection(p));
}

void ExpectNear(const TwipPoint& actual, TwipPoint expected, double tolerance = 1e-3) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
}

TEST(WaveletPreview, RickerWiggleWithOneFilledLobe) {
    Project p = Ricker(30, 0.08);  // h = 20 at 2 ms: a step of 1584 / 40 = 39.6 twips
    EXPECT_TRUE(MakeWaveletPreview(p).wiggle.empty());  // nothing before a wavelet exists
    // Select Wavelet opens with the wavelet of the stored parameters; a built one is kept.
    EXPECT_EQ(MakeWaveletPreview(WithOpeningWavelet(p)).wiggle.size(), 41u);
    EXPECT_EQ(WithOpeningWavelet(StoredBandpass()), StoredBandpass());
    MakeRickerWavelet(p);
    const WaveletPreview preview = MakeWaveletPreview(p);
    ASSERT_EQ(preview.wiggle.size(), 41u);
    ExpectNear(preview.wiggle[20], {1720, 900});
    ExpectNear(preview.wiggle[21], {1000 + 720 * 0.8965126, 939.6}, 2e-3);

    // Positive from -6 ms to 6 ms. w(-8 ms) = -0.0775819 and w(-6 ms) = 0.2617990: the curve
    // crosses zero 0.2285983 of a step after -8 ms, and symmetrically on the way down.
    ASSERT_EQ(preview.positiveLobes.size(), 1u);
    const TwipPolyline& lobe = preview.positiveLobes[0];
    ASSERT_EQ(lobe.size(), 9u);
    ExpectNear(lobe.front(), {1000, 900 - 4 * 39.6 + 0.2285983 * 39.6});
    ExpectNear(lobe[1], {1000 + 720 * 0.2617990, 900 - 3 * 39.6});
    ExpectNear(lobe[4], {1720, 900});
    ExpectNear(lobe.back(), {1000, 900 + 4 * 39.6 - 0.2285983 * 39.6});

    p.screenCorrection = Value(1.25);  // the amplitude follows the screen correction
    ExpectNear(MakeWaveletPreview(p).wiggle[20], {1900, 900});
    // Lobes in whole pixels: 52.5 -> 52, 53.5 -> 54.
    EXPECT_EQ(ToPixels({{1000, 750.65}, {1188.5, 787.5}, {1000, 802.5}}, 15),
              (std::vector<PixelPoint>{{67, 50}, {79, 52}, {67, 54}}));
}

TEST(WaveletPreview, LobeOpenAtEitherEndClosesOnTheZeroLine) {
    // sin 2 pi t + sin 4 pi t (see the bandpass tests) is positive for every t > 0; a phase of
    // +90 degrees gives its mirror image. h = 60, a step of 13.2 twips.
    const auto onlyLobe = [](const std::string& phase) {
        Project p = Bandpass(0, 1, 2, 3, phase, 0.24);
        MakeBandpassWavelet(p);
        const WaveletPreview preview = MakeWaveletPreview(p);
        EXPECT_EQ(preview.positiveLobes.size(), 1u) << phase;
        return preview.positiveLobes.at(0);
    };
    const TwipPolyline late = onlyLobe("-90");
    ASSERT_EQ(late.size(), 60u + 2u);
    ExpectNear(late.front(), {1000, 900});
    ExpectNear(late[late.size() - 2], {1720, 1692});
    ExpectNear(late.back(), {1000, 1692 + 13.2});  // at element h + 1
    const TwipPolyline early = onlyLobe("90");
    ExpectNear(early.front(), {1000, 108});
    ExpectNear(early[1], {1720, 108});
    ExpectNear(early.back(), {1000, 900});
}

TEST(WaveletPreview, BandpassSpectrumFromTheLowCutToTheHighCut) {
    // x from 400 at 0 Hz to 1800 at the high cut, y 1000 less 600 times the amplitude.
    Project p = Bandpass(5, 10, 40, 55, "0", 0.16);
    MakeBandpassWavelet(p);
    const WaveletPreview preview = MakeWaveletPreview(p);
    ASSERT_EQ(preview.spectrum.size(), 52u);  // the start, then 5 to 55 Hz
    ExpectNear(preview.spectrum[0], {400 + 1400.0 * 5 / 55, 1000});
    ExpectNear(preview.spectrum[1 + 40], {400 + 1400.0 * 45 / 55, 550});  // A(45) = 0.75
}

}  // namespace
}  // namespace tessarin::test
