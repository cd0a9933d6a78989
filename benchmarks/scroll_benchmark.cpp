// Scrolling the displayed 10 000-sample synthetic in a 1280 x 1000 main window: each step moves
// the vertical scroll bar by its small change and paints the plot surface. Scrolling must never
// recompute or redraw the display; a step should stay well under one frame at 60 Hz (16 ms).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QScrollBar>
#include <QWindow>

#include "long_well.h"
#include "model/settings.h"
#include "ui/main_window.h"
#include "ui/plot_view.h"

namespace {

QApplication& Application() {
    static int argc = 1;
    static char name[] = "scroll_benchmark";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static QApplication app(argc, argv);
    return app;
}

void BM_ScrollDisplayedSynthetic(benchmark::State& state) {
    Application();
    tessarin::Project project = tessarin::bench::LongWell();
    tessarin::MemorySettingsStore settings;
    tessarin::MainWindow window(project, settings);
    window.resize(1280, 1000);
    window.show();
    // Painting only happens in a window on the screen.
    while (!window.windowHandle() || !window.windowHandle()->isExposed()) {
        QApplication::processEvents();
    }
    window.CompleteStep(tessarin::ProjectStep::kLogsImported);
    if (auto failure = window.Recompute()) {
        state.SkipWithError(failure->c_str());
        return;
    }
    QScrollBar* vertical = window.View()->VerticalBar();
    QWidget* surface = window.View()->Surface();
    // Within the longest plot the screen can show, so that no message stops the run.
    const int last = std::min(vertical->maximum(), 3276);
    const int step = std::max(1, vertical->singleStep());
    const int drawn = window.DisplayCount();
    int value = 0;
    for (auto _ : state) {
        value = value + step > last ? 0 : value + step;
        vertical->setValue(value);
        surface->repaint();
    }
    if (window.DisplayCount() != drawn) {
        state.SkipWithError("scrolling drew the display again");
    }
    state.counters["picture_px_high"] = window.Picture().Image().height();
}
BENCHMARK(BM_ScrollDisplayedSynthetic)->Unit(benchmark::kMillisecond);

}  // namespace
