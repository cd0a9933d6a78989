#pragma once

// The traces around the tie's trace in its SEG-Y file, for a search of the trace that ties best:
// in a 3D volume those within a reach of inlines and crosslines, along a 2D line those within a
// reach of trace numbers. Each is read as Load Seismic Trace reads one (ReadSegyTrace), so that
// whatever makes that read quicker makes the search quicker.

#include <vector>

#include "files/read_result.h"
#include "files/segy_reader.h"
#include "files/seismic_trace_load.h"
#include "model/tie.h"

namespace tessarin {

// Where a trace stands in its file.
struct SegyTracePlace {
    long long traceNumber = 0;  // from 1
    int inlineNumber = 0;
    int crosslineNumber = 0;
};

// A trace around the chosen one: its offset from it (in inline and crossline numbers; along a
// 2D line in trace numbers, as a crossline offset) and the trace read.
struct NearbyTrace {
    int inlineOffset = 0;
    int crosslineOffset = 0;
    SegyTrace read;
};

struct NearbyTraces {
    // A 2D line: every trace of the file on the chosen trace's inline (often 0 throughout).
    bool alongLine = false;
    // Those of the cells within reach that the file holds, inline by inline; the chosen trace
    // among them.
    std::vector<NearbyTrace> traces;
};

// The options the tie's trace was read with: its header bytes for the lines, and its sample
// interval, which may have been given over what the headers say.
SegyReadOptions ReadOptionsOf(const SeismicTie& tie);

// The traces within `reach` (0 or more) of `chosen`, a SEG-Y trace. Cells outside the survey are
// left out. Fails with the reader's message when the chosen trace itself cannot be read.
ReadResult<NearbyTraces> ReadNearbyTraces(const SeismicSource& chosen, int reach,
                                          const SegyReadOptions& options);

// Reads a trace the search found, from the tie's file, to tie to instead: by inline and
// crossline, or along a 2D line by its number, with the tie's read options.
ReadResult<LoadedSeismicTrace> LoadNearbyTrace(const SeismicTie& tie, bool alongLine,
                                               const SegyTracePlace& place);

}  // namespace tessarin
