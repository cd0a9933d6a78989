#pragma once

// What a stretch given by hand or from a file does to the tie, in the figures Auto Stretch gives
// for the knees it finds: r in the tie window without and with the knees, the largest strain and
// the largest change of interval velocity over the intervals between them.

#include <vector>

#include "model/project.h"

namespace tessarin {

struct StretchMeasures {
    double rBefore = 0;  // r at zero lag in the window, without a stretch
    double rAfter = 0;   // the same with the knees
    double largestStrain = 0;
    double largestVelocityChange = 0;  // per cent
};

// The project is not changed: the knees replace its own stretch in a copy. `maxLag` in seconds
// bounds the lags the measure searches, as the tie's. Throws Error when the project holds no
// seismic trace, as OrderedKnees does, and with the recompute's or MeasureProjectTie's message.
StretchMeasures MeasureStretch(const Project& project, std::vector<StretchKnee> knees,
                               double maxLag);

}  // namespace tessarin
