#pragma once

// Dynamic warping of the synthetic to the seismic trace (D. Hale, "Dynamic warping of seismic
// images", Geophysics 78(2), 2013): the time shift s(t), at each synthetic sample in the tie
// window, that best matches the synthetic at t with the seismic at t + s(t), with |s| <= maxLag
// and the strain |ds/dt| <= maxStrain, so that the shift follows a drift but cannot chase noise
// cycle by cycle. Auto Stretch turns the shift into knees of the time-depth curve.

#include "engine/tie.h"
#include "model/sampled_trace.h"

namespace tessarin {

struct WarpingOptions {
    double maxLag = 0.100;    // seconds: the largest |s| tried
    double maxStrain = 0.05;  // the largest |ds/dt| allowed, above 0 and at most 1
    // Seconds: the standard deviation of the Gaussian that smooths the shift once the best path
    // is found, 0 for none. The path moves in steps of half a millisecond and wobbles with the
    // noise; 20 ms smooths both away and keeps 95 % of a drift bump 150 ms wide at half height.
    double smoothing = 0.020;
};

struct Warping {
    // s at the synthetic's own sample times inside the window, seconds; positive = the seismic
    // event lies later (the tie's lag convention). The window is cut to where the synthetic has
    // samples and the seismic reaches maxLag before and after them.
    SampledTrace shifts;
    double largestStrain = 0;  // the largest |ds/dt| of the returned (smoothed) shifts
};

// Throws Error (message for the user, naming times to the millisecond as the tie does) when the
// traces share too little of the window, either is flat in it, or the options are not usable
// (maxLag not above zero, maxStrain not in (0, 1], smoothing below zero).
Warping WarpToSeismic(const SampledTrace& synthetic, const SampledTrace& seismic,
                      const TieWindow& window, const WarpingOptions& options = {});

}  // namespace tessarin
