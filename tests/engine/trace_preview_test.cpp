// What Load Seismic Trace's preview shows: a 6 s trace whose first sample is a spike, previewed
// over the synthetic's times with a margin, and the tie window in them.

#include "engine/trace_preview.h"

#include <gtest/gtest.h>

#include "core_test_support.h"
#include "engine/project_tie.h"
#include "engine/synthetic.h"
#include "engine/synthetic_trace.h"
#include "files/open_project.h"
#include "model/settings.h"

namespace tessarin {
namespace {

struct Case {
    PreviewTimes times;
    TieWindow shown;
    std::optional<TieWindow> window;
    double largest;
};

TEST(TracePreview, ShowsTheSyntheticsTimesWithTheTieWindow) {
    SampledTrace trace{0, 0.004, std::vector<double>(1501, 0.0)};
    trace.values[0] = 100;   // the spike at 0 s
    trace.values[200] = -3;  // at 0.8 s
    trace.values[1400] = 2;  // at 5.6 s
    const TieWindow synthetic{0.4, 1.6};
    const Case cases[] = {
        {{synthetic, {}}, {0.34, 1.66}, synthetic, 3},
        {{synthetic, TieWindow{1.0, 2.0}}, {0.34, 1.66}, TieWindow{1.0, 1.66}, 3},
        {{synthetic, TieWindow{2.0, 3.0}}, {0.34, 1.66}, std::nullopt, 3},
        {{TieWindow{5.5, 7}, {}}, {5.425, 7}, TieWindow{5.5, 6}, 2},  // no margin past the trace
        {{TieWindow{0, 1}, {}}, {0, 1.05}, TieWindow{0, 1}, 100},
        {{TieWindow{7, 8}, {}}, {0, 6}, std::nullopt, 100},  // the synthetic misses the trace
        {{}, {0, 6}, std::nullopt, 100},
    };
    for (const Case& c : cases) {
        const TracePreview p = PreviewOf(trace, c.times);
        EXPECT_DOUBLE_EQ(p.shown.start, c.shown.start);
        EXPECT_DOUBLE_EQ(p.shown.end, c.shown.end);
        ASSERT_EQ(p.window.has_value(), c.window.has_value()) << c.shown.start;
        if (c.window) {
            EXPECT_DOUBLE_EQ(p.window->start, c.window->start);
            EXPECT_DOUBLE_EQ(p.window->end, c.window->end);
        }
        EXPECT_EQ(p.largest, c.largest) << c.shown.start;
    }
}

// Each of the project's times is left out alone when it cannot be found.
TEST(TracePreview, TakesTheProjectsSyntheticAndTieWindow) {
    Project p;
    OpenProjectFile(p, MemorySettingsStore(), test::DataPath("f03_4_display.tsp"));
    ASSERT_EQ(RecomputeSynthetic(p), std::nullopt);
    SetTieTrace(p, {}, {0, 0.004, std::vector<double>(10, 1.0)});
    SetTieWindow(p, {TieWindowChoice::By::kHorizons, 0, 0, "MFS11", "Nowhere"});
    const SampledTrace synthetic = SyntheticTrace(p);
    const PreviewTimes times = ProjectPreviewTimes(p);
    ASSERT_TRUE(times.synthetic);
    EXPECT_EQ(times.synthetic->start, synthetic.firstTime);
    EXPECT_EQ(times.synthetic->end, synthetic.LastTime());
    EXPECT_FALSE(times.window);
    SetTieWindow(p, {TieWindowChoice::By::kTimes, 0.5, 0.9, {}, {}});
    EXPECT_EQ(ProjectPreviewTimes(p).window->end, 0.9);
    p.syntheticTrace.clear();
    EXPECT_FALSE(ProjectPreviewTimes(p).synthetic);
}

}  // namespace
}  // namespace tessarin
