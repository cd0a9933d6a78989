#include "plot/depth_axis.h"

#include <gtest/gtest.h>

#include "plot/log_grids.h"
#include "plot_fixture.h"

namespace tessarin::test {
namespace {

TEST(DepthTicks, MeasuredDepthEveryTenFeet) {
    EXPECT_FALSE(TickBetween(1003.4, 1003.9, 10, false).has_value());

    const auto shortTick = TickBetween(1009.8, 1010.3, 10, false);
    ASSERT_TRUE(shortTick.has_value());
    EXPECT_NEAR(shortTick->sampleOffset, 0.2 / 0.5, 1e-9);
    EXPECT_FALSE(shortTick->isLong);
    EXPECT_FALSE(shortTick->label.has_value());

    const auto longTick = TickBetween(1048.9, 1050.2, 10, false);
    ASSERT_TRUE(longTick.has_value());
    EXPECT_NEAR(longTick->sampleOffset, 1.1 / 1.3, 1e-9);
    EXPECT_TRUE(longTick->isLong);
    EXPECT_FALSE(longTick->label.has_value());

    const auto labelled = TickBetween(1000.0, 1003.0, 10, false);
    ASSERT_TRUE(labelled.has_value());
    EXPECT_DOUBLE_EQ(labelled->sampleOffset, 0.0);
    EXPECT_TRUE(labelled->isLong);
    EXPECT_EQ(labelled->label, 1000.0);

    const auto crossing = TickBetween(1995.0, 2005.0, 100, false);
    ASSERT_TRUE(crossing.has_value());
    EXPECT_DOUBLE_EQ(crossing->sampleOffset, 0.5);
    EXPECT_EQ(crossing->label, 2000.0);
}

TEST(DepthTicks, SubseaElevationsDecreaseDownwards) {
    // -995 to -1005 ft: the tick at -1000, halfway, labelled with its own elevation.
    const auto tick = TickBetween(-995.0, -1005.0, 100, true);
    ASSERT_TRUE(tick.has_value());
    EXPECT_DOUBLE_EQ(tick->sampleOffset, 0.5);
    EXPECT_TRUE(tick->isLong);
    EXPECT_EQ(tick->label, -1000.0);
    EXPECT_FALSE(TickBetween(-1001.0, -1009.0, 10, true).has_value());
    // Above sea level the tick still falls between its two samples: 20 ft lies 5 of 6 ft down.
    const auto above = TickBetween(25.0, 19.0, 10, true);
    ASSERT_TRUE(above.has_value());
    EXPECT_NEAR(above->sampleOffset, 5.0 / 6.0, 1e-12);
    // Crossing sea level.
    const auto sea = TickBetween(5.0, -5.0, 100, true);
    ASSERT_TRUE(sea.has_value());
    EXPECT_DOUBLE_EQ(sea->sampleOffset, 0.5);
    EXPECT_EQ(sea->label, 0.0);
}

TEST(DepthTicks, SeismicDepthsAboveTheDatumAreNegative) {
    // -11 to -9 ft below the datum: the tick at -10 lies halfway.
    const auto tick = TickBetween(-11.0, -9.0, 10, false);
    ASSERT_TRUE(tick.has_value());
    EXPECT_DOUBLE_EQ(tick->sampleOffset, 0.5);
}

Project WithRanges(int units, double minV, double maxV, double minD, double maxD) {
    Project p = MakeKnownWell();
    p.measurementUnits = units;
    p.minVelocity = minV;
    p.maxVelocity = maxV;
    p.minDensity = minD;
    p.maxDensity = maxD;
    return p;
}

TEST(LogGrids, EnglishVelocityRanges) {
    const LogGrid slow = VelocityGrid(WithRanges(kEnglish, 4500, 15000, 2, 2));
    EXPECT_EQ(slow.min, 4000);
    EXPECT_EQ(slow.max, 16000);
    EXPECT_EQ(slow.Divisions(), 3);
    EXPECT_EQ(slow.title, "Velocity (kft/s)");
    const LogGrid almost = VelocityGrid(WithRanges(kEnglish, 9999, 21000, 2, 2));
    EXPECT_EQ(almost.min, 5000);
    EXPECT_EQ(almost.max, 25000);
    EXPECT_EQ(almost.Divisions(), 4);
    const LogGrid fast = VelocityGrid(WithRanges(kEnglish, 10000, 15000, 2, 2));
    EXPECT_EQ(fast.min, 10000);
    EXPECT_EQ(fast.max, 15000);
    EXPECT_DOUBLE_EQ(fast.scale, 1440.0 / 22000.0);
}

TEST(LogGrids, MetricVelocityAndDensityRanges) {
    const LogGrid metric = VelocityGrid(WithRanges(kMetric, 3100, 4400, 2, 2));
    EXPECT_EQ(metric.min, 3000);
    EXPECT_EQ(metric.max, 4500);
    EXPECT_EQ(metric.Divisions(), 1);
    EXPECT_EQ(metric.title, "Velocity (km/s)");
    EXPECT_DOUBLE_EQ(metric.scale, 1440.0 / 6000.0);
    const LogGrid density = DensityGrid(WithRanges(kEnglish, 1, 1, 2.05, 2.45));
    EXPECT_EQ(density.min, 2.0);
    EXPECT_EQ(density.max, 2.5);
    EXPECT_EQ(density.Divisions(), 1);
    const LogGrid wide = DensityGrid(WithRanges(kEnglish, 1, 1, 1.9, 3.2));
    EXPECT_EQ(wide.min, 1.5);
    EXPECT_EQ(wide.max, 3.5);
    EXPECT_EQ(wide.Divisions(), 4);
}

}  // namespace
}  // namespace tessarin::test
