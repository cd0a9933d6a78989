#include "engine/wavelet_preview.h"

#include <gtest/gtest.h>

#include "engine/engine_test_support.h"
#include "engine/wavelet.h"

namespace tessarin::test {
namespace {

void ExpectNear(const TwipPoint& actual, TwipPoint expected, double tolerance = 1e-3) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
}

TEST(WaveletPreview, RickerWiggleWithOneFilledLobe) {
    Project p = Ricker(30, 0.08);  // h = 20 at 2 ms: a step of 1584 / 40 = 39.6 twips
    MakeRickerWavelet(p);
    const WaveletPreview preview = MakeWaveletPreview(p);
    EXPECT_EQ(preview.zeroLineFrom, (TwipPoint{1000, 1700}));
    EXPECT_EQ(preview.zeroLineTo, (TwipPoint{1000, 100}));
    ASSERT_EQ(preview.wiggle.size(), 41u);
    ExpectNear(preview.wiggle[20], {1720, 900});
    ExpectNear(preview.wiggle[21], {1000 + 720 * 0.8965126, 939.6}, 2e-3);
    EXPECT_NEAR(preview.wiggle[0].y, 108, 1e-3);
    EXPECT_NEAR(preview.wiggle[40].y, 1692, 1e-3);
    EXPECT_FALSE(preview.showSpectrum);

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

TEST(WaveletPreview, BandpassSpectrum) {
    Project p = Bandpass(5, 10, 40, 55, "0", 0.16);
    MakeBandpassWavelet(p);
    const WaveletPreview preview = MakeWaveletPreview(p);
    ASSERT_TRUE(preview.showSpectrum);
    EXPECT_EQ(preview.spectrumAxes, (TwipPolyline{{400, 400}, {400, 1000}, {1800, 1000}}));
    ASSERT_EQ(preview.spectrum.size(), 52u);  // the start, then 5 to 55 Hz
    ExpectNear(preview.spectrum[0], {400 + 1400.0 * 5 / 55, 1000});
    ExpectNear(preview.spectrum[1], {400 + 1400.0 * 5 / 55, 1000});
    ExpectNear(preview.spectrum[1 + 40], {400 + 1400.0 * 45 / 55, 550});  // A(45) = 0.75
    ExpectNear(preview.spectrum.back(), {1800, 1000});
    EXPECT_EQ(preview.wiggle.size(), 81u);
}

TEST(WaveletPreview, NothingToDrawBeforeAWaveletExists) {
    const WaveletPreview preview = MakeWaveletPreview(Project{});
    EXPECT_TRUE(preview.wiggle.empty());
    EXPECT_TRUE(preview.positiveLobes.empty());
    EXPECT_FALSE(preview.showSpectrum);
}

TEST(WaveletPreview, LobesInWholePixels) {
    const TwipPolyline lobe = {{1000, 750.65}, {1188.5, 787.5}, {1000, 802.5}};
    EXPECT_EQ(ToPixels(lobe, 15),
              (std::vector<PixelPoint>{{67, 50}, {79, 52}, {67, 54}}));  // 52.5 -> 52, 53.5 -> 54
}

}  // namespace
}  // namespace tessarin::test
