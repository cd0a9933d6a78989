#include "engine/synthetic.h"

#include <gtest/gtest.h>

#include "engine/engine_test_support.h"
#include "engine/wavelet.h"

namespace tessarin::test {
namespace {

// A log at 2 ms with one depth every 10 ft from 1000 ft, no density, a wavelet length of
// 0.004 s (h = 1) and the wavelet w(-1) = 0.5, w(0) = 1, w(1) = -0.25, closed by w(2) = 0.
Project SmallLog(const std::vector<double>& sonic) {
    Project p;
    p.lastSampleIndex = static_cast<std::int16_t>(sonic.size() - 1);
    p.timeSonic = sonic;
    p.timeDensity.assign(sonic.size(), kNoDensity);
    for (std::size_t i = 0; i < sonic.size(); ++i) {
        p.timeDepth.push_back(1000 + 10.0 * static_cast<double>(i));
    }
    p.waveletLength = Value(0.004);
    p.wavelet = OffsetArray(-1, 2);
    p.wavelet[-1] = 0.5;
    p.wavelet[0] = 1;
    p.wavelet[1] = -0.25;
    return p;
}

TEST(HalfLength, CountsSamplesOnEachSideOfTimeZero) {
    EXPECT_EQ(WaveletHalfLength(0.1, 1000), 25);
    EXPECT_EQ(WaveletHalfLength(0.24, 250), 240);
    EXPECT_EQ(WaveletHalfLength(0.01, 1000), 2);   // 2.5 goes to the even 2
    EXPECT_EQ(WaveletHalfLength(0.014, 1000), 4);  // 3.5 goes to the even 4
    EXPECT_EQ(WaveletHalfLength(131.068, 1000), 32767);
    EXPECT_THROW(WaveletHalfLength(131.07, 1000), Error);
    EXPECT_THROW(WaveletHalfLength(-0.1, 1000), Error);
    Project p;
    p.waveletLength = Value::Text("short");
    EXPECT_THROW(WaveletHalfLength(p), Error);
}

TEST(Reflectivity, SonicOnlyFromIntervalVelocities) {
    // Velocities 10000, 20000, 20000, 5000 ft/s.
    Project p = SmallLog({100, 50, 50, 200});
    ComputeReflectivity(p);
    EXPECT_EQ(p.intervalVelocity, (std::vector<double>{10000, 20000, 20000, 5000}));
    ExpectValues(p.reflectionCoefficients, 0, {1.0 / 3, 0, -0.6, 0});
    EXPECT_DOUBLE_EQ(p.maxAbsReflection, 0.6);
    EXPECT_EQ(p.minVelocity, 5000);
    EXPECT_EQ(p.maxVelocity, 20000);
    // The coefficients run from -h to n + 10 + h.
    EXPECT_EQ(p.reflectionCoefficients.First(), -1);
    EXPECT_EQ(p.reflectionCoefficients.Last(), 3 + 10 + 1);
    p.waveletLength = Value(0.1);  // h = 25
    ComputeReflectivity(p);
    EXPECT_EQ(p.reflectionCoefficients.First(), -25);
    EXPECT_EQ(p.reflectionCoefficients.Last(), 3 + 10 + 25);
}

TEST(Reflectivity, DensityImpedanceFallsBackToSonicWhereDensityIsMissing) {
    // Velocities 10000, 10000, 8000, 10000, 10000; density missing at sample 1.
    Project p = SmallLog({100, 100, 125, 100, 100});
    p.impedanceType = kSonicDensity;
    p.timeDensity = {2.0, kNoDensity, 3.0, 2.5, 1.5};
    ComputeReflectivity(p);
    // Sonic only between equal velocities, (8000 - 10000) / 18000, (25000 - 24000) / 49000,
    // (15000 - 25000) / 40000.
    ExpectValues(p.reflectionCoefficients, 0, {0, -1.0 / 9, 1.0 / 49, -0.25});
    EXPECT_DOUBLE_EQ(p.maxAbsReflection, 0.25);
    // The missing density is no minimum, and the last sample's 1.5 is never looked at.
    EXPECT_EQ(p.minDensity, 2.0);
    EXPECT_EQ(p.maxDensity, 3.0);
}

TEST(Reflectivity, ConstantSonicGivesNoReflections) {
    Project p = SmallLog({10, 10, 10, 10});  // 100000 ft/s: never below the starting minimum
    ComputeReflectivity(p);
    EXPECT_EQ(p.maxAbsReflection, 0.0001);
    EXPECT_EQ(p.minVelocity, 100000);
    EXPECT_EQ(p.maxVelocity, 100000);
    EXPECT_EQ(p.reflectionCoefficients, OffsetArray(-1, 14));
}

TEST(Reflectivity, ZeroSonicFailsAndKeepsThePreviousResults) {
    Project p = SmallLog({100, 50, 50, 200});
    ComputeReflectivity(p);
    p.timeSonic[2] = 0;
    const Project before = p;
    EXPECT_EQ(ErrorOf([&] { ComputeReflectivity(p); }),
              "The sonic log is 0 at sample 2 (depth 1020): no interval velocity can be computed "
              "there.");
    EXPECT_EQ(p, before);
}

TEST(Reflectivity, ZeroImpedanceSumOrAShortLogFails) {
    Project negative = SmallLog({100, -100});
    Project zeroDensity = SmallLog({100, 100, 100});
    zeroDensity.impedanceType = kSonicDensity;
    zeroDensity.timeDensity = {2.0, 0.0, 0.0};
    Project shortLog = SmallLog({100, 50});
    shortLog.lastSampleIndex = 5;  // must fail rather than read past the end
    for (Project* p : {&negative, &zeroDensity, &shortLog}) {
        EXPECT_THROW(ComputeReflectivity(*p), Error);
    }
}

TEST(Convolution, ConvolvesTheWaveletWithTheCoefficients) {
    // Coefficients 1/3, 0, -0.6, 0, 0 (see SonicOnlyFromIntervalVelocities).
    Project p = SmallLog({100, 50, 50, 200, 200});
    ComputeReflectivity(p);
    ConvolveWavelet(p);
    // S(i) = 0.5 RC(i+1) + RC(i) - 0.25 RC(i-1): each reflection lays the wavelet down after it.
    ASSERT_EQ(p.syntheticTrace.size(), 5u);
    ExpectValues(p.syntheticTrace, 0, {1.0 / 3, -0.3 - 1.0 / 12, -0.6, 0.15, 0});
}

TEST(Convolution, OneReflectionGivesTheWaveletAsItsPanelDrawsIt) {
    // A bandpass of phase 90 is antisymmetric: a correlation would draw it upside down.
    Project p = Bandpass(5, 10, 40, 55, "90", 0.1);
    MakeBandpassWavelet(p);
    const int h = WaveletHalfLength(p);
    const int n = 80;
    const int at = 40;
    p.lastSampleIndex = n;
    p.reflectionCoefficients = OffsetArray(-h, n + 10 + h);
    p.reflectionCoefficients[at] = 0.5;
    ConvolveWavelet(p);
    for (int j = -h; j <= h; ++j) {
        EXPECT_DOUBLE_EQ(p.syntheticTrace[static_cast<std::size_t>(at + j)], 0.5 * p.wavelet[j])
            << "at " << j;
    }
}

TEST(Convolution, FailsWithoutAWaveletOfTheCurrentLength) {
    Project p = SmallLog({100, 50, 50, 200, 200});
    ComputeReflectivity(p);
    p.syntheticTrace = {9, 9, 9, 9, 9};
    p.waveletLength = Value(0.008);  // h = 2: the wavelet does not reach -2 and 2
    EXPECT_EQ(ErrorOf([&] { ConvolveWavelet(p); }),
              "There is no wavelet for the current wavelet length: select a wavelet first.");
    p.wavelet = OffsetArray();  // no wavelet at all, as after an import
    EXPECT_THROW(ConvolveWavelet(p), Error);
    EXPECT_EQ(p.syntheticTrace, (std::vector<double>{9, 9, 9, 9, 9}));
}

TEST(Recompute, RunsEveryStepAndReportsSuccess) {
    Project p = SmallLog({100, 50, 50, 200, 200});
    p.horizonCount = 2;
    p.horizonNames[2] = "end of log";
    EXPECT_EQ(RecomputeSynthetic(p), std::nullopt);
    EXPECT_TRUE(p.synthDisplayed);
    EXPECT_DOUBLE_EQ(p.syntheticTrace[3], 0.15);
    EXPECT_EQ(p.horizonNames[2], "end of log");
    EXPECT_DOUBLE_EQ(p.horizonTimes[2], 0.008);
}

TEST(Recompute, StopsAtTheFirstFailureKeepingWhatCameBefore) {
    Project p = SmallLog({100, 50, 50, 200, 200});
    p.wavelet = OffsetArray();
    p.syntheticTrace = {9, 9, 9, 9, 9};
    p.horizonCount = 2;
    p.horizonTimes[2] = 7;
    const auto reason = RecomputeSynthetic(p);
    ASSERT_TRUE(reason.has_value());
    EXPECT_NE(reason->find("select a wavelet"), std::string::npos);
    EXPECT_TRUE(p.synthDisplayed);
    EXPECT_DOUBLE_EQ(p.reflectionCoefficients[2], -0.6);                // computed before
    EXPECT_EQ(p.syntheticTrace, (std::vector<double>{9, 9, 9, 9, 9}));  // not reached
    EXPECT_EQ(p.horizonTimes[2], 7);
}

}  // namespace
}  // namespace tessarin::test
