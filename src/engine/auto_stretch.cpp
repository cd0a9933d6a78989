#include "engine/auto_stretch.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/datum.h"
#include "engine/project_tie.h"
#include "engine/synthetic.h"
#include "engine/synthetic_trace.h"
#include "model/error.h"
#include "model/numeric.h"

namespace tessarin {
namespace {

// The project computed with `knees` as its stretch.
Project ComputedWith(const Project& project, std::vector<StretchKnee> knees) {
    Project p = project;
    p.tie->knees = std::move(knees);
    if (const std::optional<std::string> failure = RecomputeSynthetic(p)) {
        throw Error(*failure);
    }
    ComputeStartTime(p);
    return p;
}

TieMeasures LagOnly(const Project& computed, double maxLag) {
    return MeasureProjectTie(computed, {.maxLag = maxLag, .lagOnly = true});
}

// The warped shift at time t, between its samples linearly; the end values beyond them.
double ShiftAt(const SampledTrace& shifts, double t) {
    const double u = std::clamp((t - shifts.firstTime) / shifts.interval, 0.0,
                                static_cast<double>(shifts.values.size() - 1));
    const auto i = std::min(static_cast<std::size_t>(u), shifts.values.size() - 1);
    if (i + 1 == shifts.values.size()) {
        return shifts.values[i];
    }
    const double f = u - static_cast<double>(i);
    return shifts.values[i] + f * (shifts.values[i + 1] - shifts.values[i]);
}

// Knee times every `spacing` from the top of the warped range, and one at its bottom unless the
// last is within a quarter spacing of it.
std::vector<double> EvenKneeTimes(double top, double bottom, double spacing) {
    std::vector<double> times;
    for (int k = 0; top + k * spacing <= bottom + 1e-9; ++k) {
        times.push_back(top + k * spacing);
    }
    if (bottom - times.back() > spacing / 4) {
        times.push_back(bottom);
    }
    return times;
}

// The spacing, widened to whole milliseconds where needed, that keeps the knees within a
// velocity survey's room.
double FittingSpacing(double top, double bottom, double spacing) {
    while (static_cast<int>(EvenKneeTimes(top, bottom, spacing).size()) > kMostAutoKnees) {
        spacing = std::floor(spacing * 1000.0 + 1.0) / 1000.0;
    }
    return spacing;
}

// The horizons' times on the synthetic without a stretch, inside the warped range, with the
// range's ends.
std::vector<double> HorizonKneeTimes(const Project& plain, double top, double bottom) {
    std::vector<double> times{top};
    for (int k = 1; k <= plain.horizonCount && k < kTableSize; ++k) {
        const double t = plain.firstSampleTime + plain.horizonTimes[static_cast<std::size_t>(k)];
        if (t > top && t < bottom && t > times.back()) {
            times.push_back(t);
        }
    }
    if (times.size() == 1) {
        throw Error("No horizon lies inside the tie window (" + FormatPattern(top, "0.000") +
                    " to " + FormatPattern(bottom, "0.000") +
                    " s), so no knees can be put at horizons.");
    }
    times.push_back(bottom);
    if (static_cast<int>(times.size()) > kMostAutoKnees) {
        throw Error(std::to_string(times.size() - 2) +
                    " horizons lie inside the tie window: with its ends that makes more knees "
                    "than the " +
                    std::to_string(kMostAutoKnees) +
                    " a stretch may have to be kept as a velocity survey. Choose a shorter "
                    "window or a knee spacing.");
    }
    return times;
}

}  // namespace

AutoStretchResult AutoStretch(const Project& project, const AutoStretchOptions& options) {
    if (!project.tie) {
        throw Error(
            "The project holds no seismic trace to stretch the synthetic to: load one "
            "first.");
    }
    if (!options.kneesAtHorizons && !(options.kneeSpacing > 0)) {
        throw Error("The knee spacing must be greater than zero.");
    }
    const Project plain = ComputedWith(project, {});
    const double maxLag = options.warping.maxLag;
    AutoStretchResult result;
    const TieMeasures before = LagOnly(plain, maxLag);
    result.window = before.window;
    result.rBefore = before.zeroLagR;
    const Warping warping =
        WarpToSeismic(SyntheticTrace(plain), plain.tie->trace, result.window, options.warping);
    const double top = warping.shifts.firstTime;
    const double bottom = warping.shifts.LastTime();

    std::vector<double> times;
    if (options.kneesAtHorizons) {
        times = HorizonKneeTimes(plain, top, bottom);
    } else {
        result.kneeSpacing = FittingSpacing(top, bottom, options.kneeSpacing);
        times = EvenKneeTimes(top, bottom, result.kneeSpacing);
    }
    for (const double t : times) {
        result.knees.push_back({t, t + ShiftAt(warping.shifts, t)});
    }
    result.knees = OrderedKnees(std::move(result.knees));

    const std::vector<StretchInterval> intervals = StretchIntervals(result.knees);
    for (const StretchInterval& interval : intervals) {
        result.largestStrain = std::max(result.largestStrain, std::fabs(interval.strain));
    }
    result.largestVelocityChange = LargestVelocityChange(intervals);
    result.rAfter = LagOnly(ComputedWith(project, result.knees), maxLag).zeroLagR;
    return result;
}

TieMeasures MeasureTieWithoutStretch(const Project& project) {
    if (!project.tie) {
        throw Error("The project holds no seismic trace.");
    }
    return MeasureProjectTie(ComputedWith(project, {}));
}

}  // namespace tessarin
