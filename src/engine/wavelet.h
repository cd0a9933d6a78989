#pragma once

// The wavelets: a zero-phase Ricker wavelet of one peak frequency, or a bandpass wavelet of four
// corner frequencies with a constant phase rotation. Both are sampled at the synthetic's own
// sample interval over indices -h to h (element h + 1 exists and stays 0) and normalised to a
// peak absolute amplitude of 1.

#include "model/project.h"

namespace tessarin {

// Fill project.wavelet from the stored parameters. Throw Error with a readable reason for input
// that cannot give a wavelet.
void MakeRickerWavelet(Project& project);
void MakeBandpassWavelet(Project& project);

// The generator of project.waveletType, as opening a project does.
void BuildWavelet(Project& project);

}  // namespace tessarin
