// Auto Stretch of a 1500-sample synthetic at 2 ms (3 s) to a seismic trace at 4 ms with a drift
// growing to 20 ms, lags of +-100 ms: the synthetic computed without the stretch, the warping,
// the knees, and the synthetic computed again with them for r. Must stay under 20 ms.

#include <benchmark/benchmark.h>

#include <cmath>

#include "engine/auto_stretch.h"
#include "engine/datum.h"
#include "engine/synthetic.h"
#include "engine/synthetic_trace.h"
#include "engine/trace_value.h"
#include "engine/wavelet.h"
#include "long_well.h"

namespace {

using namespace tessarin;

// The long well cut to 1500 samples at 2 ms, tied to its own synthetic made later by 0 ms at the
// top to 20 ms at the bottom.
Project DriftingWell() {
    Project p = bench::LongWell();
    p.sampleRateIndex = 0;
    p.sampleIntervalUs = 1000;
    p.lastSampleIndex = 1499;
    p.agcWindow = "None";
    for (int i = 0; i < 1510; ++i) {
        p.timeDepth[static_cast<std::size_t>(i)] = 2000 + 4.0 * i + std::sin(i * 0.3);
    }
    p.horizonCount = 0;
    MakeBandpassWavelet(p);
    RecomputeSynthetic(p);
    ComputeStartTime(p);
    const SampledTrace synthetic = SyntheticTrace(p);
    p.tie = SeismicTie{};
    p.tie->trace = {0, 0.004, {}};
    for (int k = 0; k < 800; ++k) {
        const double t = 0.004 * k;
        const double drift = 0.020 * t / 3.0;
        p.tie->trace.values.push_back(TraceValueAt(synthetic, t - drift).value_or(0));
    }
    return p;
}

void BM_AutoStretch(benchmark::State& state) {
    const Project p = DriftingWell();
    for (auto _ : state) {
        const AutoStretchResult result = AutoStretch(p);
        if (result.knees.size() < 10 || !(result.rAfter > result.rBefore)) {
            state.SkipWithError("the stretch did not tie the well");
            break;
        }
        benchmark::DoNotOptimize(result.rAfter);
    }
}
BENCHMARK(BM_AutoStretch)->Unit(benchmark::kMillisecond);

}  // namespace
