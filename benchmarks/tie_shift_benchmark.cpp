// What the window does when the user changes the bulk shift of a tied well: the shift stored, the
// synthetic recomputed and redrawn with its seismic panel, and the tie measured again, for a
// 10 000-sample synthetic (0.5 ms, 5 s) tied to a seismic trace at 2 ms. Target: under 100 ms.

#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "app/gui_application.h"
#include "engine/project_tie.h"
#include "engine/tie_shift.h"
#include "long_well.h"
#include "plot/plot_driver.h"

namespace {

// The synthetic itself, every fourth 0.5 ms sample and 12 ms later, stands for the seismic at the
// well.
tessarin::SampledTrace SeismicOf(const tessarin::Project& project) {
    tessarin::SampledTrace trace;
    trace.interval = 0.002;
    trace.firstTime = project.firstSampleTime + 0.012;
    for (std::size_t i = 0; i * 4 < project.syntheticTrace.size(); ++i) {
        trace.values.push_back(project.syntheticTrace[i * 4]);
    }
    return trace;
}

void BM_ShiftChangeRedraw(benchmark::State& state) {
    tessarin::EnsureGuiApplication("tie_shift_benchmark");
    tessarin::Project project = tessarin::bench::LongWell();
    tessarin::PlotState plot;
    plot.dateText = "01-02-2024";
    tessarin::PlotPicture picture;
    if (auto failure = tessarin::RecomputeAndDisplay(project, plot, picture)) {
        state.SkipWithError(failure->c_str());
        return;
    }
    tessarin::SetTieTrace(project, {}, SeismicOf(project));
    double shift = 0.0;
    for (auto _ : state) {
        shift = shift == 0.0 ? 0.0123 : 0.0;  // the box stepped one way, then back
        tessarin::SetTieShift(project, shift);
        if (auto failure = tessarin::RecomputeAndDisplay(project, plot, picture)) {
            state.SkipWithError(failure->c_str());
            break;
        }
        if (state.range(0) == 1) {
            benchmark::DoNotOptimize(tessarin::MeasureProjectTie(project));  // the tie window
        }
        benchmark::DoNotOptimize(picture.Image().constBits());
    }
}
// 0: the display alone (its header measures the lag); 1: and the tie window's measures, as the
// window does it.
BENCHMARK(BM_ShiftChangeRedraw)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
