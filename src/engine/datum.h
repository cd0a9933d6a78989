#pragma once

// Where time zero lies: the seismic datum relative to the log.

#include "model/project.h"

namespace tessarin {

// With a "Start of Log" datum the datum lies at the first log sample: datumElevation := KB minus
// the depth of time sample 0. Other datum types are left alone.
void ApplyStartOfLogDatum(Project& project);

// Two-way time of sample 0 below the seismic datum, negative when the log starts above it;
// exactly 0 with a "Start of Log" datum, whatever the elevations and the datum velocity. The
// tie's bulk shift, when there is one, is added to it, and then the shift of its stretch there.
// Throws Error when the time cannot be found (every sample above the datum, a datum velocity
// that is not positive, two samples at one depth where time zero falls).
double FirstSampleTime(const Project& project);

// The same for the logs as imported, before the stretch: the bulk shift is added, the stretch
// is not.
double UnstretchedFirstSampleTime(const Project& project);

// The step of a recompute that follows the synthetic: the datum of a "Start of Log" project and
// firstSampleTime. The display, the exports and the project file all read them, so they are set
// here and never by drawing. Throws Error when the depth log lacks samples, or as
// FirstSampleTime does (the datum of a "Start of Log" project has been set by then).
void ComputeStartTime(Project& project);

}  // namespace tessarin
