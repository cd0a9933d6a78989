#include <gtest/gtest.h>

#include "plot/header_lines.h"
#include "plot/horizon_table.h"
#include "plot_fixture.h"

namespace tessarin::test {
namespace {

TEST(HeaderText, TownshipAndRangeWithASpecifiedDatum) {
    const Project p = MakeKnownWell();
    const std::vector<std::string> expected = {
        "Harris County, Texas",
        "Section 12 - 3N - 4W",
        "42-201-00000",
        "KB =  100  ft   GL =  90  ft     Datum =  0  ft   Datum Velocity = 8000 ft/sec",
        "Time scale = 5 inches/second   Traces/inch = 10   AGC length = None",
        "Sample rate = 2 msec   Acoustic impedance from sonic and density logs",
        "Date plotted: 01-02-2024   Measurement Units: English"};
    EXPECT_EQ(HeaderLines(p, "01-02-2024"), expected);
}

TEST(HeaderText, GeneralLocationMetricStartOfLogAndSurvey) {
    Project p = MakeKnownWell();
    p.locationType = kGeneralLocation;
    p.wellLocation = {"North Sea block F03", "Netherlands offshore", "x", "y", "z", "F03-4"};
    p.measurementUnits = kMetric;
    p.datumType = kStartOfLog;
    p.kbElevation = Value(30);
    p.glElevation = Value::Text("n/a");
    p.datumElevation = Value(-0.5);
    p.sampleIntervalUs = 250;
    p.impedanceType = kSonicOnly;
    p.gardnerFromDensity = true;
    p.gardnerCoefficient = 108.2812;
    p.applyVelocitySurvey = true;
    p.agcWindow = "0.5";
    const std::vector<std::string> lines = HeaderLines(p, "today");
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[0], "North Sea block F03");
    EXPECT_EQ(lines[1], "Netherlands offshore");
    EXPECT_EQ(lines[2], "F03-4");
    EXPECT_EQ(lines[3], "KB =  30  m   GL = n/a m   Datum = -.5  m");
    EXPECT_EQ(lines[4], "Time scale = 5 cm/second   Traces/cm = 10   AGC length = 0.5");
    EXPECT_EQ(lines[5],
              "Sample rate = .5 msec   Acoustic impedance from density log and sonic from "
              "Gardner constant = 108.2812");
    EXPECT_EQ(lines[6], "Velocity survey applied");
    EXPECT_EQ(lines[7], "Date plotted: today   Measurement Units: Metric");
}

TEST(HorizonTable, DepthsTimesAndVelocities) {
    const Project base = MakeKnownWell();
    Project p = base;
    p.firstSampleTime = 0.25;
    const auto rows = HorizonTableRows(p);
    ASSERT_EQ(rows.size(), 3u);
    // 1000 ft below the datum in 0.25 s two-way: 8000 ft/s.
    EXPECT_EQ(rows[0], (std::array<std::string, 8>{"start of log", "1100", "-1000", "0.250", "8000",
                                                   "", "", ""}));
    // 2000 ft in 0.45 s; the interval above: 1000 ft in 0.2 s.
    EXPECT_EQ(rows[1], (std::array<std::string, 8>{"Top Chalk", "2100", "-2000", "0.450", "8889",
                                                   "1000", "0.200", "10000"}));
    EXPECT_EQ(rows[2][7], "12500");
}

TEST(HorizonTable, HorizonAboveTheDatumAndTwoAtOneDepth) {
    Project p = MakeKnownWell();
    p.firstSampleTime = -0.05;  // start of log 0.05 s above the datum
    p.horizonDepths[2] = Value(1100);
    p.horizonTimes[2] = 0.0;
    const auto rows = HorizonTableRows(p);
    EXPECT_EQ(rows[0][3], "-0.050");
    EXPECT_EQ(rows[0][4], "");  // no average velocity above the datum
    EXPECT_EQ(rows[1][5], "-----");
    EXPECT_EQ(rows[1][6], "-----");
    EXPECT_EQ(rows[1][7], "-----");
}

}  // namespace
}  // namespace tessarin::test
