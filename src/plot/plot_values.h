#pragma once

// Reading the project record for drawing: numbers out of value fields with a reason the user can
// read when they are not numbers, and the checks that keep the painters inside the arrays.

#include <string>

#include "model/project.h"

namespace tessarin {

// The horizon entries the tables hold (1 to this), whatever horizonCount says.
int HorizonsInTable(const Project& project);

// Throws Error unless the time-sampled logs hold samples 0 to lastSampleIndex at a usable
// sample interval.
void CheckSampledLogs(const Project& project);

// Throws Error unless the computed synthetic covers samples 0 to lastSampleIndex.
void CheckSynthetic(const Project& project);

}  // namespace tessarin
