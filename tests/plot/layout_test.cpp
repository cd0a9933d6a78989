#include "plot/layout.h"

#include <gtest/gtest.h>

#include "fake_surface.h"
#include "model/error.h"
#include "plot_fixture.h"

namespace tessarin::test {
namespace {

// With the fake metrics: "00000" is 500 twips wide, "Reverse" 700, "start of log" 1200; a line
// is 200 twips high.

TEST(PlotLayout, HeaderHoldsTenLinesATitleLineAnd400Twips) {
    Project p = MakeKnownWell();
    FakeSurface surface;
    EXPECT_DOUBLE_EQ(ComputeHeaderHeight(p, surface), 10 * 200.0 + 400.0 + 200.0);
    EXPECT_DOUBLE_EQ(p.headerHeight, 2600.0);
    EXPECT_DOUBLE_EQ(surface.Font().points, 8.25);
}

TEST(PlotLayout, PictureWidthOfTheKnownWell) {
    Project p = MakeKnownWell();
    FakeSurface surface;
    // Depth column 720 + 500 + 1120 + 750; trace panels of 5 traces at 0.1 inch (720 twips)
    // 360 apart; velocity track 25000 x 1440 / 22000; density 3.5 x 720 + 141; names 1200 + 1000.
    const double expected =
        720 + 500 + 1870 + 360 + 1080 + 360 + 25000 * 1440.0 / 22000 + 2520 + 141 + 1200 + 1000;
    EXPECT_NEAR(ComputeHorizontalLayout(p, surface), expected, 1e-9);
    EXPECT_NEAR(p.plotWidth, 11387.3636, 1e-4);
    EXPECT_DOUBLE_EQ(p.traceSpacingInches, 0.1);
}

TEST(PlotLayout, WidthReservesTheWiderVelocityRuleAndTheReverseTitle) {
    Project p = MakeKnownWell();
    FakeSurface surface;
    // One trace: the reverse title (700 wide) reaches past the panel's half width of 72.
    p.traceCount = 1;
    // Metric, a narrow grid: 150 + 9000 s / 2 exceeds 7500 s for no positive s, so 7500 s.
    p.measurementUnits = kMetric;
    p.tracesPerUnit = Value::Text("4");  // 1/4 cm = 0.0984 inch
    const double panel = 1440.0 / 4 / 2.54;
    const double reverseCentre = 3090 + panel / 2 + 360 + panel;
    const double expected = reverseCentre + 350 + 7500 * 1440.0 / 6000 + 2520 + 141 + 2200;
    EXPECT_NEAR(ComputeHorizontalLayout(p, surface), expected, 1e-9);
}

TEST(PlotLayout, ScreenCorrectionShrinksDrawingButNotThePictureWidth) {
    Project p = MakeKnownWell();
    p.screenCorrection = Value(0.8);
    FakeSurface surface;
    // Text widths measured on the picture enter the layout divided by the factor: the depth
    // column's "00000", the reverse title (whose half, 437.5, now passes the panel's 360) and the
    // widest horizon name.
    const double f = 0.8f;
    EXPECT_NEAR(ComputeHorizontalLayout(p, surface),
                11387.3636 + (500 / f - 500) + (350 / f - 360) + (1200 / f - 1200), 1e-3);
    PlotState state;
    ComputeVerticalLayout(p, state, surface);
    EXPECT_NEAR(state.screenTwipsPerSample, 14.4 * 0.8, 1e-6);
}

TEST(PlotLayout, PictureHeightOfTheKnownWell) {
    Project p = MakeKnownWell();
    FakeSurface surface;
    PlotState state;
    const double height = ComputeVerticalLayout(p, state, surface);
    EXPECT_DOUBLE_EQ(state.twipsPerSample, kKnownTwipsPerSample);
    EXPECT_DOUBLE_EQ(state.plotOriginY, 2600.0);
    EXPECT_DOUBLE_EQ(p.firstSampleTime, 0.25);
    EXPECT_DOUBLE_EQ(state.firstLabelTime, 0.2);
    EXPECT_NEAR(state.firstLabelSampleOffset, 25.0, 1e-9);
    // Time panels end at the 100-ms line after sample 250 (6 x 50 samples past the first line)
    // plus half a line; the wavelet panel (3.7 lines and 51 samples) is the lowest part.
    const double timeBottom = 2600 + 50 * 14.4 * 6 + 100;
    EXPECT_NEAR(height, timeBottom + 450 + 3.7 * 200 + 14.4 * 51 + 720, 1e-9);
    // Sample 100 lies 125 samples below the 0.2 s line.
    EXPECT_NEAR(state.SampleY(100), 2600 + 125 * 14.4, 1e-9);
}

TEST(PlotLayout, SurveyListingCanDecideThePictureHeight) {
    Project p = MakeKnownWell();
    p.applyVelocitySurvey = true;
    p.velocitySurveyCount = 9;  // two groups of seven
    FakeSurface surface;
    PlotState state;
    const double timeBottom = 2600 + 50 * 14.4 * 6 + 100;
    const double tables = timeBottom + 450 + 4 * 1.2 * 200 + 200 * 1.2 * (2 + 2.1 * 2);
    EXPECT_NEAR(ComputeVerticalLayout(p, state, surface), tables + 720, 1e-9);
}

TEST(PlotLayout, TimeScalesAndTimingLines) {
    Project p = MakeKnownWell();
    p.measurementUnits = kMetric;  // 5 cm per second
    EXPECT_DOUBLE_EQ(TwipsPerSample(p), 5 / 2.54 * 1440 * 0.002);
    p.measurementUnits = kEnglish;
    p.timingLinesPer100ms = 5;  // 20 msec
    FakeSurface surface;
    PlotState state;
    ComputeVerticalLayout(p, state, surface);
    EXPECT_EQ(state.samplesPer100ms, 50);
    EXPECT_EQ(state.samplesPerTimingLine, 10);
    p.sampleRateIndex = 2;
    p.sampleIntervalUs = 250;
    ComputeVerticalLayout(p, state, surface);
    EXPECT_EQ(state.samplesPer100ms, 200);
    EXPECT_EQ(state.samplesPerTimingLine, 40);
}

// Constant 10 ft per sample from `firstDepth`; KB 100.
Project EvenLog(double firstDepth, double datum, double datumVelocity) {
    Project p = MakeKnownWell();
    for (int i = 0; i <= p.lastSampleIndex; ++i) {
        p.timeDepth[i] = firstDepth + 10.0 * i;
    }
    p.datumElevation = Value(datum);
    p.datumVelocity = Value(datumVelocity);
    return p;
}

TEST(PlotLayout, StartTimeOfALogBelowTheDatum) {
    // 948 ft below the datum at 8000 ft/s: 0.237 s.
    Project p = EvenLog(1048, 0, 8000);
    FakeSurface surface;
    PlotState state;
    ComputeVerticalLayout(p, state, surface);
    EXPECT_NEAR(p.firstSampleTime, 0.237, 1e-12);
    EXPECT_DOUBLE_EQ(state.firstLabelTime, 0.2);
    EXPECT_NEAR(state.firstLabelSampleOffset, 18.5, 1e-9);  // 37 ms above sample 0
}

TEST(PlotLayout, StartTimeOfALogAboveTheDatum) {
    // Sample elevations -900 - 10 i: the datum at -965 lies halfway between samples 6 and 7.
    Project p = EvenLog(1000, -965, 8000);
    FakeSurface surface;
    PlotState state;
    ComputeVerticalLayout(p, state, surface);
    EXPECT_NEAR(p.firstSampleTime, -0.013, 1e-12);
    EXPECT_DOUBLE_EQ(state.firstLabelTime, -0.1);
    EXPECT_NEAR(state.firstLabelSampleOffset, 43.5, 1e-9);
}

TEST(PlotLayout, DatumAtTheStartOfTheLogFollowsTheLog) {
    Project p = EvenLog(1234.5, 999, 0);  // no datum velocity is needed
    p.datumType = kStartOfLog;
    FakeSurface surface;
    PlotState state;
    ComputeVerticalLayout(p, state, surface);
    EXPECT_DOUBLE_EQ(p.datumElevation.Number(), 100 - 1234.5);
    EXPECT_DOUBLE_EQ(p.firstSampleTime, 0.0);
    EXPECT_DOUBLE_EQ(state.firstLabelTime, 0.0);
    EXPECT_DOUBLE_EQ(state.firstLabelSampleOffset, 0.0);
    EXPECT_DOUBLE_EQ(state.SampleY(0), state.plotOriginY);
}

TEST(PlotLayout, PlotsThatCannotBeLaidOutSayWhy) {
    FakeSurface surface;
    PlotState state;
    Project above = EvenLog(1000, -99999, 8000);
    try {
        ComputeVerticalLayout(above, state, surface);
        ADD_FAILURE() << "every sample above the datum was accepted";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(),
                     "Every sample of the log lies above the seismic datum, so the plot has no "
                     "time zero.");
    }
    Project noVelocity = EvenLog(1100, 0, 0);
    EXPECT_THROW(ComputeVerticalLayout(noVelocity, state, surface), Error);
    Project textScale = MakeKnownWell();
    textScale.timeScale = Value::Text("fast");
    try {
        ComputeVerticalLayout(textScale, state, surface);
        ADD_FAILURE() << "a time scale that is no number was accepted";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "The time scale \"fast\" is not a number.");
    }
    Project noTraces = MakeKnownWell();
    noTraces.tracesPerUnit = Value(0);
    EXPECT_THROW(ComputeHorizontalLayout(noTraces, surface), Error);
}

TEST(PlotLayout, VerticalScrollRangeAndThePlotLengthLimit) {
    // R = (20000 - 6000) + 5 x 15 + 300 + 255 = 14630 twips.
    const VerticalScrollRange range = ComputeVerticalScrollRange(20000, 6000, 15, 300, 255);
    EXPECT_EQ(range.max, 1460);
    EXPECT_EQ(range.largeChange, 292);
    EXPECT_EQ(range.smallChange, 58);
    EXPECT_DOUBLE_EQ(*PictureTopForScroll(0, 15), 450.0);
    EXPECT_DOUBLE_EQ(*PictureTopForScroll(3276, 15), 450.0 - 32760.0);
    EXPECT_FALSE(PictureTopForScroll(3277, 15).has_value());
}

}  // namespace
}  // namespace tessarin::test
