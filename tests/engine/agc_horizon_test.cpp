#include <gtest/gtest.h>

#include "engine/engine_test_support.h"
#include "engine/synthetic.h"

namespace tessarin::test {
namespace {

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
}

TEST(Agc, LeavesTheTraceAloneWhenTheWindowCoversIt) {
    // 0.5 s at 2 ms: 62.5 rounds to m = 62, so up to n = 124 nothing changes.
    std::vector<double> samples(125);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        samples[i] = (i % 3) - 1.0 + 0.1 * static_cast<double>(i);
    }
    Project p = Trace(samples, "0.5");
    ApplyAgc(p);
    EXPECT_EQ(p.syntheticTrace, samples);
    samples.push_back(1.0);
    p = Trace(samples, "0.5");
    ApplyAgc(p);
    EXPECT_NE(p.syntheticTrace, samples);
}

TEST(Agc, RefusesWindowsItCannotUseAndKeepsTheTrace) {
    const std::vector<double> samples = {1, -2, 4, -1, 2};
    for (const char* window : {"abc", "", "-0.008", "0.002"}) {
        Project p = Trace(samples, window);
        EXPECT_THROW(ApplyAgc(p), Error) << window;
        EXPECT_EQ(p.syntheticTrace, samples) << window;
    }
    // Two samples of 2 ms is the longest window refused, and the message says so.
    Project two = Trace(samples, "0.004");
    EXPECT_EQ(ErrorOf([&] { ApplyAgc(two); }),
              "AGC cannot be applied: the AGC window 0.004 s must be longer than two samples "
              "(0.004 s).");
    two.sampleIntervalUs = 250;  // two samples of 0.5 ms
    two.agcWindow = "0.001";
    EXPECT_EQ(ErrorOf([&] { ApplyAgc(two); }),
              "AGC cannot be applied: the AGC window 0.001 s must be longer than two samples "
              "(0.001 s).");
    Project longer = Trace(samples, "0.0041");
    EXPECT_NO_THROW(ApplyAgc(longer));
    // Adding 0.1, 0.2 and 0.3 and taking them away again leaves about 6e-17, not 0: the
    // window around sample 4 holds only zeros all the same.
    const std::vector<double> zeros = {0.1, 0.2, 0.3, 0, 0, 0, 0, 0.7};
    Project p = Trace(zeros, "0.008");
    EXPECT_EQ(ErrorOf([&] { ApplyAgc(p); }),
              "AGC cannot be applied: the synthetic is 0 throughout the AGC window around "
              "sample 4.");
    EXPECT_EQ(p.syntheticTrace, zeros);
}

TEST(Agc, ConvolutionKeepsItsTraceWhenAgcFails) {
    Project p = Trace({0, 0, 0, 0, 0}, "0.008");
    p.timeSonic = {80, 80, 80, 80, 80};  // constant: a synthetic of zeros
    p.waveletLength = Value(0);
    p.wavelet = OffsetArray(0, 1);
    p.wavelet[0] = 1;
    ComputeReflectivity(p);
    p.syntheticTrace = {9, 9, 9, 9, 9};
    EXPECT_THROW(ConvolveWavelet(p), Error);
    EXPECT_EQ(p.syntheticTrace, (std::vector<double>{0, 0, 0, 0, 0}));
    p.agcWindow = "Never";
    EXPECT_THROW(ConvolveWavelet(p), Error);
}

Project Depths(const std::vector<double>& depths, int horizonCount) {
    Project p;
    p.lastSampleIndex = static_cast<std::int16_t>(depths.size() - 1);
    p.timeDepth = depths;
    p.horizonCount = horizonCount;
    return p;
}

// Entries 1 to names.size(), named and placed as given.
void SetTable(Project& p, const std::vector<std::pair<std::string, Value>>& entries) {
    p.horizonCount = static_cast<int>(entries.size());
    for (std::size_t k = 0; k < entries.size(); ++k) {
        p.horizonNames[k + 1] = entries[k].first;
        p.horizonDepths[k + 1] = entries[k].second;
    }
}

TEST(HorizonTimes, InterpolateBetweenDepthSamples) {
    Project p = Depths({1000, 1004, 1012, 1024, 1040}, 4);
    // Log ends saved with a log that has since changed follow the log.
    SetTable(p, {{"start of log", Value(990)},
                 {"Top A", Value(1010)},
                 {"Top B", Value::Text("1030")},
                 {"end of log", Value(1050)}});
    ComputeHorizonTimes(p);
    EXPECT_EQ(p.horizonNames[1], "start of log");
    EXPECT_EQ(p.horizonDepths[1], Value(1000));
    EXPECT_EQ(p.horizonNames[4], "end of log");
    EXPECT_EQ(p.horizonDepths[4], Value(1040));
    // Sample 1 + 6/8 and sample 3 + 6/16 at 2 ms; the end exactly at sample n; nothing after.
    ExpectValues(p.horizonTimes, 1, {0, 0.0035, 0.00675, 0.008, 0});
    p.sampleIntervalUs = 250;  // 0.5 ms
    ComputeHorizonTimes(p);
    EXPECT_DOUBLE_EQ(p.horizonTimes[2], 0.000875);
}

TEST(HorizonTimes, TheUsersHorizonsAreNeverRenamedOrMoved) {
    using Table = std::vector<std::pair<std::string, Value>>;
    const struct {
        const char* what;
        Table table;
    } cases[] = {
        {"tops in the first and last place, no log ends",
         {{"Seabed", Value(1000)}, {"Top A", Value(1010)}, {"Chalk", Value(1040)}}},
        {"a top at the start of the log before its entry, one at the end after it",
         {{"Seabed", Value(1000)},
          {"start of log", Value(1000)},
          {"end of log", Value(1040)},
          {"Base", Value(1040)}}},
        {"a lone top", {{"Top A", Value(1010)}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Project p = Depths({1000, 1004, 1012, 1024, 1040}, 0);
        SetTable(p, c.table);
        ComputeHorizonTimes(p);
        Table after;
        for (int k = 1; k <= p.horizonCount; ++k) {
            after.emplace_back(p.horizonNames[k], p.horizonDepths[k]);
        }
        EXPECT_EQ(after, c.table);
    }
}

TEST(HorizonTimes, FailsWithoutADepthIntervalAndKeepsTheTimes) {
    Project p = Depths({1000, 1010, 1020, 1020}, 2);
    p.horizonNames[2] = "end of log";
    p.horizonTimes[2] = 5;
    EXPECT_EQ(ErrorOf([&] { ComputeHorizonTimes(p); }),
              "The time of horizon \"end of log\" cannot be found: samples 2 and 3 of the log lie "
              "at the same depth 1020.");
    EXPECT_EQ(p.horizonTimes[2], 5);

    Project one = Depths({1000}, 2);  // a one-sample log has no interval
    EXPECT_THROW(ComputeHorizonTimes(one), Error);
    one.horizonCount = 0;  // nothing to place
    EXPECT_NO_THROW(ComputeHorizonTimes(one));
}

}  // namespace
}  // namespace tessarin::test
