#pragma once

// What a wavelet's spectrum says about it: the constant phase that describes it best and its
// dominant frequency. A wavelet here is its samples at lags -h to h (entry j + h at lag j), time
// zero in the middle, `interval` two-way seconds apart.

#include <vector>

namespace tessarin {

// The phase follows the bandpass wavelet's phase parameter: the zero-phase wavelet of the same
// amplitude spectrum turned by `degrees` (RotatePhase) is the closest such wavelet. The residual
// is the RMS, over frequency and weighted by the power there, of the wavelet's own phase less
// that constant: near 0 for a constant-phase wavelet, large for a wavelet away from time zero.
// Both are taken over the wavelet's band, where its amplitude is at least a tenth of its peak.
struct ConstantPhase {
    double degrees = 0;  // -180 to 180
    double residualDegrees = 0;
};

// Throws nothing; an all-zero wavelet has phase 0 and residual 0.
ConstantPhase WaveletPhase(const std::vector<double>& samples);

// The frequency of the peak of the amplitude spectrum, in Hz, placed between the spectrum's
// lines by a parabola; 0 for an all-zero wavelet.
double DominantFrequency(const std::vector<double>& samples, double interval);

// The amplitude spectrum of the wavelet on `bins` lines from 0 Hz to the Nyquist frequency.
std::vector<double> AmplitudeSpectrum(const std::vector<double>& samples, int bins);

}  // namespace tessarin
