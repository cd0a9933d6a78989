#pragma once

// The wavelets: a zero-phase Ricker wavelet of one peak frequency, a bandpass wavelet of four
// corner frequencies with a constant phase rotation, or an extracted wavelet resampled from its
// own samples. All are sampled at the synthetic's own
// sample interval over indices -h to h (element h + 1 exists and stays 0) and normalised to a
// peak absolute amplitude of 1.

#include <array>

#include "model/project.h"

namespace tessarin {

// The wavelets have always been computed with pi rounded to six decimals; keeping it keeps
// the samples of existing projects.
inline constexpr double kWaveletPi = 3.141593;

// The bandpass spectrum is a table of whole hertz from 0 to this frequency.
inline constexpr int kHighestWaveletFrequency = 500;

using BandpassAmplitudes = std::array<double, kHighestWaveletFrequency + 1>;

// Fill project.wavelet from the stored parameters (sampleIntervalUs is first set from
// sampleRateIndex). Throw Error with a readable reason for input that cannot give a wavelet:
// a length that is negative or too long, a Ricker frequency that is no number or not above 0,
// corners that are no numbers, out of order or above 500 Hz, a phase that is no number, or a
// wavelet whose samples are all 0. On failure project.wavelet is left as it was.
void MakeRickerWavelet(Project& project);
void MakeBandpassWavelet(Project& project);

// The extracted wavelet at the project's sample interval, by the windowed sinc the tie resamples
// the seismic with (TraceValueAt); 0 beyond its first and last sample. Its length is its own:
// waveletLength is set to the shortest whole number of samples on each side of time 0 that
// holds it, so the synthetic's arrays make room for it. Throws Error when there is no extracted
// wavelet, when it is too long, or when its samples are all 0; the project is then left as it
// was.
void MakeExtractedWavelet(Project& project);

// The generator of project.waveletType, as opening a project does.
void BuildWavelet(Project& project);

// The bandpass amplitude at each whole frequency: cosine flanks from 0 at the low cut to 1 at
// the low pass and from 1 at the high pass to 0 at the high cut, 1 between, 0 outside. The
// corners must satisfy 0 <= lowCut < lowPass < highPass < highCut <= 500 (else Error).
BandpassAmplitudes BandpassSpectrum(int lowCut, int lowPass, int highPass, int highCut);

// A length cut down to a whole number of double samples:
// Int(length x 250000.1 / sampleIntervalUs) x sampleIntervalUs / 250000. The factor 250000.1
// keeps an exact multiple such as 0.2 s from falling one step short.
double CutWaveletLength(double lengthSeconds, int sampleIntervalUs);

}  // namespace tessarin
