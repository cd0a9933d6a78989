#pragma once

// What the display shows of a project's seismic tie beyond the trace itself: how much the seismic
// is scaled to be drawn beside the synthetic, the tie window to mark, and the figures of the
// header line. Worked out by the recompute (and by the printer before it prints), where the
// synthetic changes, so that drawing only reads them.

#include <optional>
#include <string>

#include "engine/tie.h"
#include "model/project.h"

namespace tessarin {

struct TieDisplay {
    bool computed = false;  // false for a project without a seismic trace
    // Seismic samples are drawn multiplied by this, so that their RMS in the tie window equals
    // the synthetic's there and one amplitude scale serves both.
    double seismicGain = 0.0;
    std::optional<TieWindow> window;  // the window measured over; none when it could not be
    LagPeak best;                     // the best correlation and its lag
    std::string failure;              // why there are no figures, for the header line
};

// The tie display of a recomputed project (synthetic and start time). Never throws: a tie that
// cannot be measured (the window's horizons gone from the table, too little overlap, a flat
// trace) keeps the reason in `failure`, and the seismic is then scaled over the overlap of the two
// traces, or over both whole traces when they do not overlap.
TieDisplay ComputeTieDisplay(const Project& project);

// The header line of a project with a seismic trace: "Seismic: line.sgy  IL 1190  XL 1155
// r = 0.60 at +6.0 ms, window 1.000–1.600 s", with the reason in place of the figures when the
// tie could not be measured, and for a stretched synthetic "   stretched: 12 knees, largest
// shift +18.4 ms" after them.
std::string TieHeaderLine(const Project& project, const TieDisplay& tie);

}  // namespace tessarin
