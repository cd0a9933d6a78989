#include "engine/dynamic_warping.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "engine/shared_time.h"
#include "engine/trace_value.h"
#include "model/error.h"
#include "model/numeric.h"

namespace tessarin {
namespace {

constexpr int kFewestWindowSamples = 8;
constexpr double kOnSample = 1e-6;  // in samples: a window edge this close to a sample takes it
// Lags are tried in steps of the whole fraction of the synthetic's interval nearest half a
// millisecond: a quarter of 2 ms, a half of 1 ms, all of 0.5 ms. Whole-sample lags at 2 ms would
// leave the shift in steps of 2 ms; steps of 0.5 ms, smoothed, place it well within 1 ms.
constexpr double kLagStep = 0.0005;
// Lag steps per synthetic interval at most, so that a change of lag fits in a byte.
constexpr int kMostStepsPerSample = 64;
constexpr double kGaussianReach = 3;  // the smoothing kernel's half length, standard deviations

std::string Seconds(double t) {
    return FormatPattern(t, "0.000") + " s";
}

void CheckOptions(const WarpingOptions& o) {
    if (!(o.maxLag > 0) || !std::isfinite(o.maxLag)) {
        throw Error("Warping needs a largest shift above 0 s, not " + Seconds(o.maxLag) + ".");
    }
    if (!(o.maxStrain > 0 && o.maxStrain <= 1)) {
        throw Error("Warping needs a largest strain above 0 and at most 1, not " +
                    FormatPattern(o.maxStrain, "0.0##") + ".");
    }
    if (!(o.smoothing >= 0) || !std::isfinite(o.smoothing)) {
        throw Error("Warping needs a smoothing of 0 s or more, not " + Seconds(o.smoothing) + ".");
    }
}

// The synthetic's samples in the window, and the seismic read at their times at every lag, both
// with the mean removed and scaled to unit RMS: their amplitudes are unrelated.
struct Aligned {
    double firstTime = 0;
    double dt = 0;
    int ratio = 1;  // lag steps per synthetic interval
    int lags = 0;   // lags from -lags to +lags lag steps
    std::vector<double> f;
    // The seismic at firstTime + (q - lags) x dt / ratio, so that at sample i and lag index l
    // (lag l - lags) it is g[ratio x i + l]: read once, not at every error.
    std::vector<double> g;

    int Count() const { return static_cast<int>(f.size()); }
    int LagCount() const { return 2 * lags + 1; }
    double LagStep() const { return dt / ratio; }
};

// The mean and the standard deviation; the deviation is 0 for a flat trace, also one whose
// constant value does not add up exactly.
std::pair<double, double> MeanAndDeviation(const std::vector<double>& values) {
    double sum = 0;
    double largest = 0;
    for (const double v : values) {
        sum += v;
        largest = std::max(largest, std::fabs(v));
    }
    const double mean = sum / static_cast<double>(values.size());
    double squares = 0;
    for (const double v : values) {
        squares += (v - mean) * (v - mean);
    }
    const double deviation = std::sqrt(squares / static_cast<double>(values.size()));
    return {mean, deviation > 1e-9 * largest ? deviation : 0.0};
}

void Normalise(Aligned& a, const TieWindow& window) {
    std::vector<double> atZeroLag;
    for (int i = 0; i < a.Count(); ++i) {
        atZeroLag.push_back(a.g[static_cast<std::size_t>(a.ratio * i + a.lags)]);
    }
    const auto [fMean, fDeviation] = MeanAndDeviation(a.f);
    const auto [gMean, gDeviation] = MeanAndDeviation(atZeroLag);
    if (fDeviation == 0 || gDeviation == 0) {
        throw Error(std::string("The ") + (fDeviation == 0 ? "synthetic" : "seismic") +
                    " is flat from " + Seconds(window.start) + " to " + Seconds(window.end) +
                    ": there is nothing to warp.");
    }
    for (double& v : a.f) {
        v = (v - fMean) / fDeviation;
    }
    for (double& v : a.g) {
        v = (v - gMean) / gDeviation;
    }
}

// The seismic at every lag of every synthetic sample in the window: the lags are whole fractions
// of the synthetic's interval, so the times fall on one grid, and the sinc is evaluated once per
// point of it rather than once per error.
std::vector<double> OnLagGrid(const SampledTrace& seismic, const Aligned& a) {
    std::vector<double> g;
    const int count = a.ratio * (a.Count() - 1) + a.LagCount();
    for (int q = 0; q < count; ++q) {
        // The window's cut keeps every time on the trace; the clamp only absorbs rounding.
        const double t = a.firstTime + (q - a.lags) * a.LagStep();
        g.push_back(*TraceValueAt(seismic, std::clamp(t, seismic.firstTime, seismic.LastTime())));
    }
    return g;
}

// The window is cut to where the synthetic has samples and the seismic reaches the largest lag
// before and after each of them: a missing seismic value would have no error to give.
Aligned Align(const SampledTrace& synthetic, const SampledTrace& seismic, const TieWindow& window,
              const WarpingOptions& o) {
    if (synthetic.values.empty() || !(synthetic.interval > 0) || seismic.values.empty() ||
        !(seismic.interval > 0)) {
        throw Error("Warping needs a computed synthetic and a seismic trace with samples.");
    }
    Aligned a;
    a.dt = synthetic.interval;
    a.ratio = static_cast<int>(
        std::clamp(std::round(a.dt / kLagStep), 1.0, static_cast<double>(kMostStepsPerSample)));
    const double lags = std::floor(o.maxLag / a.LagStep() + kOnSample);
    const double reach = lags * a.LagStep();
    const std::string seismicReach =
        "the seismic, less the " + Seconds(reach) + " it must reach beyond the synthetic,";
    const SharedTime shared = LatestStartEarliestEnd({{window.start, "the window"},
                                                      {synthetic.firstTime, "the synthetic"},
                                                      {seismic.firstTime + reach, seismicReach}},
                                                     {{window.end, "the window"},
                                                      {synthetic.LastTime(), "the synthetic"},
                                                      {seismic.LastTime() - reach, seismicReach}});
    const double start = shared.start.time;
    const double end = shared.end.time;
    const double first = std::max(0.0, std::ceil((start - synthetic.firstTime) / a.dt - kOnSample));
    const double last = std::min(static_cast<double>(synthetic.values.size() - 1),
                                 std::floor((end - synthetic.firstTime) / a.dt + kOnSample));
    if (!(last - first + 1 >= kFewestWindowSamples)) {
        throw Error(
            TooLittleTimeMessage(shared, "warped",
                                 "at least " + std::to_string(kFewestWindowSamples) +
                                     " synthetic samples are needed with the seismic reaching " +
                                     Seconds(reach) + " before and after them"));
    }
    a.lags = static_cast<int>(lags);
    a.f.assign(synthetic.values.begin() + static_cast<long>(first),
               synthetic.values.begin() + static_cast<long>(last) + 1);
    a.firstTime = synthetic.TimeAt(static_cast<std::size_t>(first));
    a.g = OnLagGrid(seismic, a);
    Normalise(a, {a.firstTime, a.firstTime + (a.Count() - 1) * a.dt});
    return a;
}

// How fast the path may change its lag: by up to `steps` lag steps once in `every` samples, so
// that steps x lag step / (every x dt) <= maxStrain. More than one step at a time is needed only
// for strains above a lag step per sample (a quarter at 2 ms).
struct StrainLimit {
    int every = 1;
    int steps = 1;
};

StrainLimit LimitFor(double maxStrain, const Aligned& a) {
    const double samplesPerStep = 1.0 / (a.ratio * maxStrain);
    // A limit that allows less than one step over the whole window allows one.
    const double every = std::min(static_cast<double>(a.Count()),
                                  std::max(1.0, std::ceil(samplesPerStep - kOnSample)));
    return {static_cast<int>(every),
            std::max(1, static_cast<int>(std::floor(every / samplesPerStep + kOnSample)))};
}

// The alignment errors at synthetic sample i for every lag: e = |f - g| (Hale's p = 1). Squared
// differences (p = 2) cost so little for a misfit of a lag step or two that where the drift is
// as steep as the strain allows the path fell behind it by 0.7 ms without noise, against 0.2 ms
// with p = 1; with noise the two are alike.
void Errors(const Aligned& a, int i, double* e) {
    const double f = a.f[static_cast<std::size_t>(i)];
    const double* g = a.g.data() + static_cast<std::ptrdiff_t>(a.ratio) * i;
    for (int l = 0; l < a.LagCount(); ++l) {
        const double d = f - g[l];
        e[l] = std::fabs(d);
    }
}

// The least error of a path from the top to each sample of the last row, and how every sample
// and lag was reached: the change of lag index (0 for none) made on arriving there.
struct Accumulated {
    std::vector<double> last;
    std::vector<std::int8_t> moves;  // sample i, lag index l at i x lag count + l
};

// Hale's accumulation from the top: a path arrives at (i, l) from (i - 1, l), or from
// (i - every, l + k) with the lag l + k held for the samples between. The top is free: a path may
// start at any lag, and near the top it may hold a lag from the first sample.
Accumulated Accumulate(const Aligned& a, StrainLimit limit) {
    const int n = a.Count();
    const int lagCount = a.LagCount();
    const auto row = [lagCount](int i) { return static_cast<std::size_t>(i) * lagCount; };
    std::vector<double> total(row(n));
    std::vector<std::int8_t> moves(row(n), 0);
    // The errors along each lag from sample max(0, i - every) + 1 to i - 1, for sample i.
    std::vector<double> held(static_cast<std::size_t>(lagCount), 0.0);
    std::vector<double> e(static_cast<std::size_t>(lagCount));
    Errors(a, 0, total.data());
    for (int i = 1; i < n; ++i) {
        const double* from = &total[row(std::max(0, i - limit.every))];
        double* best = &total[row(i)];
        std::int8_t* move = &moves[row(i)];
        std::copy(&total[row(i - 1)], &total[row(i)], best);
        for (int k = -limit.steps; k <= limit.steps; ++k) {
            if (k == 0) {
                continue;
            }
            for (int l = std::max(0, -k); l < std::min(lagCount, lagCount - k); ++l) {
                const double arrival = from[l + k] + held[static_cast<std::size_t>(l + k)];
                if (arrival < best[l]) {
                    best[l] = arrival;
                    move[l] = static_cast<std::int8_t>(k);
                }
            }
        }
        Errors(a, i, e.data());
        for (int l = 0; l < lagCount; ++l) {
            best[l] += e[static_cast<std::size_t>(l)];
            held[static_cast<std::size_t>(l)] += e[static_cast<std::size_t>(l)];
        }
        // The sample that falls out of the held stretch for sample i + 1.
        if (i + 1 - limit.every >= 1) {
            Errors(a, i + 1 - limit.every, e.data());
            for (int l = 0; l < lagCount; ++l) {
                held[static_cast<std::size_t>(l)] -= e[static_cast<std::size_t>(l)];
            }
        }
    }
    return {std::vector<double>(total.begin() + static_cast<long>(row(n - 1)), total.end()),
            std::move(moves)};
}

// The lag index at each sample along the best path, traced back from the bottom, which is free
// too: the path ends at the lag of least total error.
std::vector<int> Backtrack(const Accumulated& acc, int n, StrainLimit limit) {
    const auto lagCount = static_cast<int>(acc.last.size());
    std::vector<int> path(static_cast<std::size_t>(n));
    int l = static_cast<int>(std::min_element(acc.last.begin(), acc.last.end()) - acc.last.begin());
    int i = n - 1;
    while (i > 0) {
        path[static_cast<std::size_t>(i)] = l;
        const int k = acc.moves[static_cast<std::size_t>(i) * lagCount + l];
        const int origin = k == 0 ? i - 1 : std::max(0, i - limit.every);
        l += k;
        for (--i; i > origin; --i) {
            path[static_cast<std::size_t>(i)] = l;
        }
    }
    path[0] = l;
    return path;
}

// The mean over `every` samples turns each step of the path into a ramp no steeper than the
// strain limit, as steps lie at least `every` samples apart; a Gaussian of `sigma` samples then
// smooths the ramps. Both repeat the end values beyond the window, which keeps every slope
// within the limit.
std::vector<double> Smoothed(const std::vector<double>& x, int every, double sigma) {
    const auto n = static_cast<int>(x.size());
    const auto at = [n](const std::vector<double>& v, int j) {
        return v[static_cast<std::size_t>(std::clamp(j, 0, n - 1))];
    };
    std::vector<double> ramps;
    for (int i = 0; i < n; ++i) {
        double sum = 0;
        for (int j = i - (every - 1) / 2; j < i - (every - 1) / 2 + every; ++j) {
            sum += at(x, j);
        }
        ramps.push_back(sum / every);
    }
    if (!(sigma > 0)) {
        return ramps;
    }
    const auto reach = static_cast<int>(std::min<double>(n, std::ceil(kGaussianReach * sigma)));
    std::vector<double> weights;
    double sum = 0;
    for (int k = -reach; k <= reach; ++k) {
        weights.push_back(std::exp(-0.5 * (k / sigma) * (k / sigma)));
        sum += weights.back();
    }
    std::vector<double> y;
    for (int i = 0; i < n; ++i) {
        double value = 0;
        for (int k = -reach; k <= reach; ++k) {
            value += weights[static_cast<std::size_t>(k + reach)] * at(ramps, i + k);
        }
        y.push_back(value / sum);
    }
    return y;
}

}  // namespace

Warping WarpToSeismic(const SampledTrace& synthetic, const SampledTrace& seismic,
                      const TieWindow& window, const WarpingOptions& options) {
    CheckOptions(options);
    const Aligned a = Align(synthetic, seismic, window, options);
    const StrainLimit limit = LimitFor(options.maxStrain, a);
    std::vector<double> shifts;
    for (const int l : Backtrack(Accumulate(a, limit), a.Count(), limit)) {
        shifts.push_back((l - a.lags) * a.LagStep());
    }
    Warping w;
    w.shifts = {a.firstTime, a.dt, Smoothed(shifts, limit.every, options.smoothing / a.dt)};
    for (std::size_t i = 1; i < w.shifts.values.size(); ++i) {
        w.largestStrain = std::max(w.largestStrain,
                                   std::fabs(w.shifts.values[i] - w.shifts.values[i - 1]) / a.dt);
    }
    return w;
}

}  // namespace tessarin
