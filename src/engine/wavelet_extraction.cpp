#include "engine/wavelet_extraction.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <limits>
#include <numbers>
#include <string>

#include "engine/datum.h"
#include "engine/fourier.h"
#include "engine/phase_rotation.h"
#include "engine/project_tie.h"
#include "engine/synthetic.h"
#include "engine/toeplitz.h"
#include "engine/trace_value.h"
#include "engine/wavelet.h"
#include "engine/wavelet_spectrum.h"
#include "model/error.h"
#include "model/numeric.h"

namespace tessarin {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kOnSample = 1e-6;  // in samples: a window edge this close to a sample takes it
constexpr int kFewestCheckSamples = 8;
constexpr int kWaveletLengthsInWindow = 4;

// The well's reflection coefficients and the seismic read at the synthetic's sample times
// (NaN where the seismic has none), with the extraction window as synthetic samples.
struct WellTraces {
    const OffsetArray* rc = nullptr;
    std::vector<double> seismic;  // synthetic samples 0 to lastSampleIndex
    double firstTime = 0;
    double dt = 0;
    double lengthSeconds = 0;
    int h = 0;
    int first = 0;  // the extraction window's first and last synthetic samples
    int last = -1;

    // RC(i): the coefficient whose reflection lies at synthetic sample i, 0 beyond the log.
    double Rc(int i) const { return rc->Contains(i) ? (*rc)[i] : 0.0; }
    double Seismic(int i) const { return seismic[static_cast<std::size_t>(i)]; }
    int Count() const { return last - first + 1; }
    // Where the seismic has a value and the time lies in the window.
    bool Inside(int i, const TieWindow& w) const {
        const double u = (firstTime - w.start) / dt + i;
        const double v = (w.end - firstTime) / dt - i;
        return u > -kOnSample && v > -kOnSample && !std::isnan(Seismic(i));
    }
};

std::string Seconds(double t) {
    return FormatPattern(t, "0.000") + " s";
}

// The window's samples: as many as the extraction needs, or Error saying how many are missing.
void FindWindow(WellTraces& t, const TieWindow& window) {
    for (int i = 0; i < static_cast<int>(t.seismic.size()); ++i) {
        if (t.Inside(i, window)) {
            t.first = t.last < t.first ? i : t.first;
            t.last = i;
        }
    }
    const int length = 2 * t.h + 1;
    const int needed = kWaveletLengthsInWindow * length;
    if (t.Count() < needed) {
        throw Error("The extraction window holds " + std::to_string(std::max(0, t.Count())) +
                    " samples of both the synthetic and the seismic, but a wavelet of " +
                    Seconds(t.lengthSeconds) + " (" + std::to_string(length) +
                    " samples) needs at least " + std::to_string(needed) +
                    ", four wavelet lengths: choose a longer window or a shorter wavelet.");
    }
}

WellTraces Gather(const Project& project, const WaveletExtractionOptions& o) {
    if (!project.tie) {
        throw Error(
            "The project holds no seismic trace to extract a wavelet from: load one first.");
    }
    if (project.reflectionCoefficients.Empty() || project.lastSampleIndex < 0) {
        throw Error(
            "The reflection coefficients have not been computed: recompute the synthetic first.");
    }
    WellTraces t;
    t.rc = &project.reflectionCoefficients;
    t.firstTime = FirstSampleTime(project);
    t.dt = 2.0 * project.sampleIntervalUs / 1000000.0;
    t.lengthSeconds = CutWaveletLength(o.lengthSeconds, project.sampleIntervalUs);
    t.h = WaveletHalfLength(t.lengthSeconds, project.sampleIntervalUs);
    for (int i = 0; i <= project.lastSampleIndex; ++i) {
        t.seismic.push_back(
            TraceValueAt(project.tie->trace, t.firstTime + i * t.dt).value_or(kNaN));
    }
    const std::optional<TieWindow> window = o.window ? o.window : TieWindowTimes(project);
    FindWindow(t, window.value_or(TieWindow{-std::numeric_limits<double>::infinity(),
                                            std::numeric_limits<double>::infinity()}));
    return t;
}

std::string WindowText(const WellTraces& t) {
    return Seconds(t.firstTime + t.first * t.dt) + " to " + Seconds(t.firstTime + t.last * t.dt);
}

// Lags 0 to `lags` of the autocorrelation of value(i) over the window.
template <typename Value>
std::vector<double> Autocorrelation(const WellTraces& t, int lags, Value value) {
    std::vector<double> r(static_cast<std::size_t>(lags) + 1, 0.0);
    for (int m = 0; m <= lags; ++m) {
        for (int i = t.first; i + m <= t.last; ++i) {
            r[static_cast<std::size_t>(m)] += value(i) * value(i + m);
        }
    }
    return r;
}

// The least-squares wavelet w(-h..h) of seismic(i) ~ sum over j of RC(i - j) w(j) in the window,
// the convolution ConvolveWavelet makes. Its normal equations, sum over j of
// [sum over i of RC(i - j) RC(i - k)] w(j) = sum over i of seismic(i) RC(i - k), are Toeplitz
// once the left sums are taken as the coefficients' autocorrelation in the window.
std::vector<double> LeastSquaresWavelet(const WellTraces& t, double prewhiteningPercent) {
    std::vector<double> r = Autocorrelation(t, 2 * t.h, [&](int i) { return t.Rc(i); });
    if (!(r[0] > 0)) {
        throw Error("The reflection coefficients are all 0 from " + WindowText(t) +
                    ": there is no reflection to extract a wavelet from.");
    }
    r[0] *= 1 + prewhiteningPercent / 100.0;
    std::vector<double> crossCorrelation;
    for (int k = -t.h; k <= t.h; ++k) {
        double sum = 0;
        for (int i = t.first; i <= t.last; ++i) {
            sum += t.Seismic(i) * t.Rc(i - k);
        }
        crossCorrelation.push_back(sum);
    }
    return SolveToeplitz(r, crossCorrelation);
}

// The zero-phase wavelet w(-h..h) whose amplitude spectrum is the square root of the seismic's
// power spectrum in the window. The autocorrelation is weighted by a cosine bell over lags of
// one wavelet length, so the power spectrum is smoothed to what a wavelet that long can hold.
std::vector<double> ZeroPhaseWavelet(const WellTraces& t) {
    const int lags = 2 * t.h;
    std::vector<double> a = Autocorrelation(t, lags, [&](int i) { return t.Seismic(i); });
    if (!(a[0] > 0)) {
        throw Error("The seismic is 0 throughout " + WindowText(t) +
                    ": there is no wavelet in it to extract.");
    }
    std::size_t n = 256;
    while (n < 4 * static_cast<std::size_t>(lags + 1)) {
        n *= 2;
    }
    std::vector<double> wrapped(n, 0.0);
    for (int m = 0; m <= lags; ++m) {
        const double bell = 0.5 * (1 + std::cos(std::numbers::pi * m / (lags + 1)));
        wrapped[static_cast<std::size_t>(m)] = bell * a[static_cast<std::size_t>(m)];
        wrapped[(n - static_cast<std::size_t>(m)) % n] = bell * a[static_cast<std::size_t>(m)];
    }
    Spectrum bins = RealSpectrum(wrapped, n);
    for (std::complex<double>& bin : bins) {
        bin = std::sqrt(std::max(0.0, bin.real()));
    }
    // Time zero at the first sample: lag j < 0 lies at n + j.
    const std::vector<double> lagsWrapped = InverseRealSpectrum(bins, n);
    std::vector<double> w;
    for (int j = -t.h; j <= t.h; ++j) {
        w.push_back(
            lagsWrapped[j < 0 ? n - static_cast<std::size_t>(-j) : static_cast<std::size_t>(j)]);
    }
    return w;
}

// A cosine taper over taperFraction / 2 of the samples at each end, 0 at the end samples.
void Taper(std::vector<double>& w, double taperFraction) {
    const double span =
        0.5 * std::clamp(taperFraction, 0.0, 1.0) * static_cast<double>(w.size() - 1);
    for (std::size_t u = 0; u < w.size(); ++u) {
        const double fromEnd = static_cast<double>(std::min(u, w.size() - 1 - u));
        if (fromEnd < span) {
            w[u] *= 0.5 * (1 - std::cos(std::numbers::pi * fromEnd / span));
        }
    }
}

// Pearson's r over the pairs; NaN for fewer than kFewestCheckSamples or a flat trace.
double PearsonR(const std::vector<double>& x, const std::vector<double>& d) {
    const auto n = static_cast<double>(x.size());
    double sx = 0, sd = 0, xx = 0, dd = 0, xd = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        sx += x[i];
        sd += d[i];
        xx += x[i] * x[i];
        dd += d[i] * d[i];
        xd += x[i] * d[i];
    }
    const double vx = n * xx - sx * sx;
    const double vd = n * dd - sd * sd;
    if (n < kFewestCheckSamples || !(vx > 0) || !(vd > 0)) {
        return kNaN;
    }
    return (n * xd - sx * sd) / std::sqrt(vx * vd);
}

// The synthetic of the wavelet and the seismic at the samples `inside` accepts.
template <typename Inside>
std::pair<std::vector<double>, std::vector<double>> Pairs(const WellTraces& t,
                                                          const std::vector<double>& w,
                                                          Inside inside) {
    std::pair<std::vector<double>, std::vector<double>> pairs;
    for (int i = 0; i < static_cast<int>(t.seismic.size()); ++i) {
        if (!std::isnan(t.Seismic(i)) && inside(i)) {
            double s = 0;
            for (int j = -t.h; j <= t.h; ++j) {
                s += t.Rc(i - j) * w[static_cast<std::size_t>(j + t.h)];
            }
            pairs.first.push_back(s);
            pairs.second.push_back(t.Seismic(i));
        }
    }
    return pairs;
}

// The tapered, normalised wavelet with its measures.
WaveletExtraction Describe(const WellTraces& t, std::vector<double> w,
                           const WaveletExtractionOptions& o) {
    Taper(w, o.taperFraction);
    double peak = 0;
    for (const double v : w) {
        peak = std::max(peak, std::fabs(v));
    }
    if (!(peak > 0)) {
        throw Error("The wavelet extracted from " + WindowText(t) + " is 0 throughout.");
    }
    WaveletExtraction e;
    e.lengthSeconds = t.lengthSeconds;
    e.wavelet = OffsetArray(-t.h, t.h + 1);
    for (int j = -t.h; j <= t.h; ++j) {
        w[static_cast<std::size_t>(j + t.h)] /= peak;
        e.wavelet[j] = w[static_cast<std::size_t>(j + t.h)];
    }
    const ConstantPhase phase = WaveletPhase(w);
    e.phaseDegrees = phase.degrees;
    e.phaseResidualDegrees = phase.residualDegrees;
    e.dominantFrequency = DominantFrequency(w, t.dt);
    e.window = {t.firstTime + t.first * t.dt, t.firstTime + t.last * t.dt};

    const auto [x, d] = Pairs(t, w, [&](int i) { return i >= t.first && i <= t.last; });
    double xx = 0, xd = 0, dd = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        xx += x[i] * x[i];
        xd += x[i] * d[i];
        dd += d[i] * d[i];
    }
    e.scale = xx > 0 ? xd / xx : kNaN;
    // sum (d - scale x)^2 = dd - xd^2 / xx at the least-squares scale.
    e.pep = xx > 0 && dd > 0 ? xd * xd / xx / dd : kNaN;
    e.r = PearsonR(x, d);
    const auto [cx, cd] = Pairs(t, w, [&](int i) {
        return o.checkWindow ? t.Inside(i, *o.checkWindow) : i < t.first || i > t.last;
    });
    e.checkR = PearsonR(cx, cd);
    return e;
}

}  // namespace

WaveletExtraction ExtractDeterministicWavelet(const Project& project,
                                              const WaveletExtractionOptions& options) {
    const WellTraces t = Gather(project, options);
    return Describe(t, LeastSquaresWavelet(t, options.prewhiteningPercent), options);
}

WaveletExtraction ExtractStatisticalWavelet(const Project& project,
                                            const WaveletExtractionOptions& options,
                                            const StatisticalPhase& phase) {
    const WellTraces t = Gather(project, options);
    std::vector<double> w = ZeroPhaseWavelet(t);
    double degrees = phase.degrees;
    if (phase.by == StatisticalPhase::By::kDeterministic) {
        degrees =
            Describe(t, LeastSquaresWavelet(t, options.prewhiteningPercent), options).phaseDegrees;
    }
    if (phase.by != StatisticalPhase::By::kZero) {
        w = RotatePhase(w, degrees);
    }
    return Describe(t, std::move(w), options);
}

void UseWaveletExtraction(Project& project, const WaveletExtraction& extraction,
                          const std::string& method) {
    if (!project.tie) {
        throw Error("The project holds no seismic trace the wavelet was extracted from.");
    }
    const SeismicSource& seismic = project.tie->source;
    std::string source = std::filesystem::path(seismic.path).filename().string();
    if (seismic.IsSegy()) {
        source += " trace " + std::to_string(seismic.traceNumber);
    }
    source += ", " + FormatPattern(extraction.window.start, "0.000") + "-" +
              FormatPattern(extraction.window.end, "0.000") + " s, " + method;
    const OffsetArray& w = extraction.wavelet;
    const int h = -w.First();
    const double dt = 2.0 * project.sampleIntervalUs / 1000000.0;
    SampledTrace samples{-h * dt, dt, {}};
    for (int i = -h; i <= h; ++i) {
        samples.values.push_back(w[i]);
    }
    Project trial = project;
    trial.waveletType = kExtractedWavelet;
    trial.extractedWavelet = ExtractedWavelet{std::move(samples), std::move(source)};
    MakeExtractedWavelet(trial);
    project = std::move(trial);
}

}  // namespace tessarin
