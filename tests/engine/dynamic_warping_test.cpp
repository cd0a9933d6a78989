#include "engine/dynamic_warping.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <numeric>
#include <random>

#include "core_test_support.h"

namespace tessarin::test {
namespace {

using Shift = std::function<double(double)>;

// A random reflectivity, a spike every 2 ms from 0.1 to 2 s, convolved with a 30 Hz Ricker and
// sampled at `interval` from `first`; each spike lies `shift(t)` later than its time t. White
// noise of `noise` times the trace's RMS is added.
SampledTrace Earth(double first, double interval, int count, const Shift& shift, double noise = 0) {
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
    const double squares =
        std::inner_product(trace.values.begin(), trace.values.end(), trace.values.begin(), 0.0);
    std::mt19937 noiseRandom(7);
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
    SampledTrace seismic = Earth(0.25, 0.004, 420, drift, 0.2);
    for (double& v : seismic.values) {
        v = 1000 * v + 2000;  // on a scale of its own, and off zero
    }
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
    // The seismic's events come 4 ms late above 0.95 s and 12 ms late below, as across a fault.
    const Shift step = [](double t) { return t < 0.95 ? 0.004 : 0.012; };
    const SampledTrace seismic = Earth(0, 0.004, 500, step, 0.1);
    const SampledTrace synthetic = Synthetic(0.002);
    struct Case {
        double maxStrain;
        double climb;  // the steepest the lag steps allow: 0.5 ms every so many samples of 2 ms
    };
    for (const Case c :
         {Case{1, 4 * 0.25}, {0.3, 0.25}, {0.1, 0.25 / 3}, {0.05, 0.25 / 5}, {0.03, 0.25 / 9}}) {
        // Unsmoothed, the path climbs the step as steeply as it may.
        const Warping steepest = WarpToSeismic(synthetic, seismic, {0.3, 1.6},
                                               {.maxStrain = c.maxStrain, .smoothing = 0});
        EXPECT_NEAR(steepest.largestStrain, c.climb, 1e-9) << c.maxStrain;
        EXPECT_EQ(steepest.shifts.values.size(), 651u);
        const Warping w = WarpToSeismic(synthetic, seismic, {0.3, 1.6}, {.maxStrain = c.maxStrain});
        EXPECT_LE(w.largestStrain, c.climb + 1e-12);
        // It keeps to the shift on either side, beyond the climb and the smoothing.
        const double reach = 0.008 / c.climb + 0.06;
        EXPECT_LT(LargestMiss(w, step, 0.35, 0.95 - reach), 0.001) << c.maxStrain;
        EXPECT_LT(LargestMiss(w, step, 0.95 + reach, 1.55), 0.001) << c.maxStrain;
    }
    // A low strain bound cannot follow the step: the shift is far from it on either side.
    const Warping slow = WarpToSeismic(synthetic, seismic, {0.3, 1.6}, {.maxStrain = 0.03});
    EXPECT_GT(LargestMiss(slow, step, 0.85, 0.95), 0.002);
    EXPECT_GT(LargestMiss(slow, step, 0.95, 1.05), 0.002);
    // Without noise the unsmoothed path is the step itself but for one climb as steep as it
    // may: 8 ms at 1/12 takes 48 samples, and the mean over 3 samples rounds it off by one.
    const Warping exact = WarpToSeismic(synthetic, Earth(0, 0.004, 500, step), {0.3, 1.6},
                                        {.maxStrain = 0.1, .smoothing = 0});
    int off = 0;
    for (std::size_t i = 0; i < exact.shifts.values.size(); ++i) {
        off += std::fabs(exact.shifts.values[i] - step(exact.shifts.TimeAt(i))) > 1e-9;
    }
    EXPECT_LE(off, 48 + 1);
    // Nor can the shift go beyond the largest lag.
    const Warping near = WarpToSeismic(synthetic, seismic, {0.3, 1.6}, {.maxLag = 0.01});
    EXPECT_LT(LargestMiss(
                  near, [](double) { return 0.01; }, 1.2, 1.55),
              0.0003);
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
    const auto error = [](const SampledTrace& f, const SampledTrace& g, TieWindow window,
                          WarpingOptions options = {}) {
        return ErrorOf([&] { WarpToSeismic(f, g, window, options); });
    };
    for (const auto& [f, g] : {std::pair{SampledTrace{0.2, 0, synthetic.values}, seismic},
                               {synthetic, SampledTrace{0, 0, seismic.values}}}) {
        EXPECT_EQ(error(f, g, {0.3, 1.6}),
                  "Warping needs a computed synthetic and a seismic trace with samples.");
    }
    EXPECT_EQ(error(synthetic, {0, 0.004, std::vector<double>(90, 1)}, {0.3, 1.6}),
              "The synthetic and the seismic share no time to be warped: the seismic, less the "
              "0.100 s it must reach beyond the synthetic, ends at 0.256 s, before the window "
              "starts at 0.300 s.");
    // Seven samples are too few, eight enough.
    EXPECT_EQ(WarpToSeismic(synthetic, seismic, {1.0, 1.014}).shifts.values.size(), 8u);
    EXPECT_EQ(error(synthetic, seismic, {1.0, 1.012}, {.maxLag = 0.02}),
              "The synthetic and the seismic share too little time to be warped: 1.000 s to "
              "1.012 s, where at least 8 synthetic samples are needed with the seismic reaching "
              "0.020 s before and after them.");
    // At 2 ms, so that the synthetic's times read its samples as they are: flat in the window,
    // though not beyond it, at a level whose samples do not add up exactly.
    SampledTrace flatInWindow = Earth(0, 0.002, 1000, [](double) { return 0.0; });
    std::fill(flatInWindow.values.begin() + 150, flatInWindow.values.begin() + 801, 0.1);
    EXPECT_EQ(error(synthetic, flatInWindow, {0.3, 1.6}),
              "The seismic is flat from 0.300 s to 1.600 s: there is nothing to warp.");
    EXPECT_EQ(error({0.2, 0.002, std::vector<double>(300, 0)}, seismic, {0, 2}),
              "The synthetic is flat from 0.200 s to 0.798 s: there is nothing to warp.");
    struct Case {
        WarpingOptions options;
        const char* message;
    };
    for (const Case& c : {
             Case{{.maxLag = 0}, "Warping needs a largest shift above 0 s, not 0.000 s."},
             {{.maxStrain = 0}, "Warping needs a largest strain above 0 and at most 1, not 0.0."},
             {{.maxStrain = 1.5}, "Warping needs a largest strain above 0 and at most 1, not 1.5."},
             {{.smoothing = -0.01}, "Warping needs a smoothing of 0 s or more, not -0.010 s."},
         }) {
        EXPECT_EQ(error(synthetic, seismic, {0.3, 1.6}, c.options), c.message);
    }
}

}  // namespace
}  // namespace tessarin::test
