#pragma once

// Synthetic generation: interval velocities, reflection coefficients, the wavelet convolution,
// AGC and horizon times, all computed from the time-sampled logs of the project record.

#include <optional>
#include <string>

#include "model/project.h"

namespace tessarin {

// Half the wavelet length in samples: 250 x waveletLength x 1000 / sampleIntervalUs, halves to
// even, so the wavelet occupies indices -h to h. Throws Error when the length is not a number,
// is negative, or gives more than 32767 samples.
int WaveletHalfLength(const Project& project);
int WaveletHalfLength(double lengthSeconds, int sampleIntervalUs);

// Each step throws Error, with a reason the user can read, where a division would fail (a zero
// sonic, a zero impedance sum, no wavelet, an AGC window that is no number or sees only zeros,
// equal depths bracketing a horizon). A step that fails leaves its own results as they were.
void ComputeReflectivity(Project& project);
// Also applies AGC unless agcWindow is "None"; when AGC fails the trace keeps the convolution.
void ConvolveWavelet(Project& project);
void ApplyAgc(Project& project);
// Refreshes the depths of the "start of log" entry (when it is the first) and the "end of log"
// entry (when it is the last) from the log before the times; no other entry is changed.
void ComputeHorizonTimes(Project& project);

// The computing steps of a recompute: synthDisplayed := true, then the tie's stretch of the logs,
// reflectivity, convolution with AGC, and horizon times. A failure stops there and is returned as
// its reason; whatever was computed before it stays in the record.
std::optional<std::string> RecomputeSynthetic(Project& project);

}  // namespace tessarin
