#pragma once

// How well a synthetic ties to a seismic trace: correlation at zero lag and over a range of lags,
// the constant phase and lag that tie best, the fit of the amplitudes (PEP) and the drift of the
// best lag down the well. Times are two-way seconds; a positive lag means the seismic event lies
// later than the synthetic's. Phases follow the bandpass wavelet's phase parameter: the best phase
// is the phase of the bandpass wavelet whose synthetic ties best.

#include <optional>
#include <vector>

#include "model/project.h"
#include "model/sampled_trace.h"

namespace tessarin {

struct TieWindow {
    double start = 0;  // two-way seconds
    double end = 0;
};

struct TieOptions {
    // Nothing: where synthetic and seismic overlap. A window is cut to that overlap.
    std::optional<TieWindow> window = {};
    double maxLag = 0.100;       // lags from -maxLag to +maxLag, seconds
    double driftWindow = 0.200;  // seconds, moved down by a quarter of its length
    // Only the window, r at zero lag and the lag curve with its peak: what a display's header
    // shows, without the phase scan, the fits and the drift.
    bool lagOnly = false;
};

struct LagPeak {
    double lag = 0;  // seconds
    double r = 0;
};

struct PhaseLagPeak {
    double phaseDegrees = 0;  // -180 to below 180
    double lag = 0;
    double r = 0;
};

struct DriftPoint {
    double time = 0;  // the centre of the drift window
    double lag = 0;
    double r = 0;
};

// The amplitude fit of a synthetic to the seismic: seismic ~ scale x synthetic by least squares,
// and PEP = 1 - sum (seismic - scale x synthetic)^2 / sum seismic^2.
struct AmplitudeFit {
    double scale = 0;
    double pep = 0;
};

struct TieMeasures {
    TieWindow window;  // the window used, cut to whole synthetic samples
    double zeroLagR = 0;
    // Pearson r at lags -maxLag to +maxLag in steps of the synthetic's interval (entry k at lag
    // (k - lags) x lagStep, lags = (size - 1) / 2). NaN where fewer than half the window's
    // samples meet the seismic at that lag.
    std::vector<double> lagR;
    double lagStep = 0;
    LagPeak bestLag;  // the highest r, placed between lags by a parabola through the peak
    // The phase, in 1 degree steps, and lag searched together (each alone would trade off against
    // the other); the lag is refined by a parabola, the phase too.
    PhaseLagPeak bestPhase;
    // r for every whole phase from -180 to 179 degrees (entry k at k - 180) with the seismic read
    // at bestPhase.lag: how sharply the tie prefers its phase. Empty when no best phase was found.
    std::vector<double> phaseR;
    AmplitudeFit fit;      // at zero lag and zero phase
    AmplitudeFit bestFit;  // with the synthetic rotated by the best phase and moved by its lag
    // The best lag, at zero phase, in windows of driftWindow down the tie window; none when no
    // best phase was found.
    std::vector<DriftPoint> drift;
};

// Throws Error with a reason for the user when the traces do not overlap in the window, the
// window holds too few samples, or either trace is flat in it.
TieMeasures MeasureTie(const SampledTrace& synthetic, const SampledTrace& seismic,
                       const TieOptions& options = {});

// The window between two entries of the horizon table (1 to horizonCount) after a recompute, in
// the synthetic's two-way time below the datum. Throws Error for an entry that is not in the
// table, or when the time of sample 0 cannot be found.
TieWindow HorizonWindow(const Project& project, int upperHorizon, int lowerHorizon);

}  // namespace tessarin
