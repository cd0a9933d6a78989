#include "engine/dynamic_warping.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <random>

#include "core_test_support.h"

namespace tessarin::test {
namespace {

using Shift = std::function<double(double)>;

// A random reflectivity, a spike every 2 ms from 0.1 to 2 s, convolved with a 30 Hz Ricker and
// sampled at `interval` from `first`; each spike lies `shift(t)` later than its time t. White
// noise of `noise` times the trace's RMS is added.
SampledTrace Earth(double first, double interval, int count, const Shift& shift, double noise = 0,
                   unsigned seed = 7) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> spike(-1, 1);
    SampledTrace trace{first, interval, std::vector<double>(static_cast<std::size_t>(count))};
    for (double t = 0.1; t < 2; t += 0.002) {
        const double r = spike(random);
        const double at = t + shift(t);
        for (int i = 0; i < count; ++i) {
            const double x = std::pow(std::numbers::pi * 30 * (trace.TimeAt(i) - at), 2);
            trace.values[static_cast<std::size_t>(i)] +=
                x < 25 ? r * (1 - 2 * x) * std::exp(-x) : 0;
        }
    }
    double squares = 0;
    for (const double v : trace.values) {
        squares += v * v;
    }
    std::mt19937 noiseRandom(seed);
    std::normal_distribution<double> white(0, noise * std::sqrt(squares / count));
    for (double& v : trace.values) {
        v += noise > 0 ? white(noiseRandom) : 0;
    }
    return trace;
}

SampledTrace Synthetic(double interval) {
    return Earth(0.2, interval, static_cast<int>(std::lround(1.5 / interval)),
                 [](double) { return 0.0; });
}

// The largest |shift - expected| from `from` to `to`.
double LargestMiss(const Warping& w, const Shift& expected, double from, double to) {
    double miss = 0;
    for (std::size_t i = 0; i < w.shifts.values.size(); ++i) {
        const double t = w.shifts.TimeAt(i);
        if (t >= from && t <= to) {
            miss = std::max(miss, std::fabs(w.shifts.values[i] - expected(t)));
        }
    }
    return miss;
}

TEST(Warping, FollowsASmoothDriftWithinAMillisecond) {
    // 0 ms at the top of the window to 20 ms at its bottom, with a 4 ms bump 150 ms wide at half
    // height.
    const Shift drift = [](double t) {
        return 0.020 * (t - 0.35) / 1.25 +
               0.004 * std::exp(-4 * std::numbers::ln2 * std::pow((t - 1.0) / 0.15, 2));
    };
    const SampledTrace seismic = Earth(0.25, 0.004, 420, drift, 0.2);
    for (const double interval : {0.002, 0.001, 0.0005}) {
        // The seismic begins at 0.25 s: the window's top is cut to 0.35 s, 100 ms below it.
        const Warping w = WarpToSeismic(Synthetic(interval), seismic, {0.3, 1.6});
        EXPECT_NEAR(w.shifts.firstTime, 0.35, 1e-9);
        EXPECT_NEAR(w.shifts.LastTime(), 1.6, 1e-9);
        EXPECT_EQ(w.shifts.interval, interval);
        // The ends are free: there the path has only one side to hold it, and the smoothing too.
        EXPECT_LT(LargestMiss(w, drift, 0.39, 1.56), 0.001) << interval;
        EXPECT_LE(w.largestStrain, 0.05 + 1e-12);
    }
}

TEST(Warping, ShiftIsNeverSteeperThanTheStrainAllows) {
    // 12 ms more within 300 ms from 0.7 s: a strain of up to 0.063.
    const Shift ramp = [](double t) {
        const double x = std::clamp((t - 0.7) / 0.3, 0.0, 1.0);
        return 0.004 + 0.006 * (1 - std::cos(std::numbers::pi * x));
    };
    const SampledTrace seismic = Earth(0, 0.004, 500, ramp, 0.1);
    struct Case {
        double maxStrain;
        double climb;  // the steepest the lag steps allow: 0.5 ms every so many samples of 2 ms
    };
    for (const Case c : {Case{0.1, 0.5 / 6}, {0.03, 0.5 / 18}}) {
        const Warping w =
            WarpToSeismic(Synthetic(0.002), seismic, {0.3, 1.6}, {.maxStrain = c.maxStrain});
        EXPECT_LE(w.largestStrain, c.climb + 1e-12);
        EXPECT_LT(LargestMiss(w, ramp, 0.35, 0.5), 0.001);
        EXPECT_LT(LargestMiss(w, ramp, 1.45, 1.55), 0.001);
        if (c.climb > 0.063) {
            EXPECT_LT(LargestMiss(w, ramp, 0.35, 1.55), 0.001);
        } else {
            // It climbs as steeply as it may, and cannot keep up.
            EXPECT_GT(w.largestStrain, c.climb - 0.001);
            EXPECT_GT(LargestMiss(w, ramp, 0.6, 1.2), 0.002);
        }
    }
}

TEST(Warping, RidesOverACycleSkippedSection) {
    // From 0.9 to 1.05 s the seismic is a copy of what lies 57 ms further down, so that there
    // the synthetic matches it best 57 ms earlier than the drift of 3 ms at the top to 11 ms at
    // the bottom.
    const Shift drift = [](double t) { return 0.003 + 0.008 * (t - 0.3) / 1.3; };
    const Shift skipped = [&](double t) { return drift(t) - 0.057; };
    SampledTrace seismic = Earth(0, 0.004, 500, drift, 0.2);
    const SampledTrace further = Earth(0.057, 0.004, 500, drift, 0.2);
    for (std::size_t i = 225; i <= 262; ++i) {
        seismic.values[i] = further.values[i];
    }
    const SampledTrace synthetic = Synthetic(0.002);
    // Warped alone, the section follows the copy.
    EXPECT_LT(LargestMiss(WarpToSeismic(synthetic, seismic, {0.95, 1.04}), skipped, 0.95, 1.04),
              0.002);
    // In the whole window the shift strays no further than the strain lets it from either side
    // of the section (0.05 x 75 ms), and keeps to the drift elsewhere.
    const Warping w = WarpToSeismic(synthetic, seismic, {0.3, 1.6});
    EXPECT_LT(LargestMiss(w, drift, 0.35, 0.85), 0.001);
    EXPECT_LT(LargestMiss(w, drift, 0.85, 1.1), 0.00375 + 0.001);
    EXPECT_LT(LargestMiss(w, drift, 1.1, 1.55), 0.001);
}

TEST(Warping, RefusesWhatCannotBeWarped) {
    const SampledTrace synthetic = Synthetic(0.002);
    const SampledTrace seismic = Earth(0, 0.004, 500, [](double) { return 0.0; });
    struct Case {
        SampledTrace synthetic, seismic;
        TieWindow window;
        WarpingOptions options;
        const char* message;
    };
    const Case cases[] = {
        {synthetic,
         {0, 0.004, std::vector<double>(90, 1)},
         {0.3, 1.6},
         {},
         "The synthetic and the seismic share too little time to be warped: 0.300 s to 0.256 s, "
         "where at least 8 synthetic samples are needed with the seismic reaching 0.100 s before "
         "and after them."},
        {synthetic,
         seismic,
         {1.0, 1.01},
         {.maxLag = 0.02},
         "The synthetic and the seismic share too little time to be warped: 1.000 s to 1.010 s, "
         "where at least 8 synthetic samples are needed with the seismic reaching 0.020 s before "
         "and after them."},
        {synthetic,
         {0, 0.004, std::vector<double>(500, 0.1)},
         {0.3, 1.6},
         {},
         "The seismic is flat from 0.300 s to 1.600 s: there is nothing to warp."},
        {{0.2, 0.002, std::vector<double>(300, 0)},
         seismic,
         {0, 2},
         {},
         "The synthetic is flat from 0.200 s to 0.798 s: there is nothing to warp."},
        {synthetic,
         seismic,
         {0.3, 1.6},
         {.maxLag = 0},
         "Warping needs a largest shift above 0 s, not 0.000 s."},
        {synthetic,
         seismic,
         {0.3, 1.6},
         {.maxStrain = 0},
         "Warping needs a largest strain above 0 and at most 1, not 0.0."},
        {synthetic,
         seismic,
         {0.3, 1.6},
         {.maxStrain = 1.5},
         "Warping needs a largest strain above 0 and at most 1, not 1.5."},
        {synthetic,
         seismic,
         {0.3, 1.6},
         {.smoothing = -0.01},
         "Warping needs a smoothing of 0 s or more, not -0.010 s."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ErrorOf([&] { WarpToSeismic(c.synthetic, c.seismic, c.window, c.options); }),
                  c.message);
    }
}

}  // namespace
}  // namespace tessarin::test
