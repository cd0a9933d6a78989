// The extracted wavelet: built from its own samples at each of the three sample rates with its
// shape and length kept, and laid down by a reflection with the sign of its peak.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "core_test_support.h"
#include "engine/synthetic.h"
#include "engine/wavelet.h"

namespace tessarin::test {
namespace {

// `scale` x a 30 Hz Ricker wavelet delayed by `delay`, at 2 ms from -0.1 to 0.1 s.
double Ricker30(double t) {
    const double x = std::numbers::pi * 30 * t;
    return (1 - 2 * x * x) * std::exp(-x * x);
}
Project Extracted(double scale, double delay = 0) {
    Project p;
    p.waveletType = kExtractedWavelet;
    p.extractedWavelet = ExtractedWavelet{{-0.1, 0.002, {}}, "drifted.sgy trace 12"};
    for (int i = -50; i <= 50; ++i)
        p.extractedWavelet->samples.values.push_back(scale * Ricker30(0.002 * i - delay));
    return p;
}

TEST(ExtractedWavelet, EachSampleRateKeepsItsShapeAndItsLength) {
    // At its own 2 ms the samples are its own, scaled to a peak of 1; at 1 and 0.5 ms the sinc
    // between them follows the analytic wavelet to half a percent of its peak.
    for (const auto& [rate, h, tolerance] :
         {std::tuple{0, 50, 1e-12}, {1, 100, 5e-3}, {2, 200, 5e-3}}) {
        Project p = Extracted(-3.5);
        p.sampleRateIndex = rate;
        BuildWavelet(p);
        ASSERT_EQ(std::pair(p.wavelet.First(), p.wavelet.Last()), std::pair(-h, h + 1));
        EXPECT_EQ(WaveletHalfLength(p), h);
        for (int i = -h; i <= h; ++i)
            EXPECT_NEAR(p.wavelet[i], -Ricker30(i * 0.1 / h), tolerance) << rate << " at " << i;
    }
}

TEST(ExtractedWavelet, OneReflectionGivesAPeakOfTheSignOfTheWaveletsPeak) {
    // A positive coefficient at sample 40; the peak delayed by 4 ms lands two samples later.
    for (const double scale : {2.0, -0.5}) {
        Project p = Extracted(scale, 0.004);
        BuildWavelet(p);
        p.lastSampleIndex = 80;
        p.reflectionCoefficients = OffsetArray(-50, 140);
        p.reflectionCoefficients[40] = 0.1;
        ConvolveWavelet(p);
        const auto& s = p.syntheticTrace;
        for (const double x : s)
            EXPECT_LE(std::fabs(x), std::fabs(s[42])) << scale;
        EXPECT_EQ(std::signbit(s[42]), std::signbit(scale)) << scale;
    }
}

}  // namespace
}  // namespace tessarin::test
