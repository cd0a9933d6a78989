#include "engine/trace_value.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tessarin {
namespace {

constexpr int kLobes = 4;
// A time this close to the first or last sample, in samples, still lies on the trace.
constexpr double kEdgeTolerance = 1e-6;

}  // namespace

std::optional<double> TraceValueAt(const SampledTrace& trace, double t) {
    const auto count = static_cast<long long>(trace.values.size());
    if (count == 0 || !(trace.interval > 0)) {
        return std::nullopt;
    }
    const double u = (t - trace.firstTime) / trace.interval;  // in samples from the first
    if (!(u >= -kEdgeTolerance && u <= static_cast<double>(count - 1) + kEdgeTolerance)) {
        return std::nullopt;
    }
    const double nearest = std::round(u);
    if (std::fabs(u - nearest) < 1e-9) {
        return trace.values[static_cast<std::size_t>(
            std::clamp<long long>(static_cast<long long>(nearest), 0, count - 1))];
    }
    // Samples beyond either end repeat the end sample; the weights are divided by their sum so
    // that a constant trace stays constant.
    const auto first = static_cast<long long>(std::floor(u)) - kLobes + 1;
    // The sines of the eight weights follow from three: sin(pi x) changes sign from one sample
    // to the next, and the window's sin(pi x / 4) turns by a fixed angle.
    constexpr double pi = std::numbers::pi;
    const double x0 = u - static_cast<double>(first);
    double sinePi = std::sin(pi * x0);
    double windowSine = std::sin(pi * x0 / kLobes);
    double windowCosine = std::cos(pi * x0 / kLobes);
    const double turnSine = std::sin(pi / kLobes);
    const double turnCosine = std::cos(pi / kLobes);
    double sum = 0;
    double weights = 0;
    for (long long k = first; k < first + 2 * kLobes; ++k) {
        const double x = u - static_cast<double>(k);
        const double w = sinePi / (pi * x) * (windowSine / (pi * x / kLobes));
        sum += w * trace.values[static_cast<std::size_t>(std::clamp<long long>(k, 0, count - 1))];
        weights += w;
        sinePi = -sinePi;
        const double turned = windowSine * turnCosine - windowCosine * turnSine;
        windowCosine = windowCosine * turnCosine + windowSine * turnSine;
        windowSine = turned;
    }
    return sum / weights;
}

}  // namespace tessarin
