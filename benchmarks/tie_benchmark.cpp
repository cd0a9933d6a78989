// The tie measures over a 1500-sample window at 2 ms (3 s) with lags of +-100 ms: correlation at
// every lag, the joint phase and lag scan, the fit and the drift in 200 ms windows. Must stay
// under 50 ms.

#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>

#include "engine/tie.h"

namespace {

// A reflectivity-like series: a few sine waves beating against each other, sampled at `interval`.
tessarin::SampledTrace Trace(double first, double interval, int count, double delay) {
    tessarin::SampledTrace trace{first, interval, {}};
    for (int i = 0; i < count; ++i) {
        const double t = first + i * interval - delay;
        trace.values.push_back(std::sin(2 * std::numbers::pi * 23 * t) +
                               0.7 * std::sin(2 * std::numbers::pi * 37 * t + 1) +
                               0.4 * std::sin(2 * std::numbers::pi * 11 * t * (1 + 0.1 * t)));
    }
    return trace;
}

void BM_MeasureTie(benchmark::State& state) {
    const tessarin::SampledTrace synthetic = Trace(0.5, 0.002, 1500, 0);
    const tessarin::SampledTrace seismic = Trace(0.0, 0.004, 1000, 0.013);
    for (auto _ : state) {
        const tessarin::TieMeasures tie = tessarin::MeasureTie(synthetic, seismic);
        if (tie.lagR.size() != 101 || tie.drift.empty()) {
            state.SkipWithError("the tie did not cover the window");
            break;
        }
        benchmark::DoNotOptimize(tie.bestPhase.r);
    }
}
BENCHMARK(BM_MeasureTie)->Unit(benchmark::kMillisecond);

}  // namespace
