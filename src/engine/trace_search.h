#pragma once

// How well the synthetic ties to each trace around the one chosen at the well: r at the best lag
// and that lag, trace by trace, as the tie measures them. A trace off the chosen one that ties
// clearly better says that the well, or the seismic, is not where the project puts it.

#include <cstddef>
#include <optional>
#include <vector>

#include "engine/tie.h"
#include "model/sampled_trace.h"

namespace tessarin {

// A trace around the chosen one, by its offset from it: in inline and crossline numbers in a 3D
// volume; along a 2D line, in trace numbers, as the crossline offset with an inline offset of 0.
struct SearchTrace {
    int inlineOffset = 0;
    int crosslineOffset = 0;
    SampledTrace trace;
};

struct SearchCell {
    int inlineOffset = 0;
    int crosslineOffset = 0;
    // The tie's best lag (seconds) and its r; NaN where the trace and the synthetic share too
    // little of the window, or the trace is flat in it.
    LagPeak best;
};

struct TraceSearch {
    std::vector<SearchCell> cells;  // one for each trace, in the order given
    // The cell of the highest r (of two alike, the one nearer the chosen trace); none when no
    // trace could be measured.
    std::optional<std::size_t> best;
    std::optional<std::size_t> chosen;  // the cell at offset 0, 0 when it is among them
};

// Measures the synthetic against every trace over `window` (nothing: where each overlaps the
// synthetic) at lags up to `maxLag` seconds either side. Never throws for a trace that cannot be
// measured: its cell holds NaN.
TraceSearch SearchTraces(const SampledTrace& synthetic, const std::vector<SearchTrace>& traces,
                         const std::optional<TieWindow>& window, double maxLag);

}  // namespace tessarin
