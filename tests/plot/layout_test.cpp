#include "plot/layout.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "engine/datum.h"
#include "model/error.h"
#include "plot_fixture.h"

namespace tessarin::test {
namespace {

// With the fake metrics: "00000" is 500 twips wide, "Reverse" 700, "start of log" 1200; a line
// is 200 twips high.
class PlotLayout : public ::testing::Test {
protected:
    double Width() { return ComputeHorizontalLayout(p, surface); }
    double Height() { return ComputeVerticalLayout(p, state, surface); }

    Project p = MakeKnownWell();
    FakeSurface surface;
    PlotState state;
};

// The time panels of the known well end at the 100-ms line after sample 250 (6 x 50 samples past
// the 0.2 s line at 2600) plus half a line.
constexpr double kKnownTimeBottom = 2600 + 50 * 14.4 * 6 + 100;

TEST_F(PlotLayout, WidthReservesTheWiderVelocityRuleAndTheReverseTitle) {
    // One trace: the reverse panel keeps clear of the normal title (half of "Normal", 300, and
    // "Reverse", 700, past the normal centre), and the reverse title (700 wide) reaches past the
    // panel's half width of 72.
    p.traceCount = 1;
    // Metric, a narrow grid: 150 + 9000 s / 2 exceeds 7500 s for no positive s, so 7500 s.
    p.measurementUnits = kMetric;
    p.tracesPerUnit = Value::Text("4");  // 1/4 cm = 0.0984 inch
    const double panel = 1440.0 / 4 / 2.54;
    const double reverseCentre = 3090 + panel / 2 + 300 + 700;
    EXPECT_NEAR(Width(), reverseCentre + 350 + 7500 * 1440.0 / 6000 + 2520 + 141 + 2200, 1e-9);
}

TEST_F(PlotLayout, PictureHeightOfTheKnownWell) {
    const double height = Height();
    EXPECT_DOUBLE_EQ(state.twipsPerSample, kKnownTwipsPerSample);
    // Ten lines of header, a title line and 400 twips.
    EXPECT_DOUBLE_EQ(ComputeHeaderHeight(p, surface), 10 * 200.0 + 200.0 + 400.0);
    EXPECT_DOUBLE_EQ(state.plotOriginY, 2600.0);
    EXPECT_DOUBLE_EQ(p.firstSampleTime, 0.25);
    EXPECT_DOUBLE_EQ(state.firstLabelTime, 0.2);
    EXPECT_NEAR(state.firstLabelSampleOffset, 25.0, 1e-9);
    // The wavelet panel (3.7 lines and 51 samples) is the lowest part.
    EXPECT_NEAR(height, kKnownTimeBottom + 450 + 3.7 * 200 + 14.4 * 51 + 720, 1e-9);
    // Sample 100 lies 125 samples below the 0.2 s line.
    EXPECT_NEAR(state.SampleY(100), 2600 + 125 * 14.4, 1e-9);
}

TEST_F(PlotLayout, TimeScalesAndTimingLines) {
    p.measurementUnits = kMetric;  // 5 cm per second
    EXPECT_DOUBLE_EQ(TwipsPerSample(p), 5 / 2.54 * 1440 * 0.002);
    p.measurementUnits = kEnglish;
    p.timingLinesPer100ms = 5;  // 20 msec
    Height();
    EXPECT_EQ(state.samplesPer100ms, 50);
    EXPECT_EQ(state.samplesPerTimingLine, 10);
    p.sampleRateIndex = 2;
    p.sampleIntervalUs = 250;
    Height();
    EXPECT_EQ(state.samplesPer100ms, 200);
    EXPECT_EQ(state.samplesPerTimingLine, 40);
}

TEST_F(PlotLayout, StartTimeAndFirstTimeLabelOfAnEvenLog) {
    const struct {
        double firstDepth, datum, datumVelocity;  // 10 ft per sample from firstDepth; KB 100
        int datumType;
        double firstSampleTime, firstLabelTime, labelOffset;  // sample 0 below the label line
    } rows[] = {
        // 948 ft below the datum at 8000 ft/s: 0.237 s, 37 ms below the 0.2 s line.
        {1048, 0, 8000, kSpecifiedDatum, 0.237, 0.2, 18.5},
        // Sample elevations -900 - 10 i: the datum at -965 lies halfway between samples 6 and 7.
        {1000, -965, 8000, kSpecifiedDatum, -0.013, -0.1, 43.5},
        // A datum at the start of the log follows the log; no datum velocity is needed.
        {1234.5, 999, 0, kStartOfLog, 0.0, 0.0, 0.0},
    };
    for (const auto& row : rows) {
        p = MakeKnownWell();
        for (int i = 0; i <= p.lastSampleIndex; ++i) {
            p.timeDepth[i] = row.firstDepth + 10.0 * i;
        }
        p.datumType = row.datumType;
        p.datumElevation = Value(row.datum);
        p.datumVelocity = Value(row.datumVelocity);
        SCOPED_TRACE(testing::Message()
                     << "log from " << row.firstDepth << ", datum " << row.datum);
        ComputeStartTime(p);
        Height();
        EXPECT_NEAR(p.firstSampleTime, row.firstSampleTime, 1e-12);
        EXPECT_DOUBLE_EQ(state.firstLabelTime, row.firstLabelTime);
        EXPECT_NEAR(state.firstLabelSampleOffset, row.labelOffset, 1e-9);
        EXPECT_NEAR(state.SampleY(0), 2600 + row.labelOffset * 14.4, 1e-9);
    }
    EXPECT_DOUBLE_EQ(p.datumElevation.Number(), 100 - 1234.5);
}

// The known well's picture is 4610 + 351 x 2.88 s twips high at a time scale of s inches per
// second: at most 32767 pixels of 15 twips allow 481.654 in/s, or 1223.40 cm/s.
TEST_F(PlotLayout, ATimeScaleTooLargeToDrawNamesTheLargestThatFits) {
    const std::string tooTall =
        " makes the plot too tall to draw. The largest time scale that "
        "fits is ";
    const std::tuple<int, Value, std::string> rows[] = {
        {kEnglish, Value(481.65), ""},
        {kEnglish, Value::Text("fast"), ""},  // told by the drawing
        {kEnglish, Value(481.66),
         "A time scale of 481.66 inches/sec" + tooTall + "481.65 inches/sec."},
        {kMetric, Value::Text("30000"),
         "A time scale of 30000 cm/sec" + tooTall + "1223.4 cm/sec."},
    };
    for (const auto& [units, timeScale, message] : rows) {
        p.measurementUnits = units;
        p.timeScale = timeScale;
        EXPECT_EQ(TimeScaleTooLarge(p, surface).value_or(""), message) << timeScale.ToText();
    }
    // An old project holding such a scale opens at the largest that fits.
    p.projectChanged = false;
    EXPECT_EQ(FitTimeScaleToPicture(p, surface).value_or(""),
              "A time scale of 30000 cm/sec" + tooTall +
                  "1223.4 cm/sec. The project is shown at 1223.4 cm/sec.");
    EXPECT_TRUE(p.timeScale == Value(1223.4) && p.projectChanged);
    EXPECT_FALSE(FitTimeScaleToPicture(p, surface));
}

TEST_F(PlotLayout, PlotsThatCannotBeLaidOutSayWhy) {
    const struct {
        std::function<void(Project&)> change;
        const char* message;
    } rows[] = {
        {[](Project& w) { w.datumElevation = Value(-99999); },
         "Every sample of the log lies above the seismic datum, so the plot has no time zero."},
        {[](Project& w) { w.datumVelocity = Value(0); },
         "The seismic datum velocity must be greater than zero."},
        {[](Project& w) { w.timeScale = Value::Text("fast"); },
         "The time scale \"fast\" is not a number."},
        {[](Project& w) { w.timeScale = Value(0); }, "The time scale must be greater than zero."},
        {[](Project& w) { w.tracesPerUnit = Value(0); },
         "The number of traces per inch or centimetre must be greater than zero."},
        {[](Project& w) { w.screenCorrection = Value(0); },
         "The screen scale correction must be a positive number."},
    };
    for (const auto& row : rows) {
        p = MakeKnownWell();
        row.change(p);
        try {
            ComputeStartTime(p);
            Width();
            Height();
            ADD_FAILURE() << "accepted, expected: " << row.message;
        } catch (const Error& e) {
            EXPECT_STREQ(e.what(), row.message);
        }
    }
}

// A scroll past the plot length limit (32767 twips, scroll values of 10 twips) goes as far as the
// limit allows.
TEST(PlotLengthLimit, AScrollPastTheLimitStopsAtTheFarthestAllowedPosition) {
    for (const auto& [asked, allowed] :
         {std::pair{0, 0}, {3276, 3276}, {3277, 3276}, {40000, 3276}, {-5000, -3276}}) {
        EXPECT_EQ(ScrollValueWithinLimit(asked), allowed) << asked;
        EXPECT_TRUE(PictureTopForScroll(allowed, 15.0)) << asked;
    }
}

}  // namespace
}  // namespace tessarin::test
