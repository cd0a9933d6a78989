// The stretch: its shift between and beyond the knees, the knees it refuses, what it does to the
// interval velocities, and the logs it carries onto the moved times, checked on a layered log
// whose stretched depths can be worked out by hand.

#include "engine/stretch.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core_test_support.h"

namespace tessarin::test {
namespace {

TEST(Stretch, ShiftIsLinearBetweenKneesAndConstantBeyondThem) {
    const std::vector<StretchKnee> knees = OrderedKnees({{1.2, 1.21}, {1.0, 1.002}, {1.5, 1.52}});
    ASSERT_EQ(knees.front().syntheticTime, 1.0);
    const std::pair<double, double> shifts[] = {
        {0.3, 0.002},  {1.0, 0.002}, {1.1, 0.006}, {1.2, 0.010},
        {1.35, 0.015}, {1.5, 0.020}, {2.9, 0.020},
    };
    for (const auto& [t, shift] : shifts) {
        EXPECT_NEAR(StretchShiftAt(knees, t), shift, 1e-12) << t;
        EXPECT_NEAR(UnstretchedTime(knees, StretchedTime(knees, t)), t, 1e-12) << t;
    }
    EXPECT_EQ(StretchShiftAt({}, 1.3), 0.0);

    const std::vector<StretchInterval> intervals = StretchIntervals(knees);
    ASSERT_EQ(intervals.size(), 2u);
    // 0.2 s of synthetic now take 0.208 s: the velocity there falls by 1 - 0.2 / 0.208.
    EXPECT_NEAR(intervals[0].strain, 0.04, 1e-12);
    EXPECT_NEAR(intervals[0].velocityChangePercent, -100.0 * 0.008 / 0.208, 1e-9);
    EXPECT_NEAR(intervals[1].velocityChangePercent, -100.0 * 0.01 / 0.31, 1e-9);
    EXPECT_NEAR(LargestVelocityChange(intervals), 100.0 * 0.008 / 0.208, 1e-9);
    EXPECT_NEAR(LargestKneeShift(knees), 0.02, 1e-15);
}

TEST(Stretch, RefusesKneesThatCrossOrShareATimeNamingBoth) {
    EXPECT_EQ(ErrorOf([] {
                  OrderedKnees({{1.0, 1.05}, {1.1, 1.04}});
              }),
              "The knees 1.0000 s to 1.0500 s and 1.1000 s to 1.0400 s cross: a later knee "
              "cannot move to or above an earlier one.");
    EXPECT_EQ(ErrorOf([] {
                  OrderedKnees({{1.1, 1.05}, {1.0, 1.05}});
              }),
              "The knees 1.0000 s to 1.0500 s and 1.1000 s to 1.0500 s cross: a later knee "
              "cannot move to or above an earlier one.");
    EXPECT_EQ(ErrorOf([] {
                  OrderedKnees({{1.0, 1.0}, {1.0, 1.1}});
              }),
              "The knees 1.0000 s to 1.0000 s and 1.0000 s to 1.1000 s start from the same time "
              "on the synthetic.");
    EXPECT_EQ(ErrorOf([] {
                  OrderedKnees({{1.0, std::nan("")}});
              }),
              "A knee of the stretch has a time that is not a number.");
    Project p = FreshProject();
    EXPECT_EQ(ErrorOf([&] {
                  SetStretch(p, {{1.0, 1.0}});
              }),
              "The project holds no seismic trace to stretch the synthetic to: load one first.");
}

// 201 samples at 2 ms from 0.5 s, 10 ft apart (a sonic of 100 us/ft); density 2.0 above 2000 ft,
// 2.5 below it, missing from 2800 ft.
TimeSampledLogs LayeredLog() {
    TimeSampledLogs logs;
    logs.lastSampleIndex = 200;
    for (int i = 0; i <= 210; ++i) {
        logs.depth.push_back(i <= 200 ? 1000.0 + 10 * i : 0);
        logs.sonic.push_back(i <= 200 ? 100.0 : 0);
        logs.density.push_back(i < 100 ? 2.0 : i < 180 ? 2.5 : i <= 200 ? kNoDensity : 0);
    }
    return logs;
}

TEST(Stretch, CarriesTheLogsOntoTheMovedTimes) {
    // 0.7 to 0.9 s take 10 % longer; below, everything is 20 ms later.
    const TimeSampledLogs logs = LayeredLog();
    const TimeSampledLogs out = StretchedLogs(logs, 1000, 0.5, {{0.7, 0.7}, {0.9, 0.92}});
    ASSERT_EQ(out.lastSampleIndex, 210);
    EXPECT_EQ(out.depth.size(), 221u);
    for (int j = 0; j <= 210; ++j) {
        const double time = 0.5 + 0.002 * j;
        const double synthetic = time <= 0.7    ? time
                                 : time <= 0.92 ? 0.7 + (time - 0.7) / 1.1
                                                : time - 0.02;
        EXPECT_NEAR(out.depth[j], 1000 + 5000 * (synthetic - 0.5), 1e-9) << j;
        if (j < 210) {
            const double sonic = time < 0.7 - 1e-9 ? 100 : time < 0.92 - 1e-9 ? 110 : 100;
            EXPECT_NEAR(out.sonic[j], sonic, 1e-6) << j;
        }
    }
    EXPECT_EQ(out.sonic[210], out.sonic[209]);
    // The density boundary at 2000 ft (0.7 s) stays there; 2800 ft moves from 0.86 to 0.876 s.
    EXPECT_EQ(out.density[99], 2.0);
    EXPECT_NEAR(out.density[100], 2.5, 1e-12);
    EXPECT_NEAR(out.density[187], 2.5, 1e-12);
    EXPECT_EQ(out.density[188], kNoDensity);
    EXPECT_EQ(out.density[210], logs.density[200]);

    // Half a sample later below 0.6 s: an interval straddles the boundary and takes the average
    // over its depths.
    const TimeSampledLogs half = StretchedLogs(logs, 1000, 0.5, {{0.5, 0.5}, {0.6, 0.601}});
    EXPECT_NEAR(half.depth[100], 1995, 1e-9);
    EXPECT_NEAR(half.density[100], 2.25, 1e-9);

    // A stretch that only shifts gives back the log itself.
    const TimeSampledLogs shifted = StretchedLogs(logs, 1000, 0.5, {{0.6, 0.612}, {0.8, 0.812}});
    EXPECT_EQ(shifted.depth, logs.depth);
    EXPECT_EQ(shifted.sonic, logs.sonic);
    EXPECT_EQ(shifted.density, logs.density);

    EXPECT_EQ(ErrorOf([&] {
                  StretchedLogs(logs, 1000, 0.5, {{0.6, 0.6}, {0.61, 70}});
              }),
              "The stretch makes the log 69.790 s long, more than the 32758 samples a project "
              "holds.");
}

}  // namespace
}  // namespace tessarin::test
