#pragma once

// The value of a sampled trace between its samples, for comparing a seismic trace with a
// synthetic sampled at other times.

#include <optional>

#include "model/sampled_trace.h"

namespace tessarin {

// The trace at two-way time t, or nothing outside its first to last sample. Interpolated with a
// windowed sinc of eight samples (a Lanczos window of four lobes). Seismic is band-limited and
// often sampled at 4 ms, with energy up to half its Nyquist frequency: halfway between samples a
// 60 Hz wave keeps 73 % of its amplitude with linear interpolation and 90 % with cubic
// convolution, but 100 % (to 0.4 %) with this sinc, so the correlation with the synthetic is not
// weakened by the resampling.
std::optional<double> TraceValueAt(const SampledTrace& trace, double t);

}  // namespace tessarin
