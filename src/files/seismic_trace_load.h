#pragma once

// A seismic trace read for the tie, together with where it came from, ready for SetTieTrace. The
// Load Seismic Trace dialog and tessarin-cli tie both read traces through these functions.

#include <string>

#include "files/read_result.h"
#include "files/segy_reader.h"
#include "model/tie.h"

namespace tessarin {

struct LoadedSeismicTrace {
    SeismicSource source;
    SampledTrace trace;
};

// The trace chosen from a SEG-Y file (ReadSegyTrace), its number, inline and crossline, and for
// the trace nearest the well the position given and its distance.
ReadResult<LoadedSeismicTrace> LoadSegyTrace(const std::string& path, const SegyTraceChoice& choice,
                                             const SegyReadOptions& options = {});

// The one trace of a plain text file (ReadTextTrace).
ReadResult<LoadedSeismicTrace> LoadTextTrace(const std::string& path);

// Which trace of its file the source is, in a few words: "trace 25 (inline 5, crossline 7)",
// followed for the trace nearest the well by ", nearest X 1000, Y 5000: 12.5 away"; "the text
// file's trace" for a plain text trace.
std::string SeismicTraceText(const SeismicSource& source);

}  // namespace tessarin
