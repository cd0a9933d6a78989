// What the panels show, worked out without drawing: depth ticks, log grids, header lines and the
// horizon table.

#include <gtest/gtest.h>

#include <array>
#include <sstream>
#include <vector>

#include "files/export_texts.h"
#include "files/project_file.h"
#include "plot/depth_axis.h"
#include "plot/header_lines.h"
#include "plot/horizon_table.h"
#include "plot/log_grids.h"
#include "plot_fixture.h"

namespace tessarin::test {
namespace {

TEST(DepthTicks, TickPositionLengthAndLabelBetweenTwoSamples) {
    const struct {
        double d1, d2, interval;
        bool subsea;
        std::optional<double> offset;  // none: no tick between the two samples
        bool isLong;
        std::optional<double> label;
    } rows[] = {
        // Measured depth every ten feet: short ticks, long ones every 50, labels every 100.
        {1003.4, 1003.9, 10, false, {}, false, {}},
        {1009.8, 1010.3, 10, false, 0.2 / 0.5, false, {}},
        {1048.9, 1050.2, 10, false, 1.1 / 1.3, true, {}},
        {1000.0, 1003.0, 10, false, 0.0, true, 1000.0},
        {1995.0, 2005.0, 100, false, 0.5, true, 2000.0},
        // Seismic depths above the datum are negative: -10 lies halfway from -11 to -9.
        {-11.0, -9.0, 10, false, 0.5, false, {}},
        // Subsea elevations decrease downwards, labelled with their own value.
        {-995.0, -1005.0, 100, true, 0.5, true, -1000.0},
        {-1001.0, -1009.0, 10, true, {}, false, {}},
        {25.0, 19.0, 10, true, 5.0 / 6.0, false, {}},  // above sea level: 20 lies 5 of 6 ft down
        {5.0, -5.0, 100, true, 0.5, true, 0.0},        // crossing sea level
    };
    for (const auto& row : rows) {
        const auto tick = TickBetween(row.d1, row.d2, row.interval, row.subsea);
        SCOPED_TRACE(testing::Message() << row.d1 << " to " << row.d2 << " every " << row.interval);
        ASSERT_EQ(tick.has_value(), row.offset.has_value());
        if (tick) {
            EXPECT_NEAR(tick->sampleOffset, *row.offset, 1e-9);
            EXPECT_EQ(tick->isLong, row.isLong);
            EXPECT_EQ(tick->label, row.label);
        }
    }
}

TEST(LogGrids, RangesTitlesAndScalesFromTheLogRanges) {
    const struct {
        bool density;
        int units;
        double low, high;  // of the log
        double min, max;   // of the grid
        int divisions;
        const char* title;
        double scale;
    } rows[] = {
        {false, kEnglish, 4500, 15000, 4000, 16000, 3, "Velocity (kft/s)", 1440.0 / 22000},
        {false, kEnglish, 9999, 21000, 5000, 25000, 4, "Velocity (kft/s)", 1440.0 / 22000},
        {false, kEnglish, 10000, 15000, 10000, 15000, 1, "Velocity (kft/s)", 1440.0 / 22000},
        {false, kMetric, 3100, 4400, 3000, 4500, 1, "Velocity (km/s)", 1440.0 / 6000},
        {true, kEnglish, 2.05, 2.45, 2.0, 2.5, 1, "Density (g/cc)", 720},
        {true, kEnglish, 1.9, 3.2, 1.5, 3.5, 4, "Density (g/cc)", 720},
    };
    for (const auto& row : rows) {
        Project p = MakeKnownWell();
        p.measurementUnits = row.units;
        p.minVelocity = p.minDensity = row.low;
        p.maxVelocity = p.maxDensity = row.high;
        const LogGrid grid = row.density ? DensityGrid(p) : VelocityGrid(p, row.low, row.high);
        SCOPED_TRACE(testing::Message() << row.title << " " << row.low << " to " << row.high);
        EXPECT_EQ(grid.min, row.min);
        EXPECT_EQ(grid.max, row.max);
        EXPECT_EQ(grid.Divisions(), row.divisions);
        EXPECT_EQ(grid.title, row.title);
        EXPECT_DOUBLE_EQ(grid.scale, row.scale);
    }
}

TEST(HeaderText, LocationLinesWithEveryFieldEmptyOrBlankAreLeftOut) {
    using Fields = std::array<std::string, 6>;
    const struct {
        int format;
        Fields location;
        std::vector<std::string> lines;  // the location lines, before the elevations
    } cases[] = {
        {kTownshipRange, {"", "", "", "", "", ""}, {}},
        {kTownshipRange, {"", "", "", "", "", "42-201-00000"}, {"42-201-00000"}},
        {kTownshipRange, {"", "Texas", "", "", "", ""}, {" County, Texas"}},
        {kTownshipRange, {"", "", "", "", "4W", ""}, {"Section  -  - 4W"}},
        {kGeneralLocation, {"", "Block F03", "x", "y", "z", ""}, {"Block F03"}},
        {kGeneralLocation, {"North Sea", "", "", "", "", "F03-4"}, {"North Sea", "F03-4"}},
        // Export Data leaves an empty UWI as one blank: no blank line in the header after it.
        {kGeneralLocation, {"North Sea", "  ", "", "", "", " "}, {"North Sea"}},
        {kTownshipRange, {" ", "", " ", "", "", " "}, {}},
    };
    for (const auto& c : cases) {
        Project p = MakeKnownWell();
        p.locationType = c.format;
        p.wellLocation = c.location;
        const std::vector<std::string> lines = HeaderLines(p, "today");
        SCOPED_TRACE(testing::Message() << c.location[0] << "|" << c.location[1] << "|"
                                        << c.location[4] << "|" << c.location[5]);
        ASSERT_EQ(lines.size(), c.lines.size() + 4);
        EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + c.lines.size()), c.lines);
        EXPECT_EQ(lines[c.lines.size()].substr(0, 4), "KB =");
    }
}

// Numbers print the same whether typed or read back from the project file: the header and the
// export lines of a project do not change when it is saved and opened again.
TEST(HeaderText, TypedNumbersPrintAsTheyDoOnceSavedAndOpened) {
    Project typed = MakeKnownWell();
    typed.wellLocation = {};  // the elevations come first
    typed.kbElevation = Value::Text("99");
    typed.glElevation = Value::Text("90.50");
    typed.datumElevation = Value::Text("-0");
    typed.timeScale = Value::Text("12.70");
    typed.tracesPerUnit = Value::Text("ten");  // no number: as typed
    typed.waveletType = kBandpassWavelet;
    typed.lowCut = Value::Text("5.0");
    for (Value* v : {&typed.lowPass, &typed.highPass, &typed.highCut, &typed.phaseDegrees})
        *v = Value::Text("040");
    std::stringstream file;
    WriteProjectFile(typed, file);
    Project read;
    ReadProjectFile(read, file);
    const auto printed = [](const Project& p) {
        std::vector<std::string> lines = HeaderLines(p, "today");
        lines.push_back(WaveletText(p));
        return lines;
    };
    EXPECT_EQ(printed(read), printed(typed));
    EXPECT_EQ(printed(typed)[0] + "|" + printed(typed)[1] + "|" + printed(typed).back(),
              "KB = 99 ft   GL = 90.5 ft     Datum = 0 ft   Datum Velocity = 8000 ft/sec|"
              "Time scale = 12.7 inches/second   Traces/inch = ten   AGC length = None|"
              "Wavelet = 5-40-40-40 Hz  Phase = 40");
}

TEST(HorizonTable, DepthsTimesAndVelocities) {
    Project p = MakeKnownWell();
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
    SetHorizon(p, 2, "Top Chalk", 1100, 0.0);
    const auto rows = HorizonTableRows(p);
    EXPECT_EQ(rows[0][3], "-0.050");
    EXPECT_EQ(rows[0][4], "");  // no average velocity above the datum
    EXPECT_EQ(rows[1][5], "-----");
    EXPECT_EQ(rows[1][6], "-----");
    EXPECT_EQ(rows[1][7], "-----");
}

}  // namespace
}  // namespace tessarin::test
