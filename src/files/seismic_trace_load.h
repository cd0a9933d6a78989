#pragma once

// A seismic trace read for the tie, together with where it came from, ready for SetTieTrace. The
// Load Seismic Trace dialog and tessarin-cli tie both read traces through these functions.

#include <optional>
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

// What the Load Seismic Trace dialog shows of a file before the trace is chosen: the summary of a
// SEG-Y file, or the one trace of a text file.
struct SeismicFileSummary {
    std::optional<SegySummary> segy;
    std::optional<SampledTrace> textTrace;
};

// A file the SEG-Y reader can scan is SEG-Y; any other is read as a text trace. A file that is
// neither is refused with the SEG-Y reader's message when its name ends in ".sgy" or ".segy" (in
// any case), where the user meant SEG-Y, and with the text reader's message otherwise.
ReadResult<SeismicFileSummary> ReadSeismicFileSummary(
    const std::string& path, const SegyLineBytes& lineBytes = {},
    TraceCoordinates coordinates = TraceCoordinates::kCdp);

// Which trace of its file the source is, in a few words: "trace 25 (inline 5, crossline 7)",
// followed for the trace nearest the well by ", nearest X 1000, Y 5000: 12.5 away" (with
// " (source)" after the position for source coordinates); for a blend "the blend of the four
// traces around X 1000, Y 5000 at inline 10.25, crossline 20.50, nearest trace 4"; "the text
// file's trace" for a plain text trace. The distance is in the coordinates' units, taken to be
// the project's: with `measurementUnits` (kMetric or kEnglish) it reads "12.5 m away".
std::string SeismicTraceText(const SeismicSource& source,
                             std::optional<int> measurementUnits = std::nullopt);

}  // namespace tessarin
