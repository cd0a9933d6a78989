#pragma once

// Auto Stretch: the knees of a stretch found by dynamic warping of the project's synthetic to its
// seismic trace over the tie window (engine/dynamic_warping.h), with what the user needs to judge
// them: r in the window before and after, the largest strain and the largest change of interval
// velocity. The project itself is not changed; the caller sets the knees (SetStretch).

#include <vector>

#include "engine/dynamic_warping.h"
#include "engine/stretch.h"
#include "engine/tie.h"
#include "model/project.h"

namespace tessarin {

struct AutoStretchOptions {
    WarpingOptions warping;
    double kneeSpacing = 0.100;  // seconds between knees down the window
    // Knees at the times of the horizons inside the window instead, the window's ends included.
    bool kneesAtHorizons = false;
};

struct AutoStretchResult {
    std::vector<StretchKnee> knees;
    TieWindow window;          // the tie window the warping ran over, without the stretch
    double rBefore = 0;        // r at zero lag in the window, without a stretch
    double rAfter = 0;         // the same with the knees
    double kneeSpacing = 0;    // the spacing used: wider than asked when the knees would be more
                               // than a velocity survey holds
    double largestStrain = 0;  // of the intervals between the knees
    double largestVelocityChange = 0;  // per cent
};

// The most knees a stretch made here may have, so that it can be kept as a velocity survey with
// the top and the bottom of the log.
inline constexpr int kMostAutoKnees = 18;

// Warps the project's synthetic without its stretch (the knees' times are on that synthetic) to
// the tie's seismic trace over the tie window, and turns the smoothed shift into knees. Throws
// Error when the project holds no seismic trace or no computed synthetic, when no horizon lies
// inside the window for knees at horizons, or as WarpToSeismic and MeasureTie do.
AutoStretchResult AutoStretch(const Project& project, const AutoStretchOptions& options = {});

// The tie of the project's synthetic computed without its stretch, as MeasureProjectTie measures
// it: the drift a stretch is to correct, at the synthetic times its knees are given in. Throws
// Error as MeasureProjectTie does, or when the synthetic cannot be computed.
TieMeasures MeasureTieWithoutStretch(const Project& project);

}  // namespace tessarin
