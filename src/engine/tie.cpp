#include "engine/tie.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <string>

#include "engine/datum.h"
#include "engine/phase_rotation.h"
#include "engine/trace_value.h"
#include "model/error.h"
#include "model/numeric.h"

namespace tessarin {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr int kFewestWindowSamples = 8;
constexpr double kOnSample = 1e-6;  // in samples: a window edge this close to a sample takes it

// The synthetic's samples in the window with their Hilbert transform, and the seismic at the
// same times reaching `lags` samples beyond either end (NaN where the seismic has no samples).
struct Aligned {
    int lags = 0;
    double dt = 0;
    double firstTime = 0;
    std::vector<double> s;
    std::vector<double> h;
    std::vector<double> d;

    int Count() const { return static_cast<int>(s.size()); }
    double Seismic(int i, int m) const { return d[static_cast<std::size_t>(i + m + lags)]; }
};

std::string Seconds(double t) {
    return FormatPattern(t, "0.000") + " s";
}

Aligned Align(const SampledTrace& synthetic, const SampledTrace& seismic, const TieOptions& o) {
    if (synthetic.values.empty() || !(synthetic.interval > 0) || seismic.values.empty() ||
        !(seismic.interval > 0)) {
        throw Error("A tie needs a computed synthetic and a seismic trace with samples.");
    }
    double start = std::max(synthetic.firstTime, seismic.firstTime);
    double end = std::min(synthetic.LastTime(), seismic.LastTime());
    if (o.window) {
        start = std::max(start, o.window->start);
        end = std::min(end, o.window->end);
    }
    Aligned a;
    a.dt = synthetic.interval;
    const long long last = static_cast<long long>(synthetic.values.size()) - 1;
    const auto i0 = std::max(
        0LL, static_cast<long long>(std::ceil((start - synthetic.firstTime) / a.dt - kOnSample)));
    const auto i1 = std::min(
        last, static_cast<long long>(std::floor((end - synthetic.firstTime) / a.dt + kOnSample)));
    if (i1 - i0 + 1 < kFewestWindowSamples) {
        throw Error("The synthetic and the seismic share too little time to be compared: " +
                    Seconds(start) + " to " + Seconds(end) + ", where at least " +
                    std::to_string(kFewestWindowSamples) + " synthetic samples are needed.");
    }
    const std::vector<double> quadrature = HilbertTransform(synthetic.values);
    a.s.assign(synthetic.values.begin() + i0, synthetic.values.begin() + i1 + 1);
    a.h.assign(quadrature.begin() + i0, quadrature.begin() + i1 + 1);
    a.firstTime = synthetic.TimeAt(static_cast<std::size_t>(i0));
    // No lag can reach further than the synthetic is long.
    const double lags = std::round(o.maxLag / a.dt);
    a.lags = lags > 0 ? static_cast<int>(std::min(lags, static_cast<double>(last))) : 0;
    for (int k = -a.lags; k < a.Count() + a.lags; ++k) {
        a.d.push_back(TraceValueAt(seismic, a.firstTime + k * a.dt).value_or(kNaN));
    }
    return a;
}

// The sums behind Pearson's r between the seismic at lag m and the synthetic turned by any phase
// (x = s cos - h sin), over synthetic samples first to last where the seismic has a value.
struct Sums {
    double n = 0, s = 0, ss = 0, h = 0, hh = 0, sh = 0, d = 0, dd = 0, sd = 0, hd = 0;
};

Sums SumsAt(const Aligned& a, int first, int last, int m) {
    Sums q;
    for (int i = first; i <= last; ++i) {
        const double d = a.Seismic(i, m);
        if (std::isnan(d)) {
            continue;
        }
        const double s = a.s[static_cast<std::size_t>(i)];
        const double h = a.h[static_cast<std::size_t>(i)];
        q.n += 1;
        q.s += s;
        q.ss += s * s;
        q.h += h;
        q.hh += h * h;
        q.sh += s * h;
        q.d += d;
        q.dd += d * d;
        q.sd += s * d;
        q.hd += h * d;
    }
    return q;
}

// Pearson's r for the phase whose cosine and sine are given; NaN for fewer than `fewest` pairs
// or a flat trace.
double Correlation(const Sums& q, double c, double sn, double fewest) {
    const double x = c * q.s - sn * q.h;
    const double xx = c * c * q.ss - 2 * c * sn * q.sh + sn * sn * q.hh;
    const double xd = c * q.sd - sn * q.hd;
    const double vx = q.n * xx - x * x;
    const double vd = q.n * q.dd - q.d * q.d;
    if (q.n < fewest || !(vx > 0) || !(vd > 0)) {
        return kNaN;
    }
    return (q.n * xd - x * q.d) / std::sqrt(vx * vd);
}

double Radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

// r at every lag for synthetic samples first to last, the synthetic turned by `phase` degrees.
std::vector<double> LagCurve(const Aligned& a, int first, int last, double phase) {
    const double fewest = 0.5 * (last - first + 1);
    std::vector<double> r;
    for (int m = -a.lags; m <= a.lags; ++m) {
        r.push_back(Correlation(SumsAt(a, first, last, m), std::cos(Radians(phase)),
                                std::sin(Radians(phase)), fewest));
    }
    return r;
}

// The peak of the parabola through (-1, left), (0, centre), (1, right): its offset and height.
std::pair<double, double> Parabola(double left, double centre, double right) {
    const double curvature = left - 2 * centre + right;
    if (!(curvature < 0)) {
        return {0.0, centre};
    }
    const double offset = 0.5 * (left - right) / curvature;
    return {offset, centre - 0.25 * (left - right) * offset};
}

// The parabola's peak is the grid's peak where a neighbour is missing (NaN).
LagPeak PeakOf(const std::vector<double>& r, double dt) {
    const int lags = static_cast<int>(r.size() - 1) / 2;
    const auto at = [&](int k) {
        return k >= 0 && k < static_cast<int>(r.size()) ? r[static_cast<std::size_t>(k)] : kNaN;
    };
    int best = -1;
    for (int k = 0; k < static_cast<int>(r.size()); ++k) {
        if (!std::isnan(at(k)) && (best < 0 || at(k) > at(best))) {
            best = k;
        }
    }
    if (best < 0) {
        return {kNaN, kNaN};
    }
    const auto [offset, peak] = Parabola(at(best - 1), at(best), at(best + 1));
    return {(best - lags + offset) * dt, peak};
}

// Every phase from -180 to 179 degrees at every lag. A time shift and a phase rotation look
// alike over a narrow band, so the pair is found along the ridge they trade off on: for each
// phase the lag curve's peak, placed between lags by its parabola, then the phase whose peak is
// highest, placed between phases by the parabola through its neighbours' peaks.
PhaseLagPeak ScanPhaseAndLag(const Aligned& a) {
    constexpr int kPhases = 360;
    const double fewest = 0.5 * a.Count();
    std::vector<Sums> sums;
    for (int m = -a.lags; m <= a.lags; ++m) {
        sums.push_back(SumsAt(a, 0, a.Count() - 1, m));
    }
    std::vector<LagPeak> peaks;
    std::vector<double> curve(sums.size());
    for (int p = 0; p < kPhases; ++p) {
        const double c = std::cos(Radians(p - 180));
        const double sn = std::sin(Radians(p - 180));
        for (std::size_t k = 0; k < sums.size(); ++k) {
            curve[k] = Correlation(sums[k], c, sn, fewest);
        }
        peaks.push_back(PeakOf(curve, a.dt));
    }
    int best = -1;
    for (int p = 0; p < kPhases; ++p) {
        if (!std::isnan(peaks[static_cast<std::size_t>(p)].r) &&
            (best < 0 ||
             peaks[static_cast<std::size_t>(p)].r > peaks[static_cast<std::size_t>(best)].r)) {
            best = p;
        }
    }
    if (best < 0) {
        return {kNaN, kNaN, kNaN};
    }
    const auto at = [&](int p) { return peaks[static_cast<std::size_t>((p + kPhases) % kPhases)]; };
    const auto [offset, r] = Parabola(at(best - 1).r, at(best).r, at(best + 1).r);
    // The lag moves with the phase, towards the neighbour on the side of the offset.
    const LagPeak side = at(offset < 0 ? best - 1 : best + 1);
    const double lag = at(best).lag + std::fabs(offset) * (side.lag - at(best).lag);
    return {std::fmod(best + offset + 360.0, 360.0) - 180.0, lag, r};
}

// seismic ~ scale x synthetic by least squares over the pairs where the seismic has a value.
AmplitudeFit Fit(const std::vector<double>& synthetic, const std::vector<double>& seismic) {
    double xx = 0, xd = 0, dd = 0;
    for (std::size_t i = 0; i < synthetic.size(); ++i) {
        if (!std::isnan(seismic[i])) {
            xx += synthetic[i] * synthetic[i];
            xd += synthetic[i] * seismic[i];
            dd += seismic[i] * seismic[i];
        }
    }
    if (!(xx > 0) || !(dd > 0)) {
        return {kNaN, kNaN};
    }
    const double scale = xd / xx;
    // sum (d - a x)^2 = dd - 2 a xd + a^2 xx = dd - xd^2 / xx at the least-squares a.
    return {scale, xd * xd / xx / dd};
}

// The fit with the synthetic turned by the best phase and the seismic read at the best lag.
AmplitudeFit BestFit(const Aligned& a, const SampledTrace& seismic, const PhaseLagPeak& best) {
    if (std::isnan(best.lag)) {
        return {kNaN, kNaN};
    }
    std::vector<double> x;
    std::vector<double> d;
    for (int i = 0; i < a.Count(); ++i) {
        const auto k = static_cast<std::size_t>(i);
        x.push_back(a.s[k] * std::cos(Radians(best.phaseDegrees)) -
                    a.h[k] * std::sin(Radians(best.phaseDegrees)));
        d.push_back(TraceValueAt(seismic, a.firstTime + i * a.dt + best.lag).value_or(kNaN));
    }
    return Fit(x, d);
}

std::vector<DriftPoint> Drift(const Aligned& a, double window, double phase) {
    std::vector<DriftPoint> drift;
    const double samples = std::round(window / a.dt) + 1;
    if (std::isnan(phase) || !(samples >= kFewestWindowSamples && samples <= a.Count())) {
        return drift;
    }
    const int length = static_cast<int>(samples);
    const int step = std::max(1, length / 4);
    for (int first = 0; first + length <= a.Count(); first += step) {
        const LagPeak peak = PeakOf(LagCurve(a, first, first + length - 1, phase), a.dt);
        drift.push_back({a.firstTime + (first + 0.5 * (length - 1)) * a.dt, peak.lag, peak.r});
    }
    return drift;
}

}  // namespace

TieMeasures MeasureTie(const SampledTrace& synthetic, const SampledTrace& seismic,
                       const TieOptions& options) {
    const Aligned a = Align(synthetic, seismic, options);
    const Sums zero = SumsAt(a, 0, a.Count() - 1, 0);
    if (!(zero.n * zero.ss - zero.s * zero.s > 0) || !(zero.n * zero.dd - zero.d * zero.d > 0)) {
        throw Error(std::string("The ") +
                    (zero.n * zero.ss - zero.s * zero.s > 0 ? "seismic" : "synthetic") +
                    " is flat from " + Seconds(a.firstTime) + " to " +
                    Seconds(a.firstTime + (a.Count() - 1) * a.dt) +
                    ": there is nothing to correlate.");
    }
    TieMeasures t;
    t.window = {a.firstTime, a.firstTime + (a.Count() - 1) * a.dt};
    t.zeroLagR = Correlation(zero, 1, 0, 0.5 * a.Count());
    t.lagR = LagCurve(a, 0, a.Count() - 1, 0);
    t.lagStep = a.dt;
    t.bestLag = PeakOf(t.lagR, a.dt);
    t.bestPhase = ScanPhaseAndLag(a);
    std::vector<double> atZeroLag(a.d.begin() + a.lags, a.d.end() - a.lags);
    t.fit = Fit(a.s, atZeroLag);
    t.bestFit = BestFit(a, seismic, t.bestPhase);
    t.drift = Drift(a, options.driftWindow, t.bestPhase.phaseDegrees);
    return t;
}

TieWindow HorizonWindow(const Project& project, int upperHorizon, int lowerHorizon) {
    for (const int k : {upperHorizon, lowerHorizon}) {
        if (k < 1 || k > project.horizonCount) {
            throw Error("There is no horizon " + std::to_string(k) + ": the table holds 1 to " +
                        std::to_string(project.horizonCount) + ".");
        }
    }
    const double first = FirstSampleTime(project);
    const double upper = first + project.horizonTimes[static_cast<std::size_t>(upperHorizon)];
    const double lower = first + project.horizonTimes[static_cast<std::size_t>(lowerHorizon)];
    return {std::min(upper, lower), std::max(upper, lower)};
}

}  // namespace tessarin
