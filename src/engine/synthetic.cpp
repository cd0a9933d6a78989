#include "engine/synthetic.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "engine/stretch.h"
#include "model/error.h"
#include "model/numeric.h"

namespace tessarin {
namespace {

// The logs must hold the samples 0 to n that lastSampleIndex promises.
void RequireSamples(const std::vector<double>& log, int n, const char* what) {
    if (n < 0) {
        throw Error("The project holds no log samples.");
    }
    if (static_cast<long>(log.size()) <= n) {
        throw Error("The " + std::string(what) + " holds " + std::to_string(log.size()) +
                    " samples where " + std::to_string(n + 1) + " are expected.");
    }
}

double At(const std::vector<double>& values, int i) {
    return values[static_cast<std::size_t>(i)];
}

std::string DepthAt(const Project& p, int i) {
    if (i >= 0 && static_cast<std::size_t>(i) < p.timeDepth.size()) {
        return " (depth " + PlainNumber(At(p.timeDepth, i)) + ")";
    }
    return "";
}

// The reflection coefficient between two impedances; the sum must not be zero.
double Reflection(double upper, double lower, int i) {
    const double sum = upper + lower;
    if (sum == 0.0) {
        throw Error("The reflection coefficient at sample " + std::to_string(i) +
                    " cannot be computed: the impedances on both sides add up to 0.");
    }
    return (lower - upper) / sum;
}

}  // namespace

int WaveletHalfLength(const Project& project) {
    double length = 0;
    try {
        length = project.waveletLength.Number();
    } catch (const ConversionError&) {
        throw Error("The wavelet length \"" + project.waveletLength.ToText() +
                    "\" is not a number of seconds.");
    }
    return WaveletHalfLength(length, project.sampleIntervalUs);
}

int WaveletHalfLength(double length, int sampleIntervalUs) {
    if (sampleIntervalUs <= 0) {
        throw Error("The sample interval " + std::to_string(sampleIntervalUs) +
                    " microseconds is not usable.");
    }
    const double samples = 250.0 * length * 1000.0 / sampleIntervalUs;
    if (RoundHalfEven(samples) < 0) {
        throw Error("The wavelet length " + PlainNumber(length) + " s is negative.");
    }
    if (RoundHalfEven(samples) > 32767) {
        throw Error("The wavelet length " + PlainNumber(length) +
                    " s is too long: it needs more than 32767 samples on each side of time 0.");
    }
    return ToInt16(samples);
}

// Interval velocity at each sample: 1000000 / sonic (microseconds per foot or metre gives feet or
// metres per second).
static std::vector<double> IntervalVelocities(const Project& p) {
    const int n = p.lastSampleIndex;
    std::vector<double> v(static_cast<std::size_t>(n) + 1);
    for (int i = 0; i <= n; ++i) {
        const double sonic = At(p.timeSonic, i);
        if (sonic == 0.0) {
            throw Error("The sonic log is 0 at sample " + std::to_string(i) + DepthAt(p, i) +
                        ": no interval velocity can be computed there.");
        }
        v[static_cast<std::size_t>(i)] = 1000000.0 / sonic;
    }
    return v;
}

void ComputeReflectivity(Project& p) {
    const int n = p.lastSampleIndex;
    RequireSamples(p.timeSonic, n, "sonic log");
    const bool withDensity = p.impedanceType == kSonicDensity;
    if (withDensity) {
        RequireSamples(p.timeDensity, n, "density log");
    }
    const int h = WaveletHalfLength(p);

    const std::vector<double> v = IntervalVelocities(p);
    double maxAbsReflection = 0.0001;
    double maxDensity = 0;
    double minDensity = 5;
    OffsetArray rc(-h, n + 10 + h);

    for (int i = 0; i < n; ++i) {
        const double v0 = At(v, i);
        const double v1 = At(v, i + 1);
        double r = 0;
        if (withDensity) {
            const double rho0 = At(p.timeDensity, i);
            const double rho1 = At(p.timeDensity, i + 1);
            if (rho0 < minDensity && rho0 != kNoDensity) {
                minDensity = rho0;
            }
            if (rho0 > maxDensity) {
                maxDensity = rho0;
            }
            // An interface with a missing density on either side falls back to the sonic alone.
            r = (rho0 != kNoDensity && rho1 != kNoDensity) ? Reflection(v0 * rho0, v1 * rho1, i)
                                                           : Reflection(v0, v1, i);
        } else {
            r = Reflection(v0, v1, i);
        }
        rc[i] = r;
        if (std::fabs(r) > maxAbsReflection) {
            maxAbsReflection = std::fabs(r);
        }
    }
    rc[n] = 0;

    // The velocity range starts from 100000 and 0, so it stays there for velocities beyond.
    p.minVelocity = std::min(100000.0, *std::min_element(v.begin(), v.end()));
    p.maxVelocity = std::max(0.0, *std::max_element(v.begin(), v.end()));
    p.intervalVelocity = v;
    p.reflectionCoefficients = std::move(rc);
    p.minDensity = minDensity;
    p.maxDensity = maxDensity;
    p.maxAbsReflection = maxAbsReflection;
}

void ConvolveWavelet(Project& p) {
    const int n = p.lastSampleIndex;
    if (n < 0) {
        throw Error("The project holds no log samples.");
    }
    const int h = WaveletHalfLength(p);
    if (!p.wavelet.Contains(-h) || !p.wavelet.Contains(h)) {
        throw Error("There is no wavelet for the current wavelet length: select a wavelet first.");
    }
    OffsetArray& rc = p.reflectionCoefficients;  // non-const for the element addresses
    std::vector<double> trace(static_cast<std::size_t>(n) + 1, 0.0);
    if (!rc.Empty()) {
        // S(i) = sum over j of RC(i - j) w(j), a true convolution: one reflection gives the
        // wavelet as the wavelet panel draws it, w(j) at j samples after the reflection. Only
        // the coefficients the array holds count (all others are 0). The outer loop runs over
        // k = -j from -h to h, so each S(i) adds its terms by increasing RC index; a symmetric
        // wavelet (Ricker, bandpass of phase 0) thus gives the same sums, to the last bit, as
        // the earlier correlation did. The inner loop runs over whole rows at once.
        double* s = trace.data();
        const double* r = &rc[rc.First()];  // r[k - first] is RC(k)
        const int first = rc.First();
        for (int k = -h; k <= h; ++k) {
            const double w = p.wavelet[-k];
            const int iFirst = std::max(0, rc.First() - k);
            const int iLast = std::min(n, rc.Last() - k);
            for (int i = iFirst; i <= iLast; ++i) {
                s[i] += r[i + k - first] * w;
            }
        }
    }
    p.syntheticTrace = std::move(trace);
    if (p.agcWindow != "None") {
        ApplyAgc(p);
    }
}

// A quarter of the AGC window in samples: 250 x window x 1000 / (2 x sampleIntervalUs), halves
// to even.
static int AgcQuarterWindow(const Project& p) {
    const auto window = ParseNumber(p.agcWindow);
    if (!window) {
        throw Error("The AGC window \"" + p.agcWindow +
                    "\" is neither \"None\" nor a number of seconds.");
    }
    const double quarter = 250.0 * *window * 1000.0 / (2.0 * p.sampleIntervalUs);
    if (RoundHalfEven(quarter) < 0) {
        throw Error("The AGC window " + p.agcWindow + " s is negative.");
    }
    if (RoundHalfEven(quarter) > 32767) {
        throw Error("The AGC window " + p.agcWindow + " s is too long.");
    }
    return ToInt16(quarter);
}

void ApplyAgc(Project& p) {
    const int n = p.lastSampleIndex;
    RequireSamples(p.syntheticTrace, n, "synthetic trace");
    const int m = AgcQuarterWindow(p);
    if (2 * m >= n) {
        return;  // the window covers the whole trace
    }
    if (m == 0) {
        // A window of two samples or less: every gain would be 0 / sum = 0, and so would their
        // mean.
        const double twoSamples = 4.0 * p.sampleIntervalUs / 1000000.0;
        throw Error("AGC cannot be applied: the AGC window " + p.agcWindow +
                    " s must be longer than two samples (" + FormatPattern(twoSamples, "0.0##") +
                    " s).");
    }

    // The window at sample i is i - m .. i + m clipped to 0 .. n; `count` is one less than the
    // number of samples in it. `nonZero` counts the samples that are not 0, so that an all-zero
    // window is recognised exactly and not through a running sum left with rounding residue.
    std::vector<double> a(static_cast<std::size_t>(n) + 1);
    for (int k = 0; k <= n; ++k) {
        a[static_cast<std::size_t>(k)] = std::fabs(At(p.syntheticTrace, k));
    }
    double sum = 0;
    int nonZero = 0;
    auto add = [&](int k) {
        sum += At(a, k);
        nonZero += At(a, k) != 0.0;
    };
    auto remove = [&](int k) {
        sum -= At(a, k);
        nonZero -= At(a, k) != 0.0;
    };
    for (int k = 0; k < m; ++k) {
        add(k);
    }
    int count = m - 1;

    std::vector<double> gain(static_cast<std::size_t>(n) + 1);
    double gainSum = 0;
    for (int i = 0; i <= n; ++i) {
        if (i <= m && i + m <= n) {
            ++count;
            add(i + m);
        } else if (i > m && i + m <= n) {
            add(i + m);
            remove(i - m - 1);
        } else if (i > m && i + m > n) {
            --count;
            remove(i - m - 1);
        }
        if (nonZero == 0 || !(sum > 0)) {
            throw Error(
                "AGC cannot be applied: the synthetic is 0 throughout the AGC window around "
                "sample " +
                std::to_string(i) + ".");
        }
        const double g = count / sum;
        gain[static_cast<std::size_t>(i)] = g;
        gainSum += g;
    }
    const double meanGain = gainSum / (n + 1);
    for (int i = 0; i <= n; ++i) {
        p.syntheticTrace[static_cast<std::size_t>(i)] *= At(gain, i) / meanGain;
    }
}

void ComputeHorizonTimes(Project& p) {
    const int n = p.lastSampleIndex;
    RequireSamples(p.timeDepth, n, "depth log");
    const int count = p.horizonCount;
    if (count < 0 || count >= kTableSize) {
        throw Error("The project holds " + std::to_string(count) + " horizons; at most " +
                    std::to_string(kTableSize - 1) + " fit.");
    }
    const auto D = [&](int j) { return At(p.timeDepth, j); };
    // The log-end entries follow the log. A user's horizon in the first or last place (a top at
    // the very start of the log, or a table without the log ends) keeps its name and depth.
    if (count >= 1 && p.horizonNames[1] == kStartOfLogName) {
        p.horizonDepths[1] = Value(D(0));
    }
    if (count >= 1 && p.horizonNames[static_cast<std::size_t>(count)] == kEndOfLogName) {
        p.horizonDepths[static_cast<std::size_t>(count)] = Value(D(n));
    }

    std::array<double, kTableSize> times{};
    int b = 0;  // the bracket carries over to the next horizon when none is found for it
    for (int k = 1; k <= count; ++k) {
        const std::string& name = p.horizonNames[static_cast<std::size_t>(k)];
        const double depth = p.horizonDepths[static_cast<std::size_t>(k)].Number();
        for (int j = 0; j < n; ++j) {
            if (D(j) <= depth) {
                b = j;
            }
        }
        if (b + 1 > n) {
            throw Error("The time of horizon \"" + name +
                        "\" cannot be found: the log has only one sample.");
        }
        if (D(b + 1) == D(b)) {
            throw Error("The time of horizon \"" + name + "\" cannot be found: samples " +
                        std::to_string(b) + " and " + std::to_string(b + 1) +
                        " of the log lie at the same depth " + PlainNumber(D(b)) + ".");
        }
        const double t = b + (depth - D(b)) / (D(b + 1) - D(b));
        times[static_cast<std::size_t>(k)] = t * p.sampleIntervalUs / 500000.0;
    }
    p.horizonTimes = times;
}

std::optional<std::string> RecomputeSynthetic(Project& project) {
    project.synthDisplayed = true;
    try {
        ApplyStretch(project);
        ComputeReflectivity(project);
        ConvolveWavelet(project);
        ComputeHorizonTimes(project);
    } catch (const Error& e) {
        return std::string(e.what());
    }
    return std::nullopt;
}

}  // namespace tessarin
