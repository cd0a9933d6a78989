// A 128 ms wavelet extracted from a 1500-sample window at 2 ms (3 s) of a 2000-sample well tied
// to a seismic trace at 4 ms, made with a bandpass of phase 30 degrees; r checked in the 1 s
// below the window. Must stay under 10 ms, deterministic or statistical.

#include <benchmark/benchmark.h>

#include <cmath>

#include "engine/datum.h"
#include "engine/synthetic.h"
#include "engine/synthetic_trace.h"
#include "engine/trace_value.h"
#include "engine/wavelet.h"
#include "engine/wavelet_extraction.h"
#include "long_well.h"

namespace {

using namespace tessarin;

Project TiedWell() {
    Project p = bench::LongWell();
    p.sampleRateIndex = 0;
    p.sampleIntervalUs = 1000;
    p.lastSampleIndex = 1999;
    p.agcWindow = "None";
    for (int i = 0; i < 2010; ++i) {
        p.timeDepth[static_cast<std::size_t>(i)] = 2000 + 4.0 * i + std::sin(i * 0.3);
    }
    p.horizonCount = 0;
    p.waveletLength = Value(0.128);
    p.phaseDegrees = Value(30);
    MakeBandpassWavelet(p);
    RecomputeSynthetic(p);
    ComputeStartTime(p);
    const SampledTrace synthetic = SyntheticTrace(p);
    p.tie = SeismicTie{};
    p.tie->trace = {synthetic.firstTime, 0.004, {}};
    for (int k = 0; k < 1000; ++k) {
        p.tie->trace.values.push_back(
            TraceValueAt(synthetic, synthetic.firstTime + 0.004 * k).value_or(0));
    }
    return p;
}

WaveletExtractionOptions Windows(const Project& p) {
    const double top = SyntheticTrace(p).firstTime;
    return {.window = TieWindow{top, top + 1499 * 0.002},
            .checkWindow = TieWindow{top + 1500 * 0.002, top + 1999 * 0.002}};
}

template <typename Extract>
void Run(benchmark::State& state, Extract extract) {
    const Project p = TiedWell();
    const WaveletExtractionOptions options = Windows(p);
    for (auto _ : state) {
        const WaveletExtraction e = extract(p, options);
        if (!(e.checkR > 0.9)) {
            state.SkipWithError("the wavelet does not tie the well below its window");
            break;
        }
        benchmark::DoNotOptimize(e.checkR);
    }
}

void BM_DeterministicWavelet(benchmark::State& state) {
    Run(state, [](const Project& p, const WaveletExtractionOptions& o) {
        return ExtractDeterministicWavelet(p, o);
    });
}
BENCHMARK(BM_DeterministicWavelet)->Unit(benchmark::kMillisecond);

void BM_StatisticalWavelet(benchmark::State& state) {
    Run(state, [](const Project& p, const WaveletExtractionOptions& o) {
        return ExtractStatisticalWavelet(p, o, {.by = StatisticalPhase::By::kDeterministic});
    });
}
BENCHMARK(BM_StatisticalWavelet)->Unit(benchmark::kMillisecond);

}  // namespace
