// The painters on a recording surface with simple text metrics: what they draw where, worked out
// by hand for the known well (see plot_fixture.h). Trace panels: normal centre 3450 (depth column
// 720 + 500 + 1870, half a panel of 360), reverse centre 4530.

#include <gtest/gtest.h>

#include <algorithm>

#include "fake_surface.h"
#include "plot/layout.h"
#include "plot/plot_driver.h"
#include "plot_fixture.h"

namespace tessarin::test {
namespace {

class PaintedKnownWell : public ::testing::Test {
protected:
    void Paint() {
        ComputeHorizontalLayout(project, surface);
        ComputeVerticalLayout(project, state, surface);
        PaintDisplay(project, state, surface);
    }
    // y of sample i: the 0.2 s line at 2600 lies 25 samples above sample 0.
    static double Y(double i) { return 2600.0 + (i + 25.0) * kKnownTwipsPerSample; }

    std::vector<const RecordedLine*> LinesOfColour(Rgb colour) const {
        std::vector<const RecordedLine*> found;
        for (const RecordedLine& line : surface.lines) {
            if (line.colour == colour) {
                found.push_back(&line);
            }
        }
        return found;
    }

    Project project = MakeKnownWell();
    PlotState state;
    FakeSurface surface;
};

TEST_F(PaintedKnownWell, EachTraceFillsItsLobeBetweenZeroLineAndWiggle) {
    Paint();
    // Five traces per panel, one lobe each (+1 on samples 60-80 in the normal panel, the mirrored
    // -1 on 140-160 in the reverse panel), and the positive middle of the Ricker wavelet.
    ASSERT_EQ(surface.polygons.size(), 11u);
    // The middle normal trace (third drawn): zero line at 3450, deflection 0.5 inch = 720 twips.
    const auto& lobe = surface.polygons[2];
    ASSERT_EQ(lobe.size(), 23u);
    EXPECT_DOUBLE_EQ(lobe.front().x, 3450.0);
    EXPECT_NEAR(lobe.front().y, Y(59), 1e-9);  // rises from 0 at sample 59
    EXPECT_DOUBLE_EQ(lobe[1].x, 3450.0 + 720.0);
    EXPECT_NEAR(lobe[1].y, Y(60), 1e-9);
    EXPECT_DOUBLE_EQ(lobe.back().x, 3450.0);
    EXPECT_NEAR(lobe.back().y, Y(81), 1e-9);
    // The middle reverse trace: the negative samples swing right of its zero line at 4530.
    const auto& reversed = surface.polygons[7];
    EXPECT_DOUBLE_EQ(reversed[1].x, 4530.0 + 720.0);
    EXPECT_NEAR(reversed[1].y, Y(140), 1e-9);
}

TEST_F(PaintedKnownWell, AllPositiveTraceIsOneLobeFromFirstToLastSample) {
    std::fill(project.syntheticTrace.begin(), project.syntheticTrace.end(), 0.1);
    project.traceCount = 1;
    Paint();
    // One normal lobe, no reverse lobe, one wavelet lobe.
    ASSERT_EQ(surface.polygons.size(), 2u);
    const auto& lobe = surface.polygons[0];
    EXPECT_NEAR(lobe.front().y, Y(0), 1e-9);
    EXPECT_NEAR(lobe.back().y, Y(250), 1e-9);
    EXPECT_EQ(lobe.size(), 251u + 2u);
}

TEST_F(PaintedKnownWell, LobeStartsAtAZeroSampleAfterANegativeOne) {
    std::fill(project.syntheticTrace.begin(), project.syntheticTrace.end(), 0.0);
    project.syntheticTrace[10] = -0.4;
    project.syntheticTrace[11] = 0.0;
    project.syntheticTrace[12] = 0.4;
    project.syntheticTrace[13] = -0.4;  // crosses halfway to sample 13
    project.traceCount = 1;
    Paint();
    const auto& lobe = surface.polygons[0];
    ASSERT_EQ(lobe.size(), 3u);
    EXPECT_NEAR(lobe[0].y, Y(11), 1e-9);
    EXPECT_NEAR(lobe[1].y, Y(12), 1e-9);
    EXPECT_NEAR(lobe[2].y, Y(12.5), 1e-9);
}

TEST_F(PaintedKnownWell, TimingLinesAndLabels) {
    project.timingLinesPer100ms = 10;  // every 10 ms: every 5 samples
    Paint();
    std::vector<const RecordedLine*> dotted;
    for (const RecordedLine& line : surface.lines) {
        // Timing lines run from 630 right of the depth axis (at 1220) across the panels.
        if (line.style == PenStyle::kDotted && line.from.x == 1850.0) {
            dotted.push_back(&line);
        }
    }
    // From the 0.2 s line (k = 0) to the line at or after the last sample (k = 275).
    ASSERT_EQ(dotted.size(), 56u);
    EXPECT_DOUBLE_EQ(dotted.front()->from.y, 2600.0);
    EXPECT_NEAR(dotted.back()->from.y, 2600.0 + 275 * 14.4, 1e-9);
    EXPECT_NEAR(state.readout.lastTimingLineY, 2600.0 + 275 * 14.4, 1e-9);
    EXPECT_NEAR(state.readout.lastTimingLineTime, 0.75, 1e-12);
    // Labels every 100 ms, on both sides, centred on their lines; the left one ends at 1790.
    const RecordedText* first = surface.FindText("0.2");
    ASSERT_NE(first, nullptr);
    EXPECT_DOUBLE_EQ(first->x, 1220.0 + 570.0 - 300.0);
    EXPECT_DOUBLE_EQ(first->y, 2600.0 - 100.0);
    int labels = 0;
    for (const RecordedText& t : surface.texts) {
        labels += t.text == "0.2" || t.text == "0.3" || t.text == "0.4" || t.text == "0.5" ||
                  t.text == "0.6" || t.text == "0.7";
    }
    EXPECT_EQ(labels, 12);
    EXPECT_EQ(surface.FindText("0.8"), nullptr);
}

TEST_F(PaintedKnownWell, HorizonLabelsArePushedDownButLinesKeepTheirTimes) {
    // At 1 inch per second 4 ms is 5.76 twips, far less than a text line (200).
    project.timeScale = Value(1);
    project.horizonTimes[2] = 0.100;
    project.horizonNames[3] = "Base Chalk";
    project.horizonTimes[3] = 0.104;
    project.horizonDepths[3] = Value(2150);
    project.horizonCount = 4;
    project.horizonNames[4] = "end of log";
    project.horizonTimes[4] = 0.5;
    project.horizonDepths[4] = Value(3975);
    Paint();
    const double tps = 2.88;
    const auto blue = LinesOfColour(kBlue);
    ASSERT_EQ(blue.size(), 8u);  // a slanted and a short level line per horizon
    const RecordedLine& chalk = *blue[2];
    const RecordedLine& base = *blue[4];
    EXPECT_NEAR(chalk.from.y, 2600.0 + (50 + 25) * tps, 1e-9);
    EXPECT_NEAR(base.from.y, 2600.0 + (52 + 25) * tps, 1e-9);
    EXPECT_NEAR(base.to.y, chalk.to.y + 200.0, 1e-9);
    const RecordedText* name = surface.FindText("Base Chalk");
    ASSERT_NE(name, nullptr);
    EXPECT_NEAR(name->y, base.to.y - 100.0, 1e-9);
    EXPECT_EQ(name->colour, kBlue);
}

TEST_F(PaintedKnownWell, LabelsPushedPastThePanelsArePulledBackUp) {
    project.timeScale = Value(1);    // 2.88 twips per sample
    project.horizonTimes[2] = 0.48;  // sample 240, just above the end of the log at 250
    Paint();
    const double tps = 2.88;
    // Pushed down, "end of log" would stand at 3363.2 + 200, below the last timing line at
    // 2600 + 6 x 50 x 2.88 = 3464; it stops there and Top Chalk moves up to one line above it.
    const RecordedText* end = surface.FindText("end of log");
    const RecordedText* chalk = surface.FindText("Top Chalk");
    ASSERT_NE(end, nullptr);
    ASSERT_NE(chalk, nullptr);
    EXPECT_NEAR(end->y, 3464.0 - 100.0, 1e-9);
    EXPECT_NEAR(chalk->y, 3264.0 - 100.0, 1e-9);
    const auto blue = LinesOfColour(kBlue);
    EXPECT_NEAR(blue[2]->from.y, 2600.0 + (240 + 25) * tps, 1e-9);  // its line keeps its time
    EXPECT_NEAR(blue[2]->to.y, 3264.0, 1e-9);
}

TEST_F(PaintedKnownWell, LogGridsAndTheirPositionsForTheReadout) {
    Paint();
    // The specified datum velocity of 8000 widens the range below 10000: grid 5000 to 15000.
    EXPECT_DOUBLE_EQ(project.minVelocity, 8000.0);
    const ReadoutPositions& r = state.readout;
    EXPECT_DOUBLE_EQ(r.velocityGridMin, 5000.0);
    EXPECT_DOUBLE_EQ(r.velocityGridMax, 15000.0);
    // Velocity 0 sits where the title (1600 wide) centres over the grid, 225 past the traces
    // (which end at 4890): 4890 + 225 + 800 - 10000 x 1440 / 22000.
    const double s = 1440.0 / 22000.0;
    const double origin = 4890 + 225 + 800 - 10000 * s;
    EXPECT_NEAR(r.velocityGridLeftX, origin + 5000 * s, 1e-9);
    EXPECT_NEAR(r.velocityGridRightX, origin + 15000 * s, 1e-9);
    // Density 2.3 throughout: grid 2.0 to 2.5 at 720 twips per g/cc, after the velocity title
    // (which ends at origin + 10000 s + 800).
    ASSERT_TRUE(r.densityGridDrawn);
    EXPECT_DOUBLE_EQ(r.densityGridMin, 2.0);
    EXPECT_DOUBLE_EQ(r.densityGridMax, 2.5);
    const double densityOrigin = origin + 10000 * s + 800 + 225 + 700 - 720 * 2.25;
    EXPECT_NEAR(r.densityGridLeftX, densityOrigin + 2.0 * 720, 1e-9);
    EXPECT_NEAR(r.densityGridRightX, densityOrigin + 2.5 * 720, 1e-9);
    EXPECT_NE(surface.FindText("2.0"), nullptr);
    EXPECT_NE(surface.FindText("2.5"), nullptr);
    EXPECT_EQ(surface.FindText("2.0")->font.points, 7.0);
}

TEST_F(PaintedKnownWell, DensityCurveStartsAfterTheMissingSamples) {
    Paint();
    const double x = state.readout.densityGridLeftX + 0.3 * 720;  // 2.3 g/cc
    double highest = 1e9;
    for (const RecordedLine& line : surface.lines) {
        if (line.style == PenStyle::kSolid && std::abs(line.from.x - x) < 1e-6 &&
            std::abs(line.to.x - x) < 1e-6) {
            highest = std::min({highest, line.from.y, line.to.y});
        }
    }
    EXPECT_NEAR(highest, Y(40), 1e-9);
}

TEST_F(PaintedKnownWell, DepthAxisLabelsEveryThousandFeet) {
    Paint();
    // MD 2000 ft lies at sample 90 (10 ft per sample from 1100 ft); 3000 at 100 + 900 / 12.5.
    const RecordedText* label = surface.FindText("2000");
    ASSERT_NE(label, nullptr);
    EXPECT_DOUBLE_EQ(label->x, 1220.0 - 400.0 - 150.0);
    EXPECT_NEAR(label->y, Y(90) - 100.0, 1e-9);
    ASSERT_NE(surface.FindText("3000"), nullptr);
    EXPECT_NEAR(surface.FindText("3000")->y, Y(172) - 100.0, 1e-9);
    for (const RecordedText& t : surface.texts) {
        EXPECT_FALSE(t.text == "1000" && t.x < 1220.0) << "the log starts below 1000 ft";
    }
    EXPECT_NE(surface.FindText("Depth (MD)"), nullptr);
}

TEST_F(PaintedKnownWell, TablesAndWaveletStartBelowTheTimeAxis) {
    Paint();
    // The pen ends on the last timing line, at k = 300 (0.8 s).
    EXPECT_NEAR(state.timeAxisEndY, 2600.0 + 300 * 14.4, 1e-9);
    const RecordedText* title = surface.FindText("Horizon");
    ASSERT_NE(title, nullptr);
    EXPECT_TRUE(title->font.bold);
    EXPECT_NEAR(title->y, state.timeAxisEndY + 450 + 20, 1e-9);
    ASSERT_NE(surface.FindText("Ricker Wavelet"), nullptr);
    EXPECT_NE(surface.FindText("Frequency (Hz) = 25"), nullptr);
    EXPECT_NE(surface.FindText("Length = 0.100 Sec"), nullptr);
    // Name column: "start of log" and one "A"; seven columns of "AAAAAA".
    EXPECT_DOUBLE_EQ(state.horizonTableRight, 720 + 1300 + 7 * 600);
}

}  // namespace
}  // namespace tessarin::test
