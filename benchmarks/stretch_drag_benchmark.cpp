// What the window does when the user lets go of a knee dragged in Stretch Mode: the knees stored,
// the logs carried onto the stretched times, the synthetic recomputed and redrawn, and the tie
// measured with the stretch and without it (the tie window's drift plot), for a 10 000-sample
// synthetic (0.5 ms, 5 s) with ten knees, tied to a seismic trace at 2 ms, and for the example
// well F03-4 (680 samples at 2 ms) with five. Target: under 100 ms.

#include <benchmark/benchmark.h>

#include "app/gui_application.h"
#include "engine/auto_stretch.h"
#include "engine/project_tie.h"
#include "engine/stretch.h"
#include "files/open_project.h"
#include "long_well.h"
#include "model/settings.h"
#include "plot/plot_driver.h"

namespace {

using namespace tessarin;

// The synthetic itself, every fourth 0.5 ms sample, stands for the seismic at the well.
SampledTrace SeismicOf(const Project& project) {
    SampledTrace trace;
    trace.interval = 0.002;
    trace.firstTime = project.firstSampleTime;
    for (std::size_t i = 0; i * 4 < project.syntheticTrace.size(); ++i) {
        trace.values.push_back(project.syntheticTrace[i * 4]);
    }
    return trace;
}

// `count` knees `spacing` apart down the synthetic, each 1 ms later than the one above.
std::vector<StretchKnee> KneesDown(const Project& project, int count, double spacing) {
    std::vector<StretchKnee> knees;
    for (int k = 0; k < count; ++k) {
        const double t = project.firstSampleTime + 0.2 + spacing * k;
        knees.push_back({t, t + 0.001 * k});
    }
    return knees;
}

void MeasureKneeDrag(benchmark::State& state, Project project, std::vector<StretchKnee> knees,
                     bool tieWindow) {
    EnsureGuiApplication("stretch_drag_benchmark");
    PlotState plot;
    plot.dateText = "01-02-2024";
    PlotPicture picture;
    if (auto failure = RecomputeAndDisplay(project, plot, picture)) {
        state.SkipWithError(failure->c_str());
        return;
    }
    SetTieTrace(project, {}, SeismicOf(project));
    const std::size_t middle = knees.size() / 2;
    const double dropped = knees[middle].newTime;
    for (auto _ : state) {
        // The middle knee dragged 4 ms down, then back.
        knees[middle].newTime = knees[middle].newTime == dropped ? dropped + 0.004 : dropped;
        SetStretch(project, knees);
        if (auto failure = RecomputeAndDisplay(project, plot, picture)) {
            state.SkipWithError(failure->c_str());
            break;
        }
        if (tieWindow) {
            benchmark::DoNotOptimize(MeasureProjectTie(project));
            benchmark::DoNotOptimize(MeasureTieWithoutStretch(project));
        }
        benchmark::DoNotOptimize(picture.Image().constBits());
    }
}
// 0: the display alone; 1: and the tie window's measures, with and without the stretch, as the
// window does it.
void BM_KneeDragRedraw(benchmark::State& state) {
    const Project project = bench::LongWell();
    MeasureKneeDrag(state, project, KneesDown(project, 10, 0.4), state.range(0) == 1);
}
BENCHMARK(BM_KneeDragRedraw)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_KneeDragRedrawExampleWell(benchmark::State& state) {
    Project project;
    try {
        OpenProjectFile(project, MemorySettingsStore(),
                        TESSARIN_TEST_DATA_DIR "/f03_4_display.tsp");
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
        return;
    }
    MeasureKneeDrag(state, project, KneesDown(project, 5, 0.2), state.range(0) == 1);
}
BENCHMARK(BM_KneeDragRedrawExampleWell)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
