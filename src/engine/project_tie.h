#pragma once

// The project's own tie: the seismic trace stored in the record, the window chosen for it, and
// the measures of the project's synthetic against that trace. The window and the batch tool
// both go through these functions; each change marks the project changed.

#include <optional>

#include "engine/tie.h"
#include "model/project.h"

namespace tessarin {

// A newly loaded trace and where it came from take the place of the tie's trace; the window and
// the bulk shift stay as they were (none and 0 for the first trace). Sets projectChanged.
void SetTieTrace(Project& project, SeismicSource source, SampledTrace trace);

// The choice of window, taken as it is. Sets projectChanged when it differs. Throws Error when
// the project holds no seismic trace.
void SetTieWindow(Project& project, const TieWindowChoice& window);

// The times of the tie's window: nothing for the overlap of synthetic and seismic, the times
// given, or the times of the two named horizons after a recompute (the first entry of the
// table with each name). Throws Error when the project holds no seismic trace, or naming a
// horizon that is not in the table.
std::optional<TieWindow> TieWindowTimes(const Project& project);

// The project's computed synthetic (at its times with the bulk shift) against its seismic trace
// over its window; `options` gives the lags and the drift window, its window is not used.
// Throws Error as TieWindowTimes and MeasureTie do.
TieMeasures MeasureProjectTie(const Project& project, const TieOptions& options = {});

}  // namespace tessarin
