#include "engine/stretch_measures.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "engine/datum.h"
#include "engine/project_tie.h"
#include "engine/stretch.h"
#include "engine/synthetic.h"
#include "model/error.h"

namespace tessarin {
namespace {

// r at zero lag of the project computed with `knees` as its stretch.
double ZeroLagRWith(Project p, std::vector<StretchKnee> knees, double maxLag) {
    p.tie->knees = std::move(knees);
    if (const std::optional<std::string> failure = RecomputeSynthetic(p)) {
        throw Error(*failure);
    }
    ComputeStartTime(p);
    return MeasureProjectTie(p, {.maxLag = maxLag, .lagOnly = true}).zeroLagR;
}

}  // namespace

StretchMeasures MeasureStretch(const Project& project, std::vector<StretchKnee> knees,
                               double maxLag) {
    if (!project.tie) {
        throw Error(
            "The project holds no seismic trace to measure a stretch against: load one "
            "first.");
    }
    knees = OrderedKnees(std::move(knees));
    StretchMeasures m;
    const std::vector<StretchInterval> intervals = StretchIntervals(knees);
    for (const StretchInterval& interval : intervals) {
        m.largestStrain = std::max(m.largestStrain, std::fabs(interval.strain));
    }
    m.largestVelocityChange = LargestVelocityChange(intervals);
    m.rBefore = ZeroLagRWith(project, {}, maxLag);
    m.rAfter = ZeroLagRWith(project, std::move(knees), maxLag);
    return m;
}

}  // namespace tessarin
