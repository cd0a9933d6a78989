#include "engine/synthetic.h"

#include <gtest/gtest.h>

#include "model/error.h"

namespace tessarin {
namespace {

// A log at 2 ms with one depth every 10 ft from 1000 ft, no density, and a wavelet length of
// 0.004 s (h = 1).
Project SmallLog(const std::vector<double>& sonic) {
    Project p;
    p.lastSampleIndex = static_cast<std::int16_t>(sonic.size() - 1);
    p.timeSonic = sonic;
    p.timeDensity.assign(sonic.size(), kNoDensity);
    for (std::size_t i = 0; i < sonic.size(); ++i) {
        p.timeDepth.push_back(1000 + 10.0 * static_cast<double>(i));
    }
    p.sampleIntervalUs = 1000;
    p.waveletLength = Value(0.004);
    p.agcWindow = "None";
    return p;
}

// w(-1) = 0.5, w(0) = 1, w(1) = -0.25, and the closing element w(2) = 0.
OffsetArray ThreeSampleWavelet() {
    OffsetArray w(-1, 2);
    w[-1] = 0.5;
    w[0] = 1;
    w[1] = -0.25;
    return w;
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
    EXPECT_DOUBLE_EQ(p.reflectionCoefficients[0], 1.0 / 3);
    EXPECT_DOUBLE_EQ(p.reflectionCoefficients[1], 0);
    EXPECT_DOUBLE_EQ(p.reflectionCoefficients[2], -0.6);
    EXPECT_EQ(p.reflectionCoefficients[3], 0);
    EXPECT_DOUBLE_EQ(p.maxAbsReflection, 0.6);
    EXPECT_EQ(p.minVelocity, 5000);
    EXPECT_EQ(p.maxVelocity, 20000);
    // h = 1 and n = 3: the coefficients run from -1 to n + 10 + h = 14.
    EXPECT_EQ(p.reflectionCoefficients.First(), -1);
    EXPECT_EQ(p.reflectionCoefficients.Last(), 14);
}

TEST(Reflectivity, ArrayExtentFollowsTheWaveletLength) {
    Project p = SmallLog({100, 100, 100});
    p.waveletLength = Value(0.1);
    ComputeReflectivity(p);
    EXPECT_EQ(p.reflectionCoefficients.First(), -25);
    EXPECT_EQ(p.reflectionCoefficients.Last(), 2 + 35);
}

TEST(Reflectivity, DensityImpedanceFallsBackToSonicWhereDensityIsMissing) {
    // Velocities 10000, 10000, 8000, 10000, 10000; density missing at sample 1.
    Project p = SmallLog({100, 100, 125, 100, 100});
    p.impedanceType = kSonicDensity;
    p.timeDensity = {2.0, kNoDensity, 3.0, 2.5, 1.5};
    ComputeReflectivity(p);
    EXPECT_DOUBLE_EQ(p.reflectionCoefficients[0], 0);         // sonic only: equal velocities
    EXPECT_DOUBLE_EQ(p.reflectionCoefficients[1], -1.0 / 9);  // (8000 - 10000) / 18000
    EXPECT_DOUBLE_EQ(p.reflectionCoefficients[2], 1.0 / 49);  // (25000 - 24000) / 49000
    EXPECT_DOUBLE_EQ(p.reflectionCoefficients[3], -0.25);     // (15000 - 25000) / 40000
    EXPECT_DOUBLE_EQ(p.maxAbsReflection, 0.25);
    // The missing density is no minimum, and the last sample's 1.5 is never looked at.
    EXPECT_EQ(p.minDensity, 2.0);
    EXPECT_EQ(p.maxDensity, 3.0);
}

TEST(Reflectivity, ConstantSonicGivesNoReflections) {
    Project p = SmallLog({80, 80, 80, 80});
    p.timeSonic = {10, 10, 10, 10};  // 100000 ft/s: never below the starting minimum
    ComputeReflectivity(p);
    EXPECT_EQ(p.maxAbsReflection, 0.0001);
    EXPECT_EQ(p.minVelocity, 100000);
    EXPECT_EQ(p.maxVelocity, 100000);
    for (int i = -1; i <= 14; ++i) {
        EXPECT_EQ(p.reflectionCoefficients[i], 0) << i;
    }
}

TEST(Reflectivity, ZeroSonicFailsAndKeepsThePreviousResults) {
    Project p = SmallLog({100, 50, 50, 200});
    ComputeReflectivity(p);
    const Project before = p;
    p.timeSonic[2] = 0;
    try {
        ComputeReflectivity(p);
        FAIL() << "a zero sonic must fail";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(),
                     "The sonic log is 0 at sample 2 (depth 1020): no interval velocity can be "
                     "computed there.");
    }
    p.timeSonic[2] = 50;
    EXPECT_EQ(p, before);
}

TEST(Reflectivity, ZeroImpedanceSumFails) {
    Project negative = SmallLog({100, -100});
    EXPECT_THROW(ComputeReflectivity(negative), Error);

    Project zeroDensity = SmallLog({100, 100, 100});
    zeroDensity.impedanceType = kSonicDensity;
    zeroDensity.timeDensity = {2.0, 0.0, 0.0};
    EXPECT_THROW(ComputeReflectivity(zeroDensity), Error);
}

TEST(Reflectivity, ShortLogsFailInsteadOfReadingPastTheEnd) {
    Project p = SmallLog({100, 50});
    p.lastSampleIndex = 5;
    EXPECT_THROW(ComputeReflectivity(p), Error);
}

TEST(Convolution, CorrelatesTheWaveletWithTheCoefficients) {
    // Coefficients 1/3, 0, -0.6, 0, 0 (see SonicOnlyFromIntervalVelocities).
    Project p = SmallLog({100, 50, 50, 200, 200});
    p.wavelet = ThreeSampleWavelet();
    ComputeReflectivity(p);
    ConvolveWavelet(p);
    // S(i) = 0.5 RC(i-1) + RC(i) - 0.25 RC(i+1): the wavelet is not reversed.
    ASSERT_EQ(p.syntheticTrace.size(), 5u);
    EXPECT_DOUBLE_EQ(p.syntheticTrace[0], 1.0 / 3);
    EXPECT_DOUBLE_EQ(p.syntheticTrace[1], 1.0 / 6 + 0.15);
    EXPECT_DOUBLE_EQ(p.syntheticTrace[2], -0.6);
    EXPECT_DOUBLE_EQ(p.syntheticTrace[3], -0.3);
    EXPECT_DOUBLE_EQ(p.syntheticTrace[4], 0);
}

TEST(Convolution, FailsWithoutAWaveletOfTheCurrentLength) {
    Project p = SmallLog({100, 50, 50, 200, 200});
    ComputeReflectivity(p);
    p.syntheticTrace = {9, 9, 9, 9, 9};
    EXPECT_THROW(ConvolveWavelet(p), Error);  // no wavelet at all, as after an import

    p.wavelet = ThreeSampleWavelet();
    p.waveletLength = Value(0.008);  // h = 2: the wavelet does not reach -2 and 2
    try {
        ConvolveWavelet(p);
        FAIL() << "a wavelet of another length must fail";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(),
                     "There is no wavelet for the current wavelet length: select a wavelet "
                     "first.");
    }
    EXPECT_EQ(p.syntheticTrace, (std::vector<double>{9, 9, 9, 9, 9}));
}

TEST(Recompute, RunsEveryStepAndReportsSuccess) {
    Project p = SmallLog({100, 50, 50, 200, 200});
    p.wavelet = ThreeSampleWavelet();
    p.horizonCount = 2;
    EXPECT_EQ(RecomputeSynthetic(p), std::nullopt);
    EXPECT_TRUE(p.synthDisplayed);
    EXPECT_DOUBLE_EQ(p.syntheticTrace[3], -0.3);
    EXPECT_EQ(p.horizonNames[2], "end of log");
    EXPECT_DOUBLE_EQ(p.horizonTimes[2], 0.008);
}

TEST(Recompute, StopsAtTheFirstFailureKeepingWhatCameBefore) {
    Project p = SmallLog({100, 50, 50, 200, 200});
    p.syntheticTrace = {9, 9, 9, 9, 9};
    p.horizonCount = 2;
    p.horizonTimes[2] = 7;
    const auto reason = RecomputeSynthetic(p);  // no wavelet
    ASSERT_TRUE(reason.has_value());
    EXPECT_NE(reason->find("select a wavelet"), std::string::npos);
    EXPECT_TRUE(p.synthDisplayed);
    EXPECT_DOUBLE_EQ(p.reflectionCoefficients[2], -0.6);                // computed before
    EXPECT_EQ(p.syntheticTrace, (std::vector<double>{9, 9, 9, 9, 9}));  // not reached
    EXPECT_EQ(p.horizonTimes[2], 7);
}

}  // namespace
}  // namespace tessarin
