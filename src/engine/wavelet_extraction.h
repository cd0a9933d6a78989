#pragma once

// The wavelet extracted at the well from the tie's seismic trace and the project's reflection
// coefficients: deterministic (the least-squares filter that turns the coefficients into the
// seismic) or statistical (zero phase, from the seismic's own autocorrelation). A wavelet fitted
// in a window always raises r there, so r is also measured in a check window outside it. The
// project is not changed; a later step may make the wavelet the project's own.
//
// The statistical wavelet takes the reflectivity to be white: where the coefficients are richer
// in high frequencies than in low, as in most wells, its spectrum leans the same way.

#include <optional>
#include <string>

#include "engine/tie.h"
#include "model/offset_array.h"
#include "model/project.h"

namespace tessarin {

struct WaveletExtractionOptions {
    // Nothing: the tie's window. Either is cut to where the synthetic and the seismic overlap.
    std::optional<TieWindow> window = {};
    // Nothing: the overlap above and below the extraction window.
    std::optional<TieWindow> checkWindow = {};
    double lengthSeconds = 0.128;  // cut to whole samples as the program's wavelets are
    // The part of the length given to the cosine taper, half of it at each end.
    double taperFraction = 0.20;
    // Added to the zero-lag autocorrelation of the reflection coefficients, in per cent of it:
    // keeps the wavelet from growing where the coefficients have little energy.
    double prewhiteningPercent = 1.0;
};

struct StatisticalPhase {
    enum class By {
        kZero,           // the wavelet as the seismic's spectrum gives it
        kDeterministic,  // the constant phase of the deterministic wavelet in the same window
        kGiven,          // `degrees`
    };
    By by = By::kZero;
    double degrees = 0;
};

struct WaveletExtraction {
    // Samples -h to h at the project's sample interval, entry h + 1 held at 0, peak absolute
    // amplitude 1: the layout and scale of project.wavelet, with h from lengthSeconds.
    OffsetArray wavelet;
    double lengthSeconds = 0;
    // seismic ~ scale x (coefficients convolved with the wavelet) in the extraction window, by
    // least squares: the amplitude the normalised wavelet lost.
    double scale = 0;
    double phaseDegrees = 0;          // see ConstantPhase (engine/wavelet_spectrum.h)
    double phaseResidualDegrees = 0;  // likewise
    double dominantFrequency = 0;     // Hz
    // The extraction window used, cut to whole synthetic samples, and the fit of the synthetic
    // made with the wavelet (without AGC) to the seismic there: PEP at the scale above, and
    // Pearson r.
    TieWindow window;
    double pep = 0;
    double r = 0;
    // r in the check window; NaN when it holds fewer than 8 samples of both traces.
    double checkR = 0;
};

// Throws Error with a reason for the user when the project holds no seismic trace or no computed
// reflection coefficients, when the extraction window holds fewer than four wavelet lengths of
// samples, when the coefficients or the seismic are all 0 there, or as TieWindowTimes does.
WaveletExtraction ExtractDeterministicWavelet(const Project& project,
                                              const WaveletExtractionOptions& options = {});
// The statistical wavelet at the phase chosen, measured as the deterministic one is.
WaveletExtraction ExtractStatisticalWavelet(const Project& project,
                                            const WaveletExtractionOptions& options = {},
                                            const StatisticalPhase& phase = {});

// Makes the extracted wavelet the project's wavelet: the extracted type, its samples, and as its
// source the seismic file's name and trace, the extraction window and `method` ("line.sgy trace
// 12, 0.600-1.400 s, deterministic"). Built at the project's sample interval as
// MakeExtractedWavelet does, and throws Error as it does; the project is then as it was.
void UseWaveletExtraction(Project& project, const WaveletExtraction& extraction,
                          const std::string& method);

}  // namespace tessarin
