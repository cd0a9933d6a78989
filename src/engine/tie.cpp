#include "engine/tie.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <string>

#include "engine/datum.h"
#include "engine/phase_rotation.h"
#include "engine/shared_time.h"
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

    // Running sums from the first sample (entry i sums samples before i), so that the sums over
    // a stretch without gaps take two lookups: of the synthetic, its transform and their
    // products, and of the seismic, its squares and its missing values.
    std::vector<double> runS, runSS, runH, runHH, runSH, runD, runDD;
    std::vector<int> runMissing;
    // The first and last seismic values present, and whether every value between them is.
    int firstPresent = 0;
    int lastPresent = -1;
    bool gapsAtEndsOnly = false;

    int Count() const { return static_cast<int>(s.size()); }
    double Seismic(int i, int m) const { return d[static_cast<std::size_t>(i + m + lags)]; }

    void Accumulate() {
        const auto run = [](std::vector<double>& sums, std::size_t n, auto term) {
            sums.assign(n + 1, 0.0);
            for (std::size_t i = 0; i < n; ++i) {
                sums[i + 1] = sums[i] + term(i);
            }
        };
        run(runS, s.size(), [&](std::size_t i) { return s[i]; });
        run(runSS, s.size(), [&](std::size_t i) { return s[i] * s[i]; });
        run(runH, s.size(), [&](std::size_t i) { return h[i]; });
        run(runHH, s.size(), [&](std::size_t i) { return h[i] * h[i]; });
        run(runSH, s.size(), [&](std::size_t i) { return s[i] * h[i]; });
        run(runD, d.size(), [&](std::size_t i) { return std::isnan(d[i]) ? 0.0 : d[i]; });
        run(runDD, d.size(), [&](std::size_t i) { return std::isnan(d[i]) ? 0.0 : d[i] * d[i]; });
        runMissing.assign(d.size() + 1, 0);
        for (std::size_t i = 0; i < d.size(); ++i) {
            runMissing[i + 1] = runMissing[i] + (std::isnan(d[i]) ? 1 : 0);
        }
        const auto present = [](double v) { return !std::isnan(v); };
        const auto firstOne = std::find_if(d.begin(), d.end(), present);
        const auto lastOne = std::find_if(d.rbegin(), d.rend(), present);
        firstPresent = static_cast<int>(firstOne - d.begin());
        lastPresent = static_cast<int>(d.rend() - lastOne) - 1;
        gapsAtEndsOnly =
            firstPresent <= lastPresent && runMissing[static_cast<std::size_t>(lastPresent) + 1] ==
                                               runMissing[static_cast<std::size_t>(firstPresent)];
    }
};

std::string Seconds(double t) {
    return FormatPattern(t, "0.000") + " s";
}

Aligned Align(const SampledTrace& synthetic, const SampledTrace& seismic, const TieOptions& o) {
    if (synthetic.values.empty() || !(synthetic.interval > 0) || seismic.values.empty() ||
        !(seismic.interval > 0)) {
        throw Error("A tie needs a computed synthetic and a seismic trace with samples.");
    }
    std::vector<TimeLimit> starts{{synthetic.firstTime, "the synthetic"},
                                  {seismic.firstTime, "the seismic"}};
    std::vector<TimeLimit> ends{{synthetic.LastTime(), "the synthetic"},
                                {seismic.LastTime(), "the seismic"}};
    if (o.window) {
        starts.push_back({o.window->start, "the window"});
        ends.push_back({o.window->end, "the window"});
    }
    const SharedTime shared = LatestStartEarliestEnd(starts, ends);
    const double start = shared.start.time;
    const double end = shared.end.time;
    Aligned a;
    a.dt = synthetic.interval;
    const long long last = static_cast<long long>(synthetic.values.size()) - 1;
    const auto i0 = std::max(
        0LL, static_cast<long long>(std::ceil((start - synthetic.firstTime) / a.dt - kOnSample)));
    const auto i1 = std::min(
        last, static_cast<long long>(std::floor((end - synthetic.firstTime) / a.dt + kOnSample)));
    if (i1 - i0 + 1 < kFewestWindowSamples) {
        throw Error(TooLittleTimeMessage(
            shared, "compared",
            "at least " + std::to_string(kFewestWindowSamples) + " synthetic samples are needed"));
    }
    // The lag curve alone turns no phase and needs no quadrature trace.
    const std::vector<double> quadrature = o.lagOnly
                                               ? std::vector<double>(synthetic.values.size(), 0.0)
                                               : HilbertTransform(synthetic.values);
    a.s.assign(synthetic.values.begin() + i0, synthetic.values.begin() + i1 + 1);
    a.h.assign(quadrature.begin() + i0, quadrature.begin() + i1 + 1);
    a.firstTime = synthetic.TimeAt(static_cast<std::size_t>(i0));
    // No lag can reach further than the synthetic is long.
    const double lags = std::round(o.maxLag / a.dt);
    a.lags = lags > 0 ? static_cast<int>(std::min(lags, static_cast<double>(last))) : 0;
    for (int k = -a.lags; k < a.Count() + a.lags; ++k) {
        a.d.push_back(TraceValueAt(seismic, a.firstTime + k * a.dt).value_or(kNaN));
    }
    a.Accumulate();
    return a;
}

// The sums behind Pearson's r between the seismic at lag m and the synthetic turned by any phase
// (x = s cos - h sin), over synthetic samples first to last where the seismic has a value.
struct Sums {
    double n = 0, s = 0, ss = 0, h = 0, hh = 0, sh = 0, d = 0, dd = 0, sd = 0, hd = 0;
};

// The sums over synthetic samples i0 to before i1 against the seismic from d0, which has a value
// at each of them, given the cross products' sums.
Sums SumsWithoutGaps(const Aligned& a, std::size_t i0, std::size_t i1, std::size_t d0, double sd,
                     double hd) {
    const std::size_t d1 = d0 + (i1 - i0);
    Sums q;
    q.n = static_cast<double>(i1 - i0);
    q.s = a.runS[i1] - a.runS[i0];
    q.ss = a.runSS[i1] - a.runSS[i0];
    q.h = a.runH[i1] - a.runH[i0];
    q.hh = a.runHH[i1] - a.runHH[i0];
    q.sh = a.runSH[i1] - a.runSH[i0];
    q.d = a.runD[d1] - a.runD[d0];
    q.dd = a.runDD[d1] - a.runDD[d0];
    q.sd = sd;
    q.hd = hd;
    return q;
}

bool HasGap(const Aligned& a, std::size_t d0, std::size_t d1) {
    return a.runMissing.empty() || a.runMissing[d1] != a.runMissing[d0];
}

Sums SumsAt(const Aligned& a, int first, int last, int m) {
    // The seismic is missing only before its first sample and after its last, as a rule: the
    // samples it covers are then one stretch without gaps.
    if (a.gapsAtEndsOnly) {
        first = std::max(first, a.firstPresent - m - a.lags);
        last = std::min(last, a.lastPresent - m - a.lags);
        if (first > last) {
            return {};
        }
    }
    const auto i0 = static_cast<std::size_t>(first);
    const auto i1 = static_cast<std::size_t>(last) + 1;
    const auto d0 = static_cast<std::size_t>(first + m + a.lags);
    if (!HasGap(a, d0, d0 + (i1 - i0))) {
        // Only the cross products need a pass; four partial sums let the processor work on
        // several products at once.
        const double* s = a.s.data() + i0;
        const double* h = a.h.data() + i0;
        const double* d = a.d.data() + d0;
        const std::size_t count = i1 - i0;
        double sd[4] = {0, 0, 0, 0};
        double hd[4] = {0, 0, 0, 0};
        std::size_t k = 0;
        for (; k + 4 <= count; k += 4) {
            for (std::size_t j = 0; j < 4; ++j) {
                sd[j] += s[k + j] * d[k + j];
                hd[j] += h[k + j] * d[k + j];
            }
        }
        for (; k < count; ++k) {
            sd[0] += s[k] * d[k];
            hd[0] += h[k] * d[k];
        }
        return SumsWithoutGaps(a, i0, i1, d0, (sd[0] + sd[1]) + (sd[2] + sd[3]),
                               (hd[0] + hd[1]) + (hd[2] + hd[3]));
    }
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

// The sums at every lag, -lags to +lags, over the whole window.
std::vector<Sums> SumsAtEveryLag(const Aligned& a) {
    std::vector<Sums> sums;
    for (int m = -a.lags; m <= a.lags; ++m) {
        sums.push_back(SumsAt(a, 0, a.Count() - 1, m));
    }
    return sums;
}

// r at every lag from its sums over `count` samples, the synthetic turned by `phase` degrees.
std::vector<double> LagCurve(const std::vector<Sums>& sums, int count, double phase) {
    std::vector<double> r;
    for (const Sums& q : sums) {
        r.push_back(
            Correlation(q, std::cos(Radians(phase)), std::sin(Radians(phase)), 0.5 * count));
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
PhaseLagPeak ScanPhaseAndLag(const Aligned& a, const std::vector<Sums>& sums) {
    constexpr int kPhases = 360;
    const double fewest = 0.5 * a.Count();
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

// r at every whole phase with the seismic read `lag` later than the synthetic's samples.
std::vector<double> PhaseCurve(const Aligned& a, const SampledTrace& seismic, double lag) {
    std::vector<double> r;
    if (std::isnan(lag)) {
        return r;
    }
    Aligned moved = a;
    moved.lags = 0;
    moved.d.clear();
    for (int i = 0; i < a.Count(); ++i) {
        moved.d.push_back(TraceValueAt(seismic, a.firstTime + i * a.dt + lag).value_or(kNaN));
    }
    moved.Accumulate();
    const Sums q = SumsAt(moved, 0, a.Count() - 1, 0);
    for (int p = -180; p < 180; ++p) {
        r.push_back(Correlation(q, std::cos(Radians(p)), std::sin(Radians(p)), 0.5 * a.Count()));
    }
    return r;
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
    std::vector<int> firsts;
    for (int first = 0; first + length <= a.Count(); first += step) {
        firsts.push_back(first);
    }
    // Each window's cross products at each lag are differences of running sums down the tie
    // window, so that the cost does not grow with the number of windows.
    std::vector<std::vector<Sums>> windowSums(firsts.size());
    const auto n = static_cast<std::size_t>(a.Count());
    const auto span = static_cast<std::size_t>(length);
    std::vector<double> runSD(n + 1, 0.0);
    std::vector<double> runHD(n + 1, 0.0);
    for (int m = -a.lags; m <= a.lags; ++m) {
        const double* d = a.d.data() + (m + a.lags);
        for (std::size_t i = 0; i < n; ++i) {
            const double di = std::isnan(d[i]) ? 0.0 : d[i];
            runSD[i + 1] = runSD[i] + a.s[i] * di;
            runHD[i + 1] = runHD[i] + a.h[i] * di;
        }
        for (std::size_t w = 0; w < firsts.size(); ++w) {
            const auto i0 = static_cast<std::size_t>(firsts[w]);
            const std::size_t d0 = i0 + static_cast<std::size_t>(m + a.lags);
            windowSums[w].push_back(HasGap(a, d0, d0 + span)
                                        ? SumsAt(a, firsts[w], firsts[w] + length - 1, m)
                                        : SumsWithoutGaps(a, i0, i0 + span, d0,
                                                          runSD[i0 + span] - runSD[i0],
                                                          runHD[i0 + span] - runHD[i0]));
        }
    }
    for (std::size_t w = 0; w < firsts.size(); ++w) {
        const LagPeak peak = PeakOf(LagCurve(windowSums[w], length, phase), a.dt);
        drift.push_back({a.firstTime + (firsts[w] + 0.5 * (length - 1)) * a.dt, peak.lag, peak.r});
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
    const std::vector<Sums> sums = SumsAtEveryLag(a);
    t.lagR = LagCurve(sums, a.Count(), 0);
    t.lagStep = a.dt;
    t.bestLag = PeakOf(t.lagR, a.dt);
    if (options.lagOnly) {
        return t;
    }
    t.bestPhase = ScanPhaseAndLag(a, sums);
    t.phaseR = PhaseCurve(a, seismic, t.bestPhase.lag);
    std::vector<double> atZeroLag(a.d.begin() + a.lags, a.d.end() - a.lags);
    t.fit = Fit(a.s, atZeroLag);
    t.bestFit = BestFit(a, seismic, t.bestPhase);
    // The windows are read at zero phase, as the synthetic is drawn and as a stretch moves it.
    // The whole window's best phase is no measure of the wavelet where the drift spoils its tie:
    // a phase found at r 0.3 turns each window's lag by a few milliseconds.
    t.drift = Drift(a, options.driftWindow, std::isnan(t.bestPhase.phaseDegrees) ? kNaN : 0.0);
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
