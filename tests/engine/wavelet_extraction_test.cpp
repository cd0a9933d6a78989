// Wavelet extraction at F03-4: a seismic made from the well's own coefficients with a known
// wavelet and noise gives that wavelet back, a single reflection shows the polarity, and a window
// too short for the wavelet is refused.

#include "engine/wavelet_extraction.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <numbers>
#include <random>

#include "core_test_support.h"
#include "engine/datum.h"
#include "engine/synthetic.h"
#include "engine/synthetic_trace.h"
#include "engine/tie.h"
#include "engine/wavelet.h"
#include "engine/wavelet_spectrum.h"
#include "files/open_project.h"
#include "model/settings.h"

namespace tessarin::test {
namespace {

Project Computed() {
    Project p;
    OpenProjectFile(p, MemorySettingsStore(), DataPath("f03_4_display.tsp"));
    p.agcWindow = "None";
    p.waveletLength = Value(0.128);
    MakeBandpassWavelet(p);
    EXPECT_EQ(RecomputeSynthetic(p), std::nullopt);
    ComputeStartTime(p);
    return p;
}

// The well tied to its coefficients convolved with `truth`, with noise of a tenth of the
// synthetic's RMS amplitude.
Project TiedTo(Project p, const OffsetArray& truth, double noise) {
    Project made = p;
    made.wavelet = truth;
    ConvolveWavelet(made);
    SampledTrace trace = SyntheticTrace(made);
    double squares = 0;
    for (const double v : trace.values)
        squares += v * v;
    const double rms = std::sqrt(squares / static_cast<double>(trace.values.size()));
    std::mt19937 random(2026);
    std::normal_distribution<double> normal(0.0, noise * rms);
    for (double& v : trace.values)
        v += normal(random);
    p.tie = SeismicTie{};
    p.tie->trace = trace;
    return p;
}

std::vector<double> Samples(const OffsetArray& w, int h) {
    std::vector<double> s;
    for (int j = -h; j <= h; ++j)
        s.push_back(w[j]);
    return s;
}

double Similarity(const std::vector<double>& a, const std::vector<double>& b) {
    double ab = 0, aa = 0, bb = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        ab += a[i] * b[i];
        aa += a[i] * a[i];
        bb += b[i] * b[i];
    }
    return ab / std::sqrt(aa * bb);
}

struct Known {
    Project well;
    OffsetArray truthArray;
    std::vector<double> truth;  // its samples -32 to 32
    TieWindow upper;            // the upper half of the synthetic
    TieWindow lower;            // the lower half but for its first 0.2 s
};

Known BandpassOf30Degrees() {
    const Project plain = Computed();
    Project thirty = plain;
    thirty.phaseDegrees = Value(30);
    MakeBandpassWavelet(thirty);
    const SampledTrace synthetic = SyntheticTrace(plain);
    const double middle = 0.5 * (synthetic.firstTime + synthetic.LastTime());
    return {TiedTo(plain, thirty.wavelet, 0.1),
            thirty.wavelet,
            Samples(thirty.wavelet, 32),
            {synthetic.firstTime, middle},
            {middle + 0.2, synthetic.LastTime()}};
}

TEST(WaveletExtraction, DeterministicGivesBackTheWaveletAndTiesOutsideItsWindow) {
    Known k = BandpassOf30Degrees();
    const WaveletExtraction e =
        ExtractDeterministicWavelet(k.well, {.window = k.upper, .checkWindow = k.lower});
    EXPECT_GE(Similarity(Samples(e.wavelet, 32), k.truth), 0.95);
    EXPECT_NEAR(e.phaseDegrees, 30, 5);
    EXPECT_GE(e.checkR, 0.9);
    EXPECT_GE(e.pep, 0.9);
    EXPECT_GT(e.dominantFrequency, 10);
    EXPECT_LT(e.dominantFrequency, 50);
    // Made the project's wavelet, it gives back the seismic, and the tie measures r as the
    // extraction does.
    k.well.wavelet = e.wavelet;
    ConvolveWavelet(k.well);
    const auto tieR = [&](const TieWindow& w) {
        return MeasureTie(SyntheticTrace(k.well), k.well.tie->trace, {.window = w, .lagOnly = true})
            .zeroLagR;
    };
    EXPECT_NEAR(tieR(k.upper), e.r, 1e-9);
    EXPECT_NEAR(tieR(k.lower), e.checkR, 1e-9);
    // Without a check window r is checked in the rest of the overlap, here below the window; it
    // is measured on eight samples or more.
    const double dt = SyntheticTrace(k.well).interval;
    const auto checkR = [&](std::optional<TieWindow> check) {
        return ExtractDeterministicWavelet(k.well, {.window = k.upper, .checkWindow = check})
            .checkR;
    };
    EXPECT_NEAR(tieR({e.window.end + dt / 2, k.lower.end}), checkR({}), 1e-9);
    const double sample = e.window.end + 20 * dt;
    EXPECT_TRUE(std::isfinite(checkR(TieWindow{sample, sample + 7 * dt})));
    EXPECT_TRUE(std::isnan(checkR(TieWindow{sample, sample + 6 * dt})));
}

// The well's coefficients are richer in high frequencies than in low: the seismic's spectrum
// carries that colour, so the statistical wavelet is checked on white reflectivity.
TEST(WaveletExtraction, StatisticalGivesBackTheAmplitudeSpectrumAndTakesAPhase) {
    Known k = BandpassOf30Degrees();
    std::mt19937 random(11);
    std::normal_distribution<double> normal(0.0, 0.05);
    for (int i = 0; i <= k.well.lastSampleIndex; ++i)
        k.well.reflectionCoefficients[i] = normal(random);
    k.well = TiedTo(k.well, k.truthArray, 0.1);
    const WaveletExtraction zero = ExtractStatisticalWavelet(k.well);
    EXPECT_NEAR(zero.phaseDegrees, 0, 1);
    // Lines 0.98 Hz apart over the pass band 10 to 50 Hz, each spectrum divided by its mean
    // there.
    const auto passBand = [](std::vector<double> a) {
        a = std::vector<double>(a.begin() + 11, a.begin() + 51);
        double mean = 0;
        for (const double v : a)
            mean += v / static_cast<double>(a.size());
        for (double& v : a)
            v /= mean;
        return a;
    };
    const std::vector<double> got = passBand(AmplitudeSpectrum(Samples(zero.wavelet, 32), 257));
    const std::vector<double> want = passBand(AmplitudeSpectrum(k.truth, 257));
    double squares = 0;
    for (std::size_t i = 0; i < got.size(); ++i) {
        EXPECT_NEAR(got[i] / want[i], 1, 0.15) << i;
        squares += (got[i] / want[i] - 1) * (got[i] / want[i] - 1);
    }
    EXPECT_LE(std::sqrt(squares / static_cast<double>(got.size())), 0.1);

    const WaveletExtraction turned = ExtractStatisticalWavelet(
        k.well, {.window = k.lower}, {.by = StatisticalPhase::By::kDeterministic});
    EXPECT_NEAR(turned.window.start, k.lower.start, 0.002);
    EXPECT_NEAR(turned.window.end, k.lower.end, 0.002);
    EXPECT_NEAR(turned.phaseDegrees, 30, 5);
    EXPECT_GE(turned.r, 0.9);
}

TEST(WaveletExtraction, APositiveReflectionGivesAPositivePeak) {
    Project p = Computed();
    const OffsetArray rc = p.reflectionCoefficients;
    p.reflectionCoefficients = OffsetArray(rc.First(), rc.Last());
    p.reflectionCoefficients[400] = 0.1;
    p = TiedTo(p, p.wavelet, 0.0);
    const WaveletExtraction e = ExtractDeterministicWavelet(p);
    EXPECT_EQ(e.wavelet[0], 1.0);
    // Tapered to 0 at its ends, laid out as the program's wavelets are.
    EXPECT_EQ(e.wavelet.First(), -32);
    EXPECT_EQ(e.wavelet.Last(), 33);
    for (const int j : {-32, 32, 33})
        EXPECT_EQ(e.wavelet[j], 0.0) << j;
    EXPECT_NEAR(e.phaseDegrees, 0, 1);
    EXPECT_LT(e.phaseResidualDegrees, 5);
    EXPECT_GE(Similarity(Samples(e.wavelet, 32), Samples(p.wavelet, 32)), 0.99);
}

TEST(WaveletExtraction, RefusesAWindowShorterThanFourWaveletLengthsOrWithoutReflections) {
    const Known k = BandpassOf30Degrees();
    const double top = k.upper.start + 0.2;
    EXPECT_EQ(ErrorOf([&] {
                  ExtractDeterministicWavelet(k.well, {.window = {{top, top + 0.3}}});
              }),
              "The extraction window holds 151 samples of both the synthetic and the seismic, but "
              "a wavelet of 0.128 s (65 samples) needs at least 260, four wavelet lengths: choose "
              "a longer window or a shorter wavelet.");
    Project flat = k.well;
    for (int i = 0; i <= flat.lastSampleIndex; ++i)
        flat.reflectionCoefficients[i] = 0;
    EXPECT_NE(ErrorOf([&] {
                  ExtractDeterministicWavelet(flat, {.window = k.upper});
              }).find("The reflection coefficients are all 0"),
              std::string::npos);
}

// A spike anywhere in the wavelet has a flat spectrum; a Ricker wavelet peaks at its own
// frequency, found between the lines.
TEST(WaveletSpectrum, ASpikeIsFlatAndARickerPeaksAtItsFrequency) {
    for (const std::vector<double>& spike : {std::vector<double>{1, 0, 0}, {0, 0, 1}}) {
        const std::vector<double> amplitudes = AmplitudeSpectrum(spike, 5);
        ASSERT_EQ(amplitudes.size(), 5u);
        for (const double a : amplitudes)
            EXPECT_NEAR(a, 1, 1e-12);
    }
    std::vector<double> ricker;
    for (int i = -50; i <= 50; ++i) {
        const double a = std::pow(std::numbers::pi * 30 * i * 0.002, 2);
        ricker.push_back((1 - 2 * a) * std::exp(-a));
    }
    EXPECT_NEAR(DominantFrequency(ricker, 0.002), 30, 0.01);
}

}  // namespace
}  // namespace tessarin::test
