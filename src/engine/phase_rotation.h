#pragma once

// A constant phase rotation of a trace, through its Hilbert transform (the quadrature trace, in
// which every cos(2 pi f t) becomes sin(2 pi f t)).

#include <vector>

namespace tessarin {

// The Hilbert transform of evenly sampled values taken as zero outside them.
std::vector<double> HilbertTransform(const std::vector<double>& values);

// Every frequency's phase turned by `degrees`, so that cos(2 pi f t) becomes
// cos(2 pi f t + phase): values x cos(phase) - Hilbert(values) x sin(phase). This is the phase of
// the bandpass wavelet: rotating a synthetic made with a zero-phase bandpass wavelet by 40 degrees
// gives the synthetic of the same bandpass of phase 40 (up to its scale).
std::vector<double> RotatePhase(const std::vector<double>& values, double degrees);

}  // namespace tessarin
