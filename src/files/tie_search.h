#pragma once

// The search around the project's tie: the project's synthetic, over the tie's window, against
// every trace within a reach of the tie's trace in its SEG-Y file. The tie window and
// tessarin-cli tie --search both search through this function.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "engine/trace_search.h"
#include "files/read_result.h"
#include "files/segy_search.h"
#include "model/project.h"

namespace tessarin {

inline constexpr int kDefaultSearchReach = 5;
// 51 by 51 traces: each is read on its own, and a map of more cells could not be read either.
inline constexpr int kLargestSearchReach = 25;

struct TieSearch {
    std::string path;        // the SEG-Y file searched
    bool alongLine = false;  // a 2D line: the crossline offsets are in trace numbers
    int reach = 0;
    TraceSearch search;
    std::vector<SegyTracePlace> places;  // where the trace of each cell of `search` stands
    // What the traces were tied to: the synthetic (with the bulk shift and the stretch) and the
    // window's times.
    SampledTrace synthetic;
    std::optional<TieWindow> window;
};

// Why the project's tie cannot be searched around: it holds no seismic trace, or a text file's
// only trace. None when it can.
std::optional<std::string> SearchRefusal(const Project& project);

// Reads the traces (ReadNearbyTraces) and measures each at lags up to `maxLag` seconds either
// side (SearchTraces). Fails with a message for the user when the project holds no SEG-Y trace,
// the reach is not 1 to kLargestSearchReach, the chosen trace cannot be read, or the tie's window
// cannot be found.
ReadResult<TieSearch> SearchAroundTie(const Project& project, int reach, double maxLag);

// The cell of the trace the project ties to now, when it is one of those searched (the search
// still stands around it after a click on a cell); none once the search no longer holds: after a
// trace from elsewhere, or a change of the synthetic or of the window's times.
std::optional<std::size_t> TiedCell(const TieSearch& search, const Project& project);

}  // namespace tessarin
