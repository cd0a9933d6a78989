// A "Start of Log" datum on wells whose KB and first depth have one or two decimals: the
// elevation arithmetic leaves binary noise of either sign for about half of them, and none of it
// may reach the picture, the SEG-Y trace or the horizon table.

#include <gtest/gtest.h>

#include <sstream>

#include "engine/datum.h"
#include "engine/synthetic.h"
#include "files/segy_export.h"
#include "files/text_export.h"
#include "plot/horizon_table.h"
#include "plot/layout.h"
#include "plot/plot_driver.h"
#include "plot_fixture.h"

namespace tessarin::test {
namespace {

// The known well moved to start at `firstDepth` below a KB at `kb`, with its horizons moved along.
Project StartOfLogWell(double kb, double firstDepth, const Value& datumVelocity) {
    Project p = MakeKnownWell();
    const double shift = firstDepth - p.timeDepth[0];
    for (double& depth : p.timeDepth) {
        depth += shift;
    }
    p.kbElevation = Value(kb);
    p.datumType = kStartOfLog;
    p.datumElevation = Value(0);
    p.datumVelocity = datumVelocity;
    SetHorizon(p, 1, "start of log", firstDepth, 0.0);
    SetHorizon(p, 2, "Top Chalk", p.timeDepth[100], 0.0);
    SetHorizon(p, 3, "end of log", p.timeDepth[250], 0.0);
    return p;
}

TEST(StartOfLogDatum, TimeZeroIsExactlyTheFirstSampleOnEveryPictureAndExport) {
    const struct {
        double kb, firstDepth;
    } wells[] = {
        {30.2, 812.4},   {1977.5, 2743.99},  {25.3, 1000.7},     {100.1, 5000.3},
        {3.14, 2718.28}, {12.7, 300.9},      {88.8, 1234.56},    {45.6, 3210.9},
        {77.7, 7777.7},  {2000.01, 2999.99}, {1500.25, 2500.75}, {0, 0.3},
    };
    // The datum velocity is not used with this datum, so not even 0 or a text may stop anything.
    const Value velocities[] = {Value(6000), Value(0), Value::Text("abc")};
    for (const auto& well : wells) {
        for (const Value& velocity : velocities) {
            SCOPED_TRACE(testing::Message()
                         << "KB " << well.kb << ", first depth " << well.firstDepth
                         << ", datum velocity " << velocity.ToText());
            Project p = StartOfLogWell(well.kb, well.firstDepth, velocity);
            ASSERT_EQ(RecomputeSynthetic(p), std::nullopt);
            ASSERT_NO_THROW(ComputeStartTime(p));
            FakeSurface surface;
            PlotState state;
            ASSERT_NO_THROW(ComputeHorizontalLayout(p, surface));
            ASSERT_NO_THROW(ComputeVerticalLayout(p, state, surface));
            ASSERT_NO_THROW(PaintDisplay(p, state, surface));

            EXPECT_EQ(p.firstSampleTime, 0.0);
            // The time axis starts with the 0.0 line at the first sample, with no band above it.
            EXPECT_EQ(surface.Count("-0.1"), 0);
            EXPECT_EQ(surface.Count("0.0"), 2);
            EXPECT_EQ(state.SampleY(0), state.plotOriginY);

            // Every sample of the log is in the trace, the first in slot 0.
            const SegyTraceLayout layout = PlanSegyTrace(p);
            EXPECT_EQ(layout.sampleCount, p.lastSampleIndex + 1);
            EXPECT_EQ(SegyTraceValues(p, layout, Polarity::kNormal).front(), p.syntheticTrace[0]);
            std::ostringstream segy;
            std::ostringstream text;
            EXPECT_NO_THROW(WriteSegy(p, Polarity::kNormal, 1, segy));
            EXPECT_NO_THROW(WriteTextExport(p, text));

            // The first horizon lies at the datum: time 0 and no average velocity.
            const auto rows = HorizonTableRows(p);
            ASSERT_EQ(rows.size(), 3u);
            EXPECT_EQ(rows[0][3], "0.000");
            EXPECT_EQ(rows[0][4], "");
            // The next one, 1000 ft down in 0.2 s.
            EXPECT_EQ(rows[1][3], "0.200");
            EXPECT_EQ(rows[1][4], "10000");
        }
    }
}

}  // namespace
}  // namespace tessarin::test
