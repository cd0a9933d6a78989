// Convolution plus AGC of a 30 000-sample trace with a 0.24 s bandpass wavelet at 0.5 ms:
// the work of every recompute on the longest logs. Target: well under 50 ms.

#include <benchmark/benchmark.h>

#include <cmath>

#include "engine/synthetic.h"
#include "engine/wavelet.h"

namespace {

tessarin::Project LongLog() {
    using namespace tessarin;
    Project p;
    p.sampleRateIndex = 2;  // 0.5 ms
    p.sampleIntervalUs = 250;
    p.lastSampleIndex = 29999;
    for (int i = 0; i <= p.lastSampleIndex; ++i) {
        // A layered sonic: 60 to 140 us/ft with a step every 40 samples and some fine detail.
        p.timeSonic.push_back(100 + 30 * std::sin(i / 40 * 0.7) + 10 * std::sin(i * 0.13));
        p.timeDepth.push_back(5000 + 0.4 * i);
        p.timeDensity.push_back(kNoDensity);
    }
    p.waveletType = kBandpassWavelet;
    p.lowCut = Value(5);
    p.lowPass = Value(10);
    p.highPass = Value(40);
    p.highCut = Value(55);
    p.phaseDegrees = Value(0);
    p.waveletLength = Value(0.24);  // h = 240
    p.agcWindow = "0.5";
    MakeBandpassWavelet(p);
    ComputeReflectivity(p);
    return p;
}

void BM_ConvolveWithAgc(benchmark::State& state) {
    tessarin::Project p = LongLog();
    for (auto _ : state) {
        tessarin::ConvolveWavelet(p);
        benchmark::DoNotOptimize(p.syntheticTrace.data());
    }
}
BENCHMARK(BM_ConvolveWithAgc)->Unit(benchmark::kMillisecond);

void BM_AgcOnly(benchmark::State& state) {
    tessarin::Project p = LongLog();
    p.agcWindow = "None";
    tessarin::ConvolveWavelet(p);
    p.agcWindow = "0.5";
    const std::vector<double> trace = p.syntheticTrace;
    for (auto _ : state) {
        p.syntheticTrace = trace;
        tessarin::ApplyAgc(p);
        benchmark::DoNotOptimize(p.syntheticTrace.data());
    }
}
BENCHMARK(BM_AgcOnly)->Unit(benchmark::kMillisecond);

}  // namespace
