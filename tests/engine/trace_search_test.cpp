#include "engine/trace_search.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

namespace tessarin::test {
namespace {

// Ricker pulses of varied size every 37 ms from 0.2 s, `delay` later, with white noise of
// `noise` times a pulse's height.
SampledTrace Pulses(double first, int count, double delay, double noise, unsigned seed) {
    std::mt19937 random(seed);
    SampledTrace trace{first, 0.002, std::vector<double>(static_cast<std::size_t>(count))};
    for (int i = 0; i < count; ++i) {
        double& v = trace.values[static_cast<std::size_t>(i)];
        for (int k = 0; k < 40; ++k) {
            const double x =
                std::pow(std::numbers::pi * 25 * (trace.TimeAt(i) - 0.2 - 0.037 * k - delay), 2);
            v += (k % 2 ? -1 : 1) * (1 + k % 5) * (1 - 2 * x) * std::exp(-x);
        }
        v += noise * (random() / 4294967296.0 - 0.5);
    }
    return trace;
}

TEST(TraceSearch, FindsTheCleanestTraceAndLeavesOthersEmpty) {
    const SampledTrace synthetic = Pulses(0.1, 800, 0, 0, 1);
    // As good as the best, but farther from the chosen trace: before and after it.
    std::vector<SearchTrace> traces{{-2, 2, Pulses(0.1, 800, 0.006, 0, 1)}};
    for (int il = -1; il <= 1; ++il) {
        for (int xl = -1; xl <= 1; ++xl) {
            // Noise grows away from inline +1, crossline -1, which is 6 ms late and clean.
            const double noise = 2.0 * (std::abs(il - 1) + std::abs(xl + 1));
            traces.push_back({il, xl, Pulses(0.1, 800, 0.006, noise, 7 + traces.size())});
        }
    }
    traces.push_back({2, 2, Pulses(5.0, 800, 0, 0, 1)});                     // after the window
    traces.push_back({-2, 0, {0.1, 0.002, std::vector<double>(800, 1.0)}});  // flat
    traces.push_back({2, -2, traces[0].trace});
    const TieWindow window{0.3, 1.4};
    const TraceSearch search = SearchTraces(synthetic, traces, window, 0.05);
    ASSERT_EQ(search.cells.size(), traces.size());
    ASSERT_EQ(search.best, 7u);
    EXPECT_EQ(search.chosen, 5u);
    EXPECT_NEAR(search.cells[7].best.lag, 0.006, 0.0003);
    EXPECT_GT(search.cells[7].best.r, 0.99);
    for (const std::size_t empty : {10u, 11u}) {
        EXPECT_TRUE(std::isnan(search.cells[empty].best.r) &&
                    std::isnan(search.cells[empty].best.lag));
    }
    for (std::size_t k = 1; k < 10; ++k) {
        const SearchCell& cell = search.cells[k];
        EXPECT_EQ(cell.inlineOffset, traces[k].inlineOffset);
        EXPECT_EQ(cell.crosslineOffset, traces[k].crosslineOffset);
        // As the tie itself measures each trace, with its phase scan.
        const LagPeak tie = MeasureTie(synthetic, traces[k].trace, {window, 0.05}).bestLag;
        EXPECT_DOUBLE_EQ(cell.best.r, tie.r);
        EXPECT_DOUBLE_EQ(cell.best.lag, tie.lag);
    }
    EXPECT_FALSE(SearchTraces(synthetic, {traces[10]}, window, 0.05).best);
}

}  // namespace
}  // namespace tessarin::test
