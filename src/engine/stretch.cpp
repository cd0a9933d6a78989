#include "engine/stretch.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/datum.h"
#include "model/error.h"
#include "model/numeric.h"

namespace tessarin {
namespace {

// A project's time arrays end with this many spare entries, as the import sizes them.
constexpr int kSpareSamples = 10;
constexpr int kMostSamples = 32767 - kSpareSamples;

std::string KneeText(const StretchKnee& knee) {
    return FormatPattern(knee.syntheticTime, "0.0000") + " s to " +
           FormatPattern(knee.newTime, "0.0000") + " s";
}

double At(const std::vector<double>& values, std::size_t i) {
    return i < values.size() ? values[i] : 0.0;
}

// The depth at fractional sample u of a depth log of samples 0 to n.
double DepthAt(const std::vector<double>& depth, int n, double u) {
    const int i = std::clamp(static_cast<int>(std::floor(u)), 0, std::max(0, n - 1));
    const double f = u - i;
    const auto k = static_cast<std::size_t>(i);
    return n == 0 ? depth[0] : depth[k] + f * (depth[k + 1] - depth[k]);
}

// The density log as a running integral over depth, so that the average over any stretch of
// depths takes two lookups; missing intervals are counted apart, so that one within a stretch is
// seen.
struct DensityIntegral {
    std::vector<double> mass;  // entry i: the integral from sample 0 to sample i
    std::vector<int> missing;  // entry i: the intervals without density above sample i

    DensityIntegral(const TimeSampledLogs& logs) : mass(1, 0.0), missing(1, 0) {
        for (int i = 0; i < logs.lastSampleIndex; ++i) {
            const auto k = static_cast<std::size_t>(i);
            const double rho = logs.density[k];
            const bool absent = rho == kNoDensity;
            mass.push_back(mass[k] + (absent ? 0.0 : rho * (logs.depth[k + 1] - logs.depth[k])));
            missing.push_back(missing[k] + (absent ? 1 : 0));
        }
    }

    // The average density between fractional samples a < b, or kNoDensity.
    double Average(const TimeSampledLogs& logs, double a, double b) const {
        const int n = logs.lastSampleIndex;
        const int ia = std::clamp(static_cast<int>(std::floor(a)), 0, n - 1);
        const int ib = std::clamp(static_cast<int>(std::ceil(b)) - 1, ia, n - 1);
        if (missing[static_cast<std::size_t>(ib) + 1] != missing[static_cast<std::size_t>(ia)]) {
            return kNoDensity;
        }
        const double depthA = DepthAt(logs.depth, n, a);
        const double depthB = DepthAt(logs.depth, n, b);
        if (ia == ib || !(depthB > depthA)) {
            return logs.density[static_cast<std::size_t>(ia)];  // inside one imported interval
        }
        return (MassAt(logs, b) - MassAt(logs, a)) / (depthB - depthA);
    }

    double MassAt(const TimeSampledLogs& logs, double u) const {
        const int n = logs.lastSampleIndex;
        const int i = std::clamp(static_cast<int>(std::floor(u)), 0, n - 1);
        const auto k = static_cast<std::size_t>(i);
        return mass[k] + (u - i) * (mass[k + 1] - mass[k]);
    }
};

// The depth the sonic log itself spans from sample 0 (one sample interval of transit time over
// each sample's sonic), so that a stretched interval takes the sonic of the imported intervals
// it covers. The imported depths are not used for this: a project file keeps them to a
// hundredth, and sonics worked out again from their differences would be noise.
struct SonicIntegral {
    // Entry i: the depth from sample 0 to sample i by the sonic, in depth per microsecond of
    // one sample interval's transit time.
    std::vector<double> depth;
    std::vector<int> unusable;  // entry i: the intervals above sample i without a sonic above 0

    SonicIntegral(const TimeSampledLogs& logs) : depth(1, 0.0), unusable(1, 0) {
        for (int i = 0; i < logs.lastSampleIndex; ++i) {
            const auto k = static_cast<std::size_t>(i);
            const double sonic = At(logs.sonic, k);
            const bool usable = sonic > 0 && std::isfinite(sonic);
            depth.push_back(depth[k] + (usable ? 1.0 / sonic : 0.0));
            unusable.push_back(unusable[k] + (usable ? 0 : 1));
        }
    }

    // The sonic of the stretched interval from fractional sample a to b: one sample interval of
    // transit time over the depth it spans. An interval touching an unusable sonic keeps that
    // sonic, so that the recompute reports it where the log has it.
    double Over(const TimeSampledLogs& logs, double a, double b) const {
        const int n = logs.lastSampleIndex;
        const int ia = std::clamp(static_cast<int>(std::floor(a)), 0, n - 1);
        const int ib = std::clamp(static_cast<int>(std::ceil(b)) - 1, ia, n - 1);
        const double own = At(logs.sonic, static_cast<std::size_t>(ia));
        if (unusable[static_cast<std::size_t>(ib) + 1] != unusable[static_cast<std::size_t>(ia)]) {
            return own;
        }
        if (ia == ib) {
            return own / (b - a);  // inside one imported interval
        }
        const double span = DepthAt(depth, n, b) - DepthAt(depth, n, a);
        return span > 0 ? 1.0 / span : own;
    }
};

}  // namespace

std::vector<StretchKnee> OrderedKnees(std::vector<StretchKnee> knees) {
    for (const StretchKnee& knee : knees) {
        if (!std::isfinite(knee.syntheticTime) || !std::isfinite(knee.newTime)) {
            throw Error("A knee of the stretch has a time that is not a number.");
        }
    }
    std::stable_sort(knees.begin(), knees.end(), [](const StretchKnee& a, const StretchKnee& b) {
        return a.syntheticTime < b.syntheticTime;
    });
    for (std::size_t k = 1; k < knees.size(); ++k) {
        const StretchKnee& upper = knees[k - 1];
        const StretchKnee& lower = knees[k];
        if (lower.syntheticTime == upper.syntheticTime) {
            throw Error("The knees " + KneeText(upper) + " and " + KneeText(lower) +
                        " start from the same time on the synthetic.");
        }
        if (!(lower.newTime > upper.newTime)) {
            throw Error("The knees " + KneeText(upper) + " and " + KneeText(lower) +
                        " cross: a later knee cannot move to or above an earlier one.");
        }
    }
    return knees;
}

double StretchShiftAt(const std::vector<StretchKnee>& knees, double t) {
    if (knees.empty()) {
        return 0.0;
    }
    if (t <= knees.front().syntheticTime) {
        return knees.front().Shift();
    }
    if (t >= knees.back().syntheticTime) {
        return knees.back().Shift();
    }
    const auto lower = std::upper_bound(
        knees.begin(), knees.end(), t,
        [](double time, const StretchKnee& knee) { return time < knee.syntheticTime; });
    const StretchKnee& a = *(lower - 1);
    const StretchKnee& b = *lower;
    const double f = (t - a.syntheticTime) / (b.syntheticTime - a.syntheticTime);
    return a.Shift() + f * (b.Shift() - a.Shift());
}

double StretchedTime(const std::vector<StretchKnee>& knees, double t) {
    return t + StretchShiftAt(knees, t);
}

double UnstretchedTime(const std::vector<StretchKnee>& knees, double stretched) {
    if (knees.empty()) {
        return stretched;
    }
    if (stretched <= knees.front().newTime) {
        return stretched - knees.front().Shift();
    }
    if (stretched >= knees.back().newTime) {
        return stretched - knees.back().Shift();
    }
    const auto lower =
        std::upper_bound(knees.begin(), knees.end(), stretched,
                         [](double time, const StretchKnee& knee) { return time < knee.newTime; });
    const StretchKnee& a = *(lower - 1);
    const StretchKnee& b = *lower;
    const double f = (stretched - a.newTime) / (b.newTime - a.newTime);
    return a.syntheticTime + f * (b.syntheticTime - a.syntheticTime);
}

std::vector<StretchInterval> StretchIntervals(const std::vector<StretchKnee>& knees) {
    std::vector<StretchInterval> intervals;
    for (std::size_t k = 1; k < knees.size(); ++k) {
        StretchInterval interval{knees[k - 1], knees[k]};
        const double before = interval.lower.syntheticTime - interval.upper.syntheticTime;
        const double after = interval.lower.newTime - interval.upper.newTime;
        interval.strain = after / before - 1.0;
        interval.velocityChangePercent = 100.0 * (before / after - 1.0);
        intervals.push_back(interval);
    }
    return intervals;
}

double LargestVelocityChange(const std::vector<StretchInterval>& intervals) {
    double largest = 0;
    for (const StretchInterval& interval : intervals) {
        largest = std::max(largest, std::fabs(interval.velocityChangePercent));
    }
    return largest;
}

double LargestKneeShift(const std::vector<StretchKnee>& knees) {
    double largest = 0;
    for (const StretchKnee& knee : knees) {
        largest = std::max(largest, std::fabs(knee.Shift()));
    }
    return largest;
}

TimeSampledLogs StretchedLogs(const TimeSampledLogs& logs, int sampleIntervalUs, double firstTime,
                              const std::vector<StretchKnee>& knees) {
    const int n = logs.lastSampleIndex;
    const double dt = 2.0 * sampleIntervalUs / 1000000.0;
    const double top = StretchedTime(knees, firstTime);
    const double bottom = StretchedTime(knees, firstTime + n * dt);
    const double samples = std::floor((bottom - top) / dt + 1e-9);
    if (samples > kMostSamples) {
        throw Error("The stretch makes the log " + FormatPattern(bottom - top, "0.000") +
                    " s long, more than the " + std::to_string(kMostSamples + 1) +
                    " samples a project holds.");
    }
    const int m = std::max(0, static_cast<int>(samples));
    // u[j]: where stretched sample j lies among the imported samples. Positions within a
    // millionth of a sample are taken as the sample, so that a stretch that only shifts gives
    // back the imported log exactly.
    std::vector<double> u(static_cast<std::size_t>(m) + 1);
    for (int j = 0; j <= m; ++j) {
        double position = (UnstretchedTime(knees, top + j * dt) - firstTime) / dt;
        if (std::fabs(position - std::round(position)) < 1e-6) {
            position = std::round(position);
        }
        u[static_cast<std::size_t>(j)] = std::clamp(position, 0.0, static_cast<double>(n));
    }

    TimeSampledLogs out;
    out.lastSampleIndex = static_cast<std::int16_t>(m);
    const std::size_t size = static_cast<std::size_t>(m) + 1 + kSpareSamples;
    out.depth.assign(size, 0.0);
    out.sonic.assign(size, 0.0);
    for (int j = 0; j <= m; ++j) {
        out.depth[static_cast<std::size_t>(j)] =
            DepthAt(logs.depth, n, u[static_cast<std::size_t>(j)]);
    }
    const SonicIntegral sonic(logs);
    for (int j = 0; j < m; ++j) {
        const auto k = static_cast<std::size_t>(j);
        out.sonic[k] = sonic.Over(logs, u[k], u[k + 1]);
    }
    out.sonic[static_cast<std::size_t>(m)] =
        m > 0 ? out.sonic[static_cast<std::size_t>(m) - 1] : At(logs.sonic, 0);

    // A log without density samples for every depth sample (a sonic-only project) has none to
    // carry.
    if (n > 0 && logs.density.size() > static_cast<std::size_t>(n)) {
        const DensityIntegral integral(logs);
        out.density.assign(size, 0.0);
        for (int j = 0; j < m; ++j) {
            const auto k = static_cast<std::size_t>(j);
            out.density[k] = integral.Average(logs, u[k], u[k + 1]);
        }
        // The last sample keeps what the import left there.
        out.density[static_cast<std::size_t>(m)] = logs.density[static_cast<std::size_t>(n)];
    }
    return out;
}

std::vector<KneeIntervalVelocity> KneeIntervalVelocities(const Project& project) {
    const std::vector<StretchKnee>& knees = KneesOf(project);
    const TimeSampledLogs logs = ImportedLogs(project);
    const int n = logs.lastSampleIndex;
    if (knees.size() < 2 || n < 1 || logs.depth.size() <= static_cast<std::size_t>(n)) {
        return {};
    }
    const double first = UnstretchedFirstSampleTime(project);
    const double dt = 2.0 * project.sampleIntervalUs / 1000000.0;
    const double last = first + n * dt;
    const auto depthAt = [&](double t) { return DepthAt(logs.depth, n, (t - first) / dt); };
    std::vector<KneeIntervalVelocity> velocities;
    for (const StretchInterval& interval : StretchIntervals(knees)) {
        const double top = std::max(first, interval.upper.syntheticTime);
        const double bottom = std::min(last, interval.lower.syntheticTime);
        if (!(bottom > top)) {
            continue;
        }
        const double span = 2.0 * (depthAt(bottom) - depthAt(top));
        const double newTop = StretchedTime(knees, top);
        const double newBottom = StretchedTime(knees, bottom);
        velocities.push_back(
            {newTop, newBottom, span / (bottom - top), span / (newBottom - newTop)});
    }
    return velocities;
}

TimeSampledLogs LogsOf(const Project& project) {
    return {project.lastSampleIndex, project.timeDepth, project.timeSonic, project.timeDensity};
}

void SetLogs(Project& project, TimeSampledLogs logs) {
    project.lastSampleIndex = logs.lastSampleIndex;
    project.timeDepth = std::move(logs.depth);
    project.timeSonic = std::move(logs.sonic);
    project.timeDensity = std::move(logs.density);
}

TimeSampledLogs ImportedLogs(const Project& project) {
    return project.unstretchedLogs ? *project.unstretchedLogs : LogsOf(project);
}

const std::vector<StretchKnee>& KneesOf(const Project& project) {
    static const std::vector<StretchKnee> none;
    return project.tie ? project.tie->knees : none;
}

void SetStretch(Project& project, std::vector<StretchKnee> knees) {
    if (!project.tie) {
        throw Error(
            "The project holds no seismic trace to stretch the synthetic to: load one "
            "first.");
    }
    std::vector<StretchKnee> ordered = OrderedKnees(std::move(knees));
    if (ordered != project.tie->knees) {
        project.tie->knees = std::move(ordered);
        project.projectChanged = true;
    }
}

void ApplyStretch(Project& project) {
    const std::vector<StretchKnee>& knees = KneesOf(project);
    if (knees.empty()) {
        if (project.unstretchedLogs) {
            SetLogs(project, std::move(*project.unstretchedLogs));
            project.unstretchedLogs.reset();
        }
        return;
    }
    TimeSampledLogs imported = ImportedLogs(project);
    if (imported.lastSampleIndex < 1 ||
        imported.depth.size() <= static_cast<std::size_t>(imported.lastSampleIndex)) {
        throw Error("The project holds no time-sampled log to stretch.");
    }
    TimeSampledLogs stretched = StretchedLogs(imported, project.sampleIntervalUs,
                                              UnstretchedFirstSampleTime(project), knees);
    project.unstretchedLogs = std::move(imported);
    SetLogs(project, std::move(stretched));
}

}  // namespace tessarin
