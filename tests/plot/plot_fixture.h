#pragma once

// A small well whose display can be worked out by hand, filled in directly (no import, no
// engine):
// - English units, 2 ms sampling, samples 0 to 250.
// - KB 100 ft, datum specified at 0 ft with 8000 ft/s; the log starts at 1100 ft MD, 1000 ft
//   below the datum, so sample 0 lies 2 x 1000 / 8000 = 0.25 s below it.
// - 10000 ft/s (10 ft per sample) down to sample 100 at 2100 ft, then 12500 ft/s (12.5 ft per
//   sample) down to 3975 ft; the one reflection, 2500 / 22500, lies at sample 99.
// - Density -1 (none) above sample 40, 2.3 g/cc below.
// - Synthetic: +1 from sample 60 to 80, -1 from 140 to 160, 0 elsewhere.
// - Horizons: start of log, "Top Chalk" at 2100 ft (0.2 s after sample 0), end of log.
// - Ricker wavelet of 25 Hz, 0.1 s long (h = 25).

#include "model/project.h"

namespace tessarin::test {

Project MakeKnownWell();

// Twips per sample of the known well at its time scale of 5 inches per second.
inline constexpr double kKnownTwipsPerSample = 5.0 * 1440.0 * 0.002;

}  // namespace tessarin::test
