#include "engine/wavelet_calculate.h"

#include <gtest/gtest.h>

#include "engine/engine_test_support.h"

namespace tessarin::test {
namespace {

// A record holding an accepted 5-15-40-55 bandpass of 0.16 s at 2 ms.
Project StoredBandpass(int type = kBandpassWavelet) {
    Project p = Bandpass(5, 15, 40, 55, "0", 0.16);
    p.waveletType = type;
    p.wavelet = OffsetArray(-40, 41);
    return p;
}

TEST(Calculate, BandpassStoresTheCornersAndCutsTheLength) {
    const struct {
        const char* typed;
        const char* shown;
        int h;
    } cuts[] = {
        {"0.2", "0.200", 50}, {"0.21", "0.208", 52}, {"0.3", "0.240", 60}, {"0.04", "0.040", 10}};
    for (const auto& c : cuts) {
        Project p = StoredBandpass();
        const WaveletTexts texts = {"5.4", "10", "40", "55", "45.5", c.typed};
        const CalculateOutcome out = CalculateWavelet(p, texts);
        ASSERT_TRUE(out.accepted) << out.reason;
        EXPECT_EQ(out.reason, "");
        WaveletTexts expected = texts;  // the other boxes keep what was typed
        expected.length = c.shown;
        EXPECT_EQ(out.texts, expected);
        EXPECT_EQ(p.lowCut, Value(5));  // whole hertz
        EXPECT_EQ(p.lowPass, Value(10));
        EXPECT_EQ(p.phaseDegrees, Value::Text("45.5"));  // kept as typed
        EXPECT_DOUBLE_EQ(p.waveletLength.Number(), std::stod(c.shown));
        EXPECT_EQ(p.wavelet.First(), -c.h);
        EXPECT_TRUE(p.projectChanged);
    }
}

TEST(Calculate, RefusedBandpassInputRestoresTheBoxesAndTheRecord) {
    const std::pair<WaveletTexts, const char*> refused[] = {
        {{"10", "10", "40", "55", "0", "0.16"}, "The corner frequencies must rise"},
        {{"-5", "10", "40", "55", "0", "0.16"}, "The corner frequencies must rise"},
        {{" ", "10", "40", "55", "0", "0.16"}, "The low cut \" \" is not a number."},
        {{"5", "abc", "40", "55", "0", "0.16"}, "The low pass \"abc\" is not a number."},
        {{"5", "10", "40", "40000", "0", "0.16"}, "The high cut 40000 is outside -32768 to 32767."},
        {{"5", "10", "40", "55", "x", "0.16"}, "The phase \"x\" is not a number."},
        {{"5", "10", "40", "55", "0", "long"}, "The wavelet length \"long\" is not a number."},
        {{"5", "10", "40", "55", "0", "-0.1"}, "The wavelet length -0.1 s is negative."},
        {{"5", "10", "400", "501", "0", "0.16"}, "The high cut 501 Hz lies above 500 Hz"},
        {{"5", "10", "40", "55", "90", "0"}, "The wavelet's samples are all 0"},
    };
    for (const auto& [texts, reason] : refused) {
        Project p = StoredBandpass();
        const Project before = p;
        const CalculateOutcome out = CalculateWavelet(p, texts);
        EXPECT_FALSE(out.accepted);
        EXPECT_EQ(out.reason.rfind(reason, 0), 0u) << out.reason;
        EXPECT_EQ(out.texts, (WaveletTexts{"5", "15", "40", "55", "0", "0.160"}));
        EXPECT_EQ(p, before) << reason;
    }
}

TEST(Calculate, RickerLengthIsTwoPointFourOverTheFrequency) {
    const struct {
        const char* hz;
        int rate;
        const char* length;
        int h;
    } cases[] = {{"30", 0, "0.080", 20}, {"25", 0, "0.096", 24},   {"25", 1, "0.096", 48},
                 {"25", 2, "0.096", 96}, {"12.5", 0, "0.192", 48}, {"7", 0, "0.340", 85},
                 {"0", 0, "2.400", 600}, {"-3", 0, "2.400", 600}};
    for (const auto& c : cases) {
        Project p = StoredBandpass(kRickerWavelet);
        p.sampleRateIndex = c.rate;
        WaveletTexts texts = StoredWaveletTexts(p);
        texts.lowCut = c.hz;
        const CalculateOutcome out = CalculateWavelet(p, texts);
        ASSERT_TRUE(out.accepted) << c.hz << ": " << out.reason;
        EXPECT_EQ(out.texts.length, c.length) << c.hz;
        EXPECT_EQ(out.texts.lowCut, c.hz);  // the box keeps the typed frequency
        EXPECT_EQ(p.wavelet.First(), -c.h) << c.hz;
        EXPECT_TRUE(p.projectChanged);
        // Stored as typed; a frequency not above 0 becomes 1 Hz.
        EXPECT_EQ(p.lowCut, std::stod(c.hz) > 0 ? Value::Text(c.hz) : Value(1)) << c.hz;
    }
}

TEST(Calculate, RefusedRickerInputRestoresTheBoxesAndTheRecord) {
    for (const char* hz : {"thirty", "", "0.01"}) {
        Project p = StoredBandpass(kRickerWavelet);
        const Project before = p;
        WaveletTexts texts = StoredWaveletTexts(p);
        texts.lowCut = hz;
        const CalculateOutcome out = CalculateWavelet(p, texts);
        EXPECT_FALSE(out.accepted) << hz;
        EXPECT_FALSE(out.reason.empty());
        EXPECT_EQ(out.texts.lowCut, "5");
        EXPECT_EQ(p, before) << hz;
    }
}

TEST(ChooseWaveletType, SwitchesBetweenRickerAndBandpass) {
    Project p = StoredBandpass();
    p.lowPass = Value(10);
    WaveletTexts texts = StoredWaveletTexts(p);
    texts.lowCut = "30";
    CalculateOutcome out = ChooseWaveletType(p, kRickerWavelet, texts);
    ASSERT_TRUE(out.accepted) << out.reason;
    EXPECT_EQ(out.texts.length, "0.080");
    EXPECT_EQ(p.lowCut, Value::Text("30"));
    EXPECT_EQ(p.wavelet.First(), -20);
    // Back to the bandpass: the Ricker frequency above the low pass and the length are corrected.
    out = ChooseWaveletType(p, kBandpassWavelet, out.texts);
    ASSERT_TRUE(out.accepted) << out.reason;
    EXPECT_EQ(p.waveletType, kBandpassWavelet);
    EXPECT_EQ(out.texts.lowCut, "5");
    EXPECT_EQ(out.texts.length, "0.160");
    EXPECT_EQ(p.lowCut, Value(5));
    EXPECT_EQ(p.wavelet.First(), -40);
}

TEST(ChooseWaveletType, LowCutCorrectionOnlyWhenAboveTheLowPass) {
    Project p = StoredBandpass();
    EXPECT_FALSE(ApplyLowCutCorrection(p));
    p.lowCut = Value::Text("15");
    EXPECT_FALSE(ApplyLowCutCorrection(p));
    p.lowCut = Value::Text("15.5");
    EXPECT_TRUE(ApplyLowCutCorrection(p));
    EXPECT_EQ(p.lowCut, Value(7));  // Int(15 / 2)
    p.waveletType = kRickerWavelet;
    p.lowCut = Value(40);
    EXPECT_FALSE(ApplyLowCutCorrection(p));
}

}  // namespace
}  // namespace tessarin::test
