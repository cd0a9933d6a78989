#pragma once

// The project's synthetic as a trace sampled evenly in two-way time (SampledTrace).

#include "model/project.h"
#include "model/sampled_trace.h"

namespace tessarin {

// The project's computed synthetic, samples 0 to lastSampleIndex, at its own times below the
// seismic datum: sample i at FirstSampleTime + i x 2 x sampleIntervalUs / 1000000 s. Throws Error
// when the time of sample 0 cannot be found (see FirstSampleTime).
SampledTrace SyntheticTrace(const Project& project);

}  // namespace tessarin
