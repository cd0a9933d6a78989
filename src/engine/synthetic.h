#pragma once

// Synthetic generation: interval velocities, reflection coefficients, the wavelet convolution,
// AGC and horizon times, all computed from the time-sampled logs of the project record.

#include <optional>
#include <string>

#include "model/project.h"

namespace tessarin {

// Half the wavelet length in samples: 250 x waveletLength x 1000 / sampleIntervalUs, halves to
// even. Throws Error when it does not fit 16 bits or the length is not a number.
int WaveletHalfLength(const Project& project);

// Each step throws Error, with a reason the user can read, where a division would fail.
void ComputeReflectivity(Project& project);
void ConvolveWavelet(Project& project);  // also applies AGC unless agcWindow is "None"
void ApplyAgc(Project& project);
void ComputeHorizonTimes(Project& project);

// The computing steps of a recompute: synthDisplayed := true, then reflectivity, convolution with
// AGC, and horizon times. A failure stops there and is returned as its reason; whatever was
// computed before it stays in the record.
std::optional<std::string> RecomputeSynthetic(Project& project);

}  // namespace tessarin
