// The search around the well in memory: the synthetic against 11 x 11 traces of 1500 samples at
// 2 ms (3 s), each at lags of +-100 ms, and the best of them. Must stay under 200 ms.

#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "engine/trace_search.h"

namespace {

// A reflectivity-like series: a few sine waves beating against each other, `delay` later.
tessarin::SampledTrace Trace(double delay, double wobble) {
    tessarin::SampledTrace trace{0.5, 0.002, {}};
    for (int i = 0; i < 1500; ++i) {
        const double t = trace.firstTime + i * trace.interval - delay;
        trace.values.push_back(std::sin(2 * std::numbers::pi * 23 * t) +
                               0.7 * std::sin(2 * std::numbers::pi * 37 * t + 1 + wobble) +
                               0.4 * std::sin(2 * std::numbers::pi * 11 * t * (1 + 0.1 * t)));
    }
    return trace;
}

void BM_SearchTraces(benchmark::State& state) {
    const tessarin::SampledTrace synthetic = Trace(0, 0);
    std::vector<tessarin::SearchTrace> traces;
    for (int il = -5; il <= 5; ++il) {
        for (int xl = -5; xl <= 5; ++xl) {
            traces.push_back({il, xl, Trace(0.001 * (il + xl), 0.1 * std::hypot(il - 2, xl + 1))});
        }
    }
    for (auto _ : state) {
        const tessarin::TraceSearch search =
            tessarin::SearchTraces(synthetic, traces, std::nullopt, 0.100);
        const auto& best = search.cells[search.best.value_or(0)];
        if (!search.best || best.inlineOffset != 2 || best.crosslineOffset != -1) {
            state.SkipWithError("the search missed the trace that ties best");
            break;
        }
        benchmark::DoNotOptimize(best.best.r);
    }
}
BENCHMARK(BM_SearchTraces)->Unit(benchmark::kMillisecond);

}  // namespace
