// Recompute plus full redraw of the display for a 10 000-sample synthetic (0.5 ms, 5 s) with 20
// traces in each polarity panel, sonic-density impedance, on the screen picture. Target: under
// 300 ms.

#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "app/gui_application.h"
#include "long_well.h"
#include "plot/painter_surface.h"
#include "plot/plot_driver.h"

namespace {

void BM_RecomputeAndRedraw(benchmark::State& state) {
    tessarin::EnsureGuiApplication("render_benchmark");
    tessarin::Project project = tessarin::bench::LongWell();
    tessarin::PlotState plot;
    plot.dateText = "01-02-2024";
    tessarin::PlotPicture picture;
    for (auto _ : state) {
        if (auto failure = tessarin::RecomputeAndDisplay(project, plot, picture)) {
            state.SkipWithError(failure->c_str());
            break;
        }
        benchmark::DoNotOptimize(picture.Image().constBits());
    }
}
BENCHMARK(BM_RecomputeAndRedraw)->Unit(benchmark::kMillisecond);

}  // namespace
