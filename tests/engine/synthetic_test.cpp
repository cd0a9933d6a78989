#include "engine/synthetic.h"

#include <gtest/gtest.h>

#include "core_test_support.h"
#include "engine/datum.h"

namespace tessarin::test {
namespace {

// A log at 2 ms with one depth every 10 ft from 1000 ft, no density, a wavelet length of
// 0.004 s (h = 1) and the wavelet w(-1) = 0.5, w(0) = 1, w(1) = -0.25, closed by w(2) = 0.
Project SmallLog(const std::vector<double>& sonic) {
    Project p;
    p.lastSampleIndex = static_cast<std::int16_t>(sonic.size() - 1);
    p.timeSonic = sonic;
    p.timeDensity.assign(sonic.size(), kNoDensity);
    for (std::size_t i = 0; i < sonic.size(); ++i)
        p.timeDepth.push_back(1000 + 10.0 * static_cast<double>(i));
    p.waveletLength = Value(0.004);
    p.wavelet = OffsetArray(-1, 2);
    p.wavelet[-1] = 0.5;
    p.wavelet[0] = 1;
    p.wavelet[1] = -0.25;
    return p;
}

TEST(HalfLength, CountsSamplesOnEachSideOfTimeZero) {
    // 250 x length x 1000 / interval, halves to even: 2.5 goes to 2, 3.5 to 4.
    for (const auto& [length, interval, h] :
         {std::tuple{0.24, 250, 240}, std::tuple{0.01, 1000, 2}, std::tuple{0.014, 1000, 4},
          std::tuple{131.068, 1000, 32767}})
        EXPECT_EQ(WaveletHalfLength(length, interval), h) << length;
    for (double refused : {131.07, -0.1})
        EXPECT_NE(ErrorOf([&] { WaveletHalfLength(refused, 1000); }), "") << refused;
}

TEST(Reflectivity, FromIntervalVelocitiesAndDensities) {
    // Velocities 10000, 20000, 20000, 5000 ft/s.
    Project p = SmallLog({100, 50, 50, 200});
    ComputeReflectivity(p);
    EXPECT_EQ(p.intervalVelocity, (std::vector<double>{10000, 20000, 20000, 5000}));
    ExpectValues(p.reflectionCoefficients, 0, {1.0 / 3, 0, -0.6, 0});
    EXPECT_DOUBLE_EQ(p.maxAbsReflection, 0.6);
    EXPECT_EQ(p.minVelocity, 5000);
    EXPECT_EQ(p.maxVelocity, 20000);

    // Velocities 10000, 10000, 8000, 10000, 10000; density missing at sample 1: sonic only
    // between equal velocities, (8000 - 10000) / 18000, (25000 - 24000) / 49000,
    // (15000 - 25000) / 40000. The missing density is no minimum, and the last sample's 1.5 is
    // never looked at.
    p = SmallLog({100, 100, 125, 100, 100});
    p.impedanceType = kSonicDensity;
    p.timeDensity = {2.0, kNoDensity, 3.0, 2.5, 1.5};
    ComputeReflectivity(p);
    ExpectValues(p.reflectionCoefficients, 0, {0, -1.0 / 9, 1.0 / 49, -0.25});
    EXPECT_DOUBLE_EQ(p.maxAbsReflection, 0.25);
    EXPECT_EQ(p.minDensity, 2.0);
    EXPECT_EQ(p.maxDensity, 3.0);

    // A constant 100000 ft/s: never below the starting minimum; the coefficients run from -h to
    // n + 10 + h.
    p = SmallLog({10, 10, 10, 10});
    p.waveletLength = Value(0.1);  // h = 25
    ComputeReflectivity(p);
    EXPECT_EQ(p.maxAbsReflection, 0.0001);
    EXPECT_EQ(p.minVelocity, 100000);
    EXPECT_EQ(p.reflectionCoefficients, OffsetArray(-25, 3 + 10 + 25));
}

TEST(Reflectivity, FailsWhereADivisionWouldAndKeepsThePreviousResults) {
    Project p = SmallLog({100, 50, 50, 200});
    ComputeReflectivity(p);
    p.timeSonic[2] = 0;
    const Project before = p;
    EXPECT_EQ(ErrorOf([&] { ComputeReflectivity(p); }),
              "The sonic log is 0 at sample 2 (depth 1020): no interval velocity can be computed "
              "there.");
    EXPECT_EQ(p, before);
    // A zero impedance sum, and a log shorter than its sample count.
    Project zeroDensity = SmallLog({100, 100, 100});
    zeroDensity.impedanceType = kSonicDensity;
    zeroDensity.timeDensity = {2.0, 0.0, 0.0};
    Project shortLog = SmallLog({100, 50});
    shortLog.lastSampleIndex = 5;
    for (Project q : {SmallLog({100, -100}), zeroDensity, shortLog})
        EXPECT_NE(ErrorOf([&] { ComputeReflectivity(q); }), "");
}

TEST(Convolution, ConvolvesTheWaveletWithTheCoefficientsOrFailsWithoutAWavelet) {
    // Coefficients 1/3, 0, -0.6, 0, 0; S(i) = 0.5 RC(i+1) + RC(i) - 0.25 RC(i-1): each reflection
    // lays the wavelet down after it.
    Project p = SmallLog({100, 50, 50, 200, 200});
    ComputeReflectivity(p);
    ConvolveWavelet(p);
    ExpectValues(p.syntheticTrace, 0, {1.0 / 3, -0.3 - 1.0 / 12, -0.6, 0.15, 0});

    p.syntheticTrace = {9, 9, 9, 9, 9};
    p.waveletLength = Value(0.008);  // h = 2: the wavelet does not reach -2 and 2
    EXPECT_EQ(ErrorOf([&] { ConvolveWavelet(p); }),
              "There is no wavelet for the current wavelet length: select a wavelet first.");
    p.wavelet = OffsetArray();  // no wavelet at all, as after an import
    EXPECT_NE(ErrorOf([&] { ConvolveWavelet(p); }), "");
    EXPECT_EQ(p.syntheticTrace, (std::vector<double>{9, 9, 9, 9, 9}));
}

Project Trace(const std::vector<double>& samples, const std::string& window) {
    Project p;
    p.lastSampleIndex = static_cast<std::int16_t>(samples.size() - 1);
    p.syntheticTrace = samples;
    p.agcWindow = window;
    return p;
}

TEST(Agc, ScalesByTheSlidingMeanOfAbsoluteAmplitude) {
    // 0.008 s at 2 ms: m = 1, windows of three samples, two at the ends.
    // Gains 1/3, 2/7, 2/7, 2/7, 1/3; their mean 32/105.
    Project p = Trace({1, -2, 4, -1, 2}, "0.008");
    ApplyAgc(p);
    ExpectValues(p.syntheticTrace, 0, {1.09375, -1.875, 3.75, -0.9375, 2.1875}, 1e-12);

    // 0.5 s at 2 ms: 62.5 rounds to m = 62, so up to n = 124 nothing changes.
    std::vector<double> samples(125);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = (i % 3) - 1.0 + 0.1 * static_cast<double>(i);
    p = Trace(samples, "0.5");
    ApplyAgc(p);
    EXPECT_EQ(p.syntheticTrace, samples);
    samples.push_back(1.0);
    p = Trace(samples, "0.5");
    ApplyAgc(p);
    EXPECT_NE(p.syntheticTrace, samples);
}

TEST(Agc, RefusesWindowsItCannotUseAndKeepsTheTrace) {
    // Two samples is the longest window refused, and the message says so.
    const std::string cannot = "AGC cannot be applied: the AGC window ";
    const std::vector<double> five = {1, -2, 4, -1, 2};
    const std::tuple<const char*, int, std::string> rows[] = {
        {"abc", 1000, "The AGC window \"abc\" is neither \"None\" nor a number of seconds."},
        {"0.002", 1000, cannot + "0.002 s must be longer than two samples (0.004 s)."},
        {"0.004", 1000, cannot + "0.004 s must be longer than two samples (0.004 s)."},
        {"0.001", 250, cannot + "0.001 s must be longer than two samples (0.001 s)."},
        {"0.0041", 1000, ""},
    };
    for (const auto& [window, interval, message] : rows) {
        Project p = Trace(five, window);
        p.sampleIntervalUs = static_cast<std::int16_t>(interval);
        EXPECT_EQ(ErrorOf([&] { ApplyAgc(p); }), message);
        EXPECT_EQ(p.syntheticTrace == five, !message.empty()) << window;
    }
    // Adding 0.1, 0.2 and 0.3 and taking them away again leaves about 6e-17, not 0: the window
    // around sample 4 holds only zeros all the same.
    Project zeros = Trace({0.1, 0.2, 0.3, 0, 0, 0, 0, 0.7}, "0.008");
    EXPECT_EQ(
        ErrorOf([&] { ApplyAgc(zeros); }),
        "AGC cannot be applied: the synthetic is 0 throughout the AGC window around sample 4.");
}

// A log of the given depths with the horizon table written "name@depth|name@depth".
Project Depths(const std::vector<double>& depths, const std::string& table) {
    Project p;
    p.lastSampleIndex = static_cast<std::int16_t>(depths.size() - 1);
    p.timeDepth = depths;
    std::istringstream in(table);
    for (std::string item; std::getline(in, item, '|');) {
        ++p.horizonCount;
        p.horizonNames[p.horizonCount] = item.substr(0, item.find('@'));
        const std::string depth = item.substr(item.find('@') + 1);
        p.horizonDepths[p.horizonCount] = depth.empty() ? Value() : Value::Text(depth);
    }
    return p;
}

TEST(HorizonTimes, InterpolateBetweenDepthSamplesAndTheLogEndsFollowTheLog) {
    // Log ends saved with a log that has since changed follow the log. Sample 1 + 6/8 and sample
    // 3 + 6/16 at 2 ms; the end exactly at sample n; nothing after.
    const std::vector<double> log = {1000, 1004, 1012, 1024, 1040};
    Project p = Depths(log, "start of log@990|Top A@1010|Top B@1030|end of log@1050");
    ComputeHorizonTimes(p);
    EXPECT_EQ(p.horizonDepths[1], Value(1000));
    EXPECT_EQ(p.horizonDepths[4], Value(1040));
    ExpectValues(p.horizonTimes, 1, {0, 0.0035, 0.00675, 0.008, 0});
    p.sampleIntervalUs = 250;  // 0.5 ms
    ComputeHorizonTimes(p);
    EXPECT_DOUBLE_EQ(p.horizonTimes[2], 0.000875);

    // The user's horizons are never renamed or moved: tops in the first and last place, a top
    // at the start of the log before its entry and one at the end after it.
    for (const char* table : {"Seabed@1000|Top A@1010|Chalk@1040",
                              "Seabed@1000|start of log@1000|end of log@1040|Base@1040"}) {
        const Project before = Depths(log, table);
        p = before;
        ComputeHorizonTimes(p);
        EXPECT_EQ(p.horizonNames, before.horizonNames);
        EXPECT_EQ(p.horizonDepths, before.horizonDepths);
    }

    p = Depths({1000, 1010, 1020, 1020}, "@|end of log@");
    p.horizonTimes[2] = 5;
    EXPECT_EQ(ErrorOf([&] { ComputeHorizonTimes(p); }),
              "The time of horizon \"end of log\" cannot be found: samples 2 and 3 of the log lie "
              "at the same depth 1020.");
    EXPECT_EQ(p.horizonTimes[2], 5);
    p.horizonCount = 0;  // nothing to place
    EXPECT_EQ(ErrorOf([&] { ComputeHorizonTimes(p); }), "");
    p.horizonCount = kTableSize;  // one more than the table holds
    EXPECT_NE(ErrorOf([&] { ComputeHorizonTimes(p); }), "");
}

TEST(Recompute, RunsEveryStepOrStopsAtTheFirstFailureKeepingWhatCameBefore) {
    Project p = SmallLog({100, 50, 50, 200, 200});
    p.horizonCount = 2;
    p.horizonNames[2] = "end of log";
    EXPECT_EQ(RecomputeSynthetic(p), std::nullopt);
    EXPECT_TRUE(p.synthDisplayed);
    EXPECT_DOUBLE_EQ(p.syntheticTrace[3], 0.15);
    EXPECT_DOUBLE_EQ(p.horizonTimes[2], 0.008);
    p.wavelet = OffsetArray();  // the convolution fails: the reflectivity is computed before it
    p.syntheticTrace = {9, 9, 9, 9, 9};
    p.timeSonic[4] = 100;
    EXPECT_NE(RecomputeSynthetic(p).value_or("").find("select a wavelet"), std::string::npos);
    EXPECT_DOUBLE_EQ(p.reflectionCoefficients[3], 1.0 / 3);
    EXPECT_EQ(p.syntheticTrace, (std::vector<double>{9, 9, 9, 9, 9}));  // not reached
}

TEST(Datum, StartOfLogLiesAtTheFirstSampleWithoutBinaryNoise) {
    // KB and first depths whose elevation difference leaves binary noise of either sign, and a
    // datum velocity that is not used.
    Project p;
    for (const auto& [kb, depth, datum] :
         {std::tuple{30.0, 30.15, -0.15}, std::tuple{30.2, 812.4, -782.2},
          std::tuple{25.3, 1000.7, -975.4}}) {
        p.kbElevation = Value(kb);
        p.timeDepth = {depth, depth + 10};
        p.datumVelocity = Value::Text("abc");
        ApplyStartOfLogDatum(p);
        EXPECT_EQ(p.datumElevation, Value(datum));
        EXPECT_EQ(FirstSampleTime(p), 0.0) << kb << " " << depth;
    }
    p.datumType = kSpecifiedDatum;
    p.datumElevation = Value(12);
    ApplyStartOfLogDatum(p);
    EXPECT_EQ(p.datumElevation, Value(12));
}

TEST(Datum, FirstSampleTimeCrossesTheGapToTheDatumOrCountsSamplesAboveIt) {
    // Five samples, 10 ft apart, from 1000 ft below a KB at 1500 ft (elevation 500), at 2 ms: a
    // datum 25 ft below the log's start lies 2.5 samples in; one 500 ft above it is crossed at
    // the datum velocity; one below the whole log, or a velocity of 0, gives no time (1).
    Project p = SmallLog({100, 100, 100, 100, 100});
    p.kbElevation = Value(1500);
    p.datumType = kSpecifiedDatum;
    const std::tuple<double, double, double> rows[] = {
        {475, 5000, -2.5 * 0.002}, {1000, 5000, 2.0 * 500 / 5000}, {400, 5000, 1}, {1000, 0, 1}};
    for (const auto& [datum, velocity, time] : rows) {
        p.datumElevation = Value(datum);
        p.datumVelocity = Value(velocity);
        double found = 1;
        ErrorOf([&] { found = FirstSampleTime(p); });
        EXPECT_DOUBLE_EQ(found, time) << datum;
    }
    // A record one depth short of its last index holds no log to time.
    p.datumVelocity = Value(5000);
    ComputeStartTime(p);
    p.lastSampleIndex = static_cast<int>(p.timeDepth.size());
    EXPECT_NE(ErrorOf([&] { ComputeStartTime(p); }), "");
}

}  // namespace
}  // namespace tessarin::test
