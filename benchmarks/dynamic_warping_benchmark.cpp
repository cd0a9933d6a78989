// Dynamic warping of a synthetic of 1 500 samples at 2 ms (3 s) to a seismic trace at 4 ms, with
// lags of +-100 ms in steps of 0.5 ms and the default strain bound. Must stay under 20 ms.

#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>
#include <random>

#include "engine/dynamic_warping.h"

namespace {

// A random reflectivity, a spike every 2 ms, convolved with a 30 Hz Ricker and sampled at
// `interval` from `first`; the seismic's events come later by a drift of 0 to 25 ms down the
// trace, with noise of a fifth of the trace's RMS.
tessarin::SampledTrace Trace(double first, double interval, int count, bool seismic) {
    std::mt19937 random(11);
    std::uniform_real_distribution<double> spike(-1, 1);
    tessarin::SampledTrace trace{first, interval,
                                 std::vector<double>(static_cast<std::size_t>(count))};
    for (double t = 0.3; t < 3.7; t += 0.002) {
        const double r = spike(random);
        const double at = t + (seismic ? 0.025 * (t - 0.3) / 3.4 : 0);
        const int from = std::max(0, static_cast<int>((at - 0.05 - first) / interval));
        for (int i = from; i < count && trace.TimeAt(i) < at + 0.05; ++i) {
            const double x = std::pow(std::numbers::pi * 30 * (trace.TimeAt(i) - at), 2);
            trace.values[static_cast<std::size_t>(i)] += r * (1 - 2 * x) * std::exp(-x);
        }
    }
    double squares = 0;
    for (const double v : trace.values) {
        squares += v * v;
    }
    std::normal_distribution<double> noise(0, 0.2 * std::sqrt(squares / count));
    for (double& v : trace.values) {
        v += seismic ? noise(random) : 0;
    }
    return trace;
}

void BM_WarpToSeismic(benchmark::State& state) {
    const tessarin::SampledTrace synthetic = Trace(0.5, 0.002, 1500, false);
    const tessarin::SampledTrace seismic = Trace(0.0, 0.004, 1000, true);
    for (auto _ : state) {
        const tessarin::Warping w = tessarin::WarpToSeismic(synthetic, seismic, {0.5, 3.5});
        if (w.shifts.values.size() != 1500) {
            state.SkipWithError("the warping did not cover the window");
            break;
        }
        benchmark::DoNotOptimize(w.largestStrain);
    }
}
BENCHMARK(BM_WarpToSeismic)->Unit(benchmark::kMillisecond);

}  // namespace
