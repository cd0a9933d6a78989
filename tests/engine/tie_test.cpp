#include "engine/tie.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "core_test_support.h"
#include "engine/trace_value.h"

namespace tessarin::test {
namespace {

// A train of 25 Hz Ricker pulses of alternating sign and varied size every 37 ms from 0.2 s,
// sampled at `interval` from `first`; each pulse comes `delay(t)` later than at its time t.
template <class Delay>
SampledTrace Pulses(double first, double interval, int count, Delay delay) {
    SampledTrace trace{first, interval, std::vector<double>(static_cast<std::size_t>(count))};
    for (int k = 0; k < 60; ++k) {
        const double at = 0.2 + 0.037 * k + delay(0.2 + 0.037 * k);
        for (int i = 0; i < count; ++i) {
            const double x = std::pow(std::numbers::pi * 25 * (trace.TimeAt(i) - at), 2);
            trace.values[static_cast<std::size_t>(i)] +=
                (k % 2 ? -1 : 1) * (1 + k % 5) * (1 - 2 * x) * std::exp(-x);
        }
    }
    return trace;
}

TEST(Tie, LagBetweenSamplesAndDriftDownTheWell) {
    // The seismic at 4 ms, the synthetic at 2 ms, the delays not whole samples.
    struct Case {
        double shift;  // the delay at 1 s
        double slope;  // its growth per second
    };
    // The last drifts too far for one bulk shift: the whole window's phase means nothing there.
    for (const Case c : {Case{0.0033, 0}, {-0.0071, 0}, {0.004, 0.01}, {0.002, 0.025}}) {
        const auto delay = [&](double t) { return c.shift + c.slope * (t - 1); };
        const TieMeasures tie = MeasureTie(Pulses(0.15, 0.002, 1050, [](double) { return 0.0; }),
                                           Pulses(0.1, 0.004, 560, delay), {.driftWindow = 0.3});
        ASSERT_GT(tie.drift.size(), 20u);
        for (const DriftPoint& point : tie.drift) {
            EXPECT_NEAR(point.lag, delay(point.time), 0.001) << point.time;
            // The last drift moves 7.5 ms across a window, which blurs its peak.
            EXPECT_GT(point.r, c.slope > 0.02 ? 0.9 : 0.95) << point.time;
        }
        if (c.slope == 0) {
            EXPECT_NEAR(tie.bestPhase.lag, c.shift, 0.0005) << c.shift;
            EXPECT_NEAR(tie.bestPhase.phaseDegrees, 0, 3) << c.shift;
            EXPECT_NEAR(tie.bestLag.lag, c.shift, 0.0005);
            EXPECT_GT(tie.fit.pep, 0);
        }
    }
}

TEST(Tie, SeismicBetweenItsSamplesKeepsItsHighFrequencies) {
    // 60 Hz at 4 ms, halfway between samples: linear interpolation would lose a quarter of it.
    SampledTrace wave{0, 0.004, {}};
    for (int i = 0; i < 250; ++i) {
        wave.values.push_back(std::cos(2 * std::numbers::pi * 60 * wave.TimeAt(i)));
    }
    for (double t = 0.402; t < 0.6; t += 0.004) {
        EXPECT_NEAR(*TraceValueAt(wave, t), std::cos(2 * std::numbers::pi * 60 * t), 0.01) << t;
    }
    EXPECT_EQ(TraceValueAt(wave, wave.LastTime() + 0.001), std::nullopt);
}

TEST(Tie, CorrelationAndFitOfAPairWorkedOutByHand) {
    // The seismic is the synthetic plus a wave of equal power orthogonal to it: r = 1 / sqrt(2),
    // the fitted scale is 1 and PEP = 1 - 8 / 16.
    const TieMeasures tie = MeasureTie({0.1, 0.004, {1, -1, 1, -1, 1, -1, 1, -1}},
                                       {0.1, 0.004, {2, 0, 0, -2, 2, 0, 0, -2}}, {.maxLag = 0});
    EXPECT_DOUBLE_EQ(tie.zeroLagR, 1 / std::sqrt(2.0));
    EXPECT_DOUBLE_EQ(tie.fit.scale, 1);
    EXPECT_DOUBLE_EQ(tie.fit.pep, 0.5);
}

TEST(Tie, RefusesTracesThatCannotBeCompared) {
    const SampledTrace pulses = Pulses(0.15, 0.002, 1050, [](double) { return 0.0; });
    EXPECT_EQ(ErrorOf([&] {
                  MeasureTie(pulses, {2.5, 0.004, std::vector<double>(100, 1)});
              }),
              "The synthetic and the seismic share no time to be compared: the synthetic ends "
              "at 2.248 s, before the seismic starts at 2.500 s.");
    // The times in their order: the window's start is the later, the seismic's end the earlier.
    EXPECT_EQ(ErrorOf([&] {
                  MeasureTie(pulses, {0, 0.004, std::vector<double>(100, 1)},
                             {.window = TieWindow{0.39, 2}});
              }),
              "The synthetic and the seismic share too little time to be compared: 0.390 s to "
              "0.396 s, where at least 8 synthetic samples are needed.");
    EXPECT_EQ(ErrorOf([&] {
                  MeasureTie(pulses, {0, 0.004, std::vector<double>(100, 1)},
                             {.window = TieWindow{0.5, 2}});
              }),
              "The synthetic and the seismic share no time to be compared: the seismic ends at "
              "0.396 s, before the window starts at 0.500 s.");
    EXPECT_EQ(ErrorOf([&] {
                  MeasureTie(pulses, {0, 0.004, std::vector<double>(1000, 1)});
              }),
              "The seismic is flat from 0.150 s to 2.248 s: there is nothing to correlate.");
    EXPECT_EQ(ErrorOf([&] {
                  MeasureTie({0.2, 0.002, std::vector<double>(50, 3)}, pulses);
              }),
              "The synthetic is flat from 0.200 s to 0.298 s: there is nothing to correlate.");
}

TEST(Tie, WindowBetweenTwoHorizons) {
    Project p;
    p.timeDepth = {1000, 1010};
    p.datumType = kSpecifiedDatum;  // 30 ft at 6000 ft/s above the log: sample 0 at 10 ms
    p.kbElevation = 1000;
    p.datumElevation = 30;
    p.datumVelocity = 6000;
    p.horizonCount = 3;
    p.horizonTimes = {0, 0.05, 0.1, 0.3};
    const TieWindow window = HorizonWindow(p, 3, 1);
    EXPECT_DOUBLE_EQ(window.start, 0.06);
    EXPECT_DOUBLE_EQ(window.end, 0.31);
    EXPECT_EQ(ErrorOf([&] { HorizonWindow(p, 1, 4); }),
              "There is no horizon 4: the table holds 1 to 3.");
}

}  // namespace
}  // namespace tessarin::test
