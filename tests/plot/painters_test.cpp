// The painters on a recording surface with simple text metrics: what they draw where, worked out
// by hand for the known well (see plot_fixture.h). Trace panels: normal centre 3450 (depth column
// 720 + 500 + 1870, half a panel of 360), reverse centre 4530.

#include <gtest/gtest.h>

#include <algorithm>

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
    static void ExpectAt(TwipPoint point, double x, double sample) {
        EXPECT_DOUBLE_EQ(point.x, x);
        EXPECT_NEAR(point.y, Y(sample), 1e-9);
    }
    std::vector<RecordedLine> BlueLines() const {
        std::vector<RecordedLine> blue;
        std::ranges::copy_if(surface.lines, std::back_inserter(blue),
                             [](const RecordedLine& line) { return line.colour == kBlue; });
        return blue;
    }
    // One trace per panel holding `samples` (sample, value) on zeros.
    void PaintOneTrace(double background, std::initializer_list<std::pair<int, double>> samples) {
        std::ranges::fill(project.syntheticTrace, background);
        for (const auto& [i, value] : samples) {
            project.syntheticTrace[i] = value;
        }
        project.traceCount = 1;
        Paint();
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
    ExpectAt(lobe.front(), 3450.0, 59);  // rises from 0 at sample 59
    ExpectAt(lobe[1], 3450.0 + 720.0, 60);
    ExpectAt(lobe.back(), 3450.0, 81);
    // The middle reverse trace: the negative samples swing right of its zero line at 4530.
    ExpectAt(surface.polygons[7][1], 4530.0 + 720.0, 140);
}

TEST_F(PaintedKnownWell, TimingLinesAndLabels) {
    project.timingLinesPer100ms = 10;  // every 10 ms: every 5 samples
    Paint();
    // Timing lines run from 630 right of the depth axis (at 1220) across the panels, from the
    // 0.2 s line (k = 0) to the line at or after the last sample (k = 275).
    std::vector<double> dotted;
    for (const RecordedLine& line : surface.lines) {
        if (line.style == PenStyle::kDotted && line.from.x == 1850.0) {
            dotted.push_back(line.from.y);
        }
    }
    ASSERT_EQ(dotted.size(), 56u);
    EXPECT_DOUBLE_EQ(dotted.front(), 2600.0);
    EXPECT_NEAR(dotted.back(), 2600.0 + 275 * 14.4, 1e-9);
    EXPECT_NEAR(state.readout.lastTimingLineY, 2600.0 + 275 * 14.4, 1e-9);
    EXPECT_NEAR(state.readout.lastTimingLineTime, 0.75, 1e-12);
    // Labels every 100 ms, on both sides, centred on their lines; the left one ends at 1790.
    EXPECT_DOUBLE_EQ(surface.Text("0.2").x, 1220.0 + 570.0 - 300.0);
    EXPECT_DOUBLE_EQ(surface.Text("0.2").y, 2600.0 - 100.0);
    for (const char* label : {"0.2", "0.3", "0.4", "0.5", "0.6", "0.7"}) {
        EXPECT_EQ(surface.Count(label), 2) << label;
    }
    EXPECT_EQ(surface.Count("0.8"), 0);
    // The right-hand labels stand in the margin where the horizon markers bend to their names:
    // each is cleared first, 30 twips around its text.
    ASSERT_EQ(surface.cleared.size(), 6u);
    for (const RecordedText& t : surface.texts) {
        if (t.text == "0.5" && t.x > 1790.0) {
            EXPECT_DOUBLE_EQ(surface.cleared[3].from.x, t.x - 30.0);
            EXPECT_DOUBLE_EQ(surface.cleared[3].to.x, t.x + 300.0 + 30.0);
            EXPECT_DOUBLE_EQ(surface.cleared[3].from.y, t.y);
            EXPECT_DOUBLE_EQ(surface.cleared[3].to.y, t.y + 200.0);
        }
    }
}

TEST_F(PaintedKnownWell, HorizonMarkersStayLevelAtTheirTimesAndBendOnlyInTheMargin) {
    // At 1 inch per second (2.88 twips per sample) the start of the log (sample 0), Top Chalk
    // (sample 50) and Base Chalk (4 ms below it) lie closer than a text line.
    project.timeScale = Value(1);
    project.horizonTimes[2] = 0.100;
    project.horizonCount = 4;
    SetHorizon(project, 3, "Base Chalk", 2150, 0.104);
    SetHorizon(project, 4, "end of log", 3975, 0.5);
    Paint();
    double panelsEnd = 0;  // where the dotted timing lines end
    for (const RecordedLine& line : surface.lines) {
        if (line.style == PenStyle::kDotted && line.colour == kBlack) {
            panelsEnd = std::max(panelsEnd, line.to.x);
        }
    }
    const auto blue = BlueLines();
    ASSERT_EQ(blue.size(), 12u);  // level line, bend and label stroke for each horizon
    const double samples[] = {0, 50, 52, 250};
    for (int h = 0; h < 4; ++h) {
        SCOPED_TRACE(h);
        const double y = 2600.0 + (samples[h] + 25) * 2.88;
        const RecordedLine& level = blue[3 * h];
        EXPECT_DOUBLE_EQ(level.from.x, 720.0 + 500.0 + 600.0);  // 600 right of the depth axis
        EXPECT_NEAR(level.from.y, y, 1e-9);
        EXPECT_NEAR(level.to.y, y, 1e-9);
        EXPECT_DOUBLE_EQ(level.to.x, panelsEnd);
        const RecordedLine& bend = blue[3 * h + 1];
        EXPECT_DOUBLE_EQ(bend.from.x, panelsEnd);
        EXPECT_DOUBLE_EQ(bend.to.x, panelsEnd + 400.0);  // the width of "0000"
    }
    // The crowded three spread about their mean (2569.9 for the first) one line apart, the first
    // kept below the top of the panels at 2600; the end of the log keeps its own place.
    const double labelY[] = {2600, 2800, 3000, 2600 + 275 * 2.88};
    for (int h = 0; h < 4; ++h) {
        EXPECT_NEAR(blue[3 * h + 1].to.y, labelY[h], 1e-9) << h;
        EXPECT_NEAR(blue[3 * h + 2].to.y, labelY[h], 1e-9) << h;
    }
    EXPECT_NEAR(surface.Text("Base Chalk").y, 3000.0 - 100.0, 1e-9);
    EXPECT_EQ(surface.Text("Base Chalk").colour, kBlue);
}

TEST_F(PaintedKnownWell, CrowdedLabelsSpreadUpAndDownAroundTheirHorizons) {
    // Three horizons 2 ms (28.8 twips) apart in the middle of the panels: the middle label stays
    // at its line, the others move one line up and down.
    project.horizonCount = 5;
    SetHorizon(project, 2, "A", 2300, 0.2404);
    SetHorizon(project, 3, "B", 2325, 0.2424);
    SetHorizon(project, 4, "C", 2350, 0.2444);
    SetHorizon(project, 5, "end of log", 3975, 0.5);
    Paint();
    const double middle = Y(121.2);
    EXPECT_NEAR(surface.Text("A").y + 100.0, middle - 200.0, 1e-6);
    EXPECT_NEAR(surface.Text("B").y + 100.0, middle, 1e-6);
    EXPECT_NEAR(surface.Text("C").y + 100.0, middle + 200.0, 1e-6);
}

TEST_F(PaintedKnownWell, ASmallTimeScaleLeavesOutTimeLabelsThatWouldTouch) {
    project.timeScale = Value(1);  // 100 ms is 144 twips, less than a 200-twip line
    Paint();
    for (const char* kept : {"0.2", "0.4", "0.6", "0.8"}) {
        EXPECT_EQ(surface.Count(kept), 2) << kept;
    }
    for (const char* left : {"0.3", "0.5", "0.7"}) {
        EXPECT_EQ(surface.Count(left), 0) << left;
    }
    EXPECT_EQ(surface.cleared.size(), 4u);
}

TEST_F(PaintedKnownWell, LabelsTooManyForThePanelsRiseBesideTheHeader) {
    // At 1 inch per second the panels are 864 twips tall (2600 to 3464): room for five labels,
    // not for the nine here.
    project.timeScale = Value(1);
    project.horizonCount = 9;
    for (int h = 2; h <= 8; ++h) {
        SetHorizon(project, h, ("H" + std::to_string(h)).c_str(), 2100, 0.05 * h);
    }
    SetHorizon(project, 9, "end of log", 3975, 0.5);
    Paint();
    std::vector<double> labels;
    for (const RecordedText& t : surface.texts) {
        if (t.colour == kBlue) {
            labels.push_back(t.y + 100.0);
        }
    }
    ASSERT_EQ(labels.size(), 9u);
    EXPECT_NEAR(labels.back(), 3464.0, 1e-9);  // the last stops at the last timing line
    EXPECT_LT(labels.front(), 2600.0);         // the first rises above the panels
    EXPECT_GE(labels.front(), 400.0);          // but not above the header's first line
    for (std::size_t i = 1; i < labels.size(); ++i) {
        EXPECT_NEAR(labels[i] - labels[i - 1], 200.0, 1e-9) << i;
    }
}

TEST_F(PaintedKnownWell, LabelsPushedPastThePanelsArePulledBackUp) {
    project.timeScale = Value(1);    // 2.88 twips per sample
    project.horizonTimes[2] = 0.48;  // sample 240, just above the end of the log at 250
    Paint();
    // Spread about their lines, "end of log" would stand at 3477.6, below the last timing line at
    // 2600 + 6 x 50 x 2.88 = 3464; it stops there and Top Chalk moves up to one line above it.
    EXPECT_NEAR(surface.Text("end of log").y, 3464.0 - 100.0, 1e-9);
    EXPECT_NEAR(surface.Text("Top Chalk").y, 3264.0 - 100.0, 1e-9);
    const auto blue = BlueLines();
    ASSERT_GE(blue.size(), 6u);
    EXPECT_NEAR(blue[3].to.y, 2600.0 + (240 + 25) * 2.88, 1e-9);  // its line keeps its time
    EXPECT_NEAR(blue[4].to.y, 3264.0, 1e-9);
}

TEST_F(PaintedKnownWell, LogGridsAndTheirPositionsForTheReadout) {
    Paint();
    // The specified datum velocity of 8000 widens the range below 10000: grid 5000 to 15000.
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
    EXPECT_EQ(surface.Text("2.0").font.points, 7.0);
    EXPECT_EQ(surface.Count("2.5"), 1);
    // The density curve at 2.3 g/cc starts after the missing samples above sample 40.
    const double x = r.densityGridLeftX + 0.3 * 720;
    double highest = 1e9;
    for (const RecordedLine& line : surface.lines) {
        if (std::abs(line.from.x - x) < 1e-6 && std::abs(line.to.x - x) < 1e-6) {
            highest = std::min({highest, line.from.y, line.to.y});
        }
    }
    EXPECT_NEAR(highest, Y(40), 1e-9);
}

TEST_F(PaintedKnownWell, DepthLabelsThatWouldTouchTheOneAboveAreLeftOut) {
    // Ticks every 10 ft put a label every 100 ft: 144 twips apart down to 2100 ft (10 ft per
    // sample), 115.2 below it, both less than the 200 twips of a text line. Each label that would
    // touch the one above goes, so every other one stays.
    project.depthTickInterval = 10;
    Paint();
    std::vector<std::string> labels;
    double bottomAbove = -1e9;
    for (const RecordedText& t : surface.texts) {
        if (t.x + 100.0 * t.text.size() <= 1220.0) {  // left of the depth axis
            labels.push_back(t.text);
            EXPECT_GT(t.y, bottomAbove) << t.text;
            bottomAbove = t.y + 200.0;
        }
    }
    std::vector<std::string> expected;
    for (int depth = 1100; depth <= 3900; depth += 200) {
        expected.push_back(std::to_string(depth));
    }
    EXPECT_EQ(labels, expected);
}

TEST_F(PaintedKnownWell, AnExtractedWaveletIsCaptionedWithWhereItCameFrom) {
    project.waveletType = kExtractedWavelet;
    project.extractedWavelet =
        ExtractedWavelet{{}, "line.sgy trace 5, 0.400-1.498 s, deterministic"};
    Paint();
    std::vector<std::string> texts;
    for (const RecordedText& t : surface.texts) {
        texts.push_back(t.text);
    }
    for (const char* shown :
         {"Extracted Wavelet", "line.sgy trace 5", "0.400-1.498 s, deterministic"}) {
        EXPECT_NE(std::ranges::find(texts, shown), texts.end()) << shown;
    }
    EXPECT_EQ(
        std::ranges::find_if(texts, [](const std::string& t) { return t.starts_with("Phase = "); }),
        texts.end());
}

TEST_F(PaintedKnownWell, PanelTitlesNeverOverlap) {
    // No traces: the panels shrink to their titles. A small screen factor closes up the panels
    // whose spacing does not follow their titles.
    for (const double factor : {1.0, 0.5}) {
        for (const int traces : {0, 1}) {
            SCOPED_TRACE(testing::Message() << traces << " traces at " << factor);
            project = MakeKnownWell();
            project.traceCount = traces;
            project.screenCorrection = Value(factor);
            surface = FakeSurface();
            Paint();
            const double titleY = state.Top() - 400.0;
            std::vector<std::pair<double, double>> titles;  // left and right ends, in order
            for (const RecordedText& t : surface.texts) {
                if (t.y == titleY) {
                    titles.emplace_back(t.x, t.x + 100.0 * t.text.size());
                }
            }
            ASSERT_EQ(titles.size(), 6u);  // depth, RC, normal, reverse, velocity, density
            for (std::size_t i = 1; i < titles.size(); ++i) {
                EXPECT_GT(titles[i].first, titles[i - 1].second) << "title " << i;
            }
            // At full scale the velocity track moved clear, not its title: still centred.
            const ReadoutPositions& r = state.readout;
            if (factor == 1.0) {
                EXPECT_NEAR((titles[4].first + titles[4].second) / 2.0,
                            (r.velocityGridLeftX + r.velocityGridRightX) / 2.0, 1e-9);
            }
        }
    }
}

}  // namespace
}  // namespace tessarin::test
