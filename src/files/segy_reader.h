#pragma once

// Reading a seismic trace from a SEG-Y file to tie the well to: a summary of the file for the
// user to choose from, and the one trace chosen by inline and crossline, by its number, as the
// trace nearest the well, or as the blend of the four traces of a 3D volume around the well.
// A regular 3D volume (FindSegyGeometry) is read as segyio reads one: the summary reads a few
// headers, a trace its own header and samples; the geometry found is kept for the next reading
// of the same unchanged file. Any other file is read as a list of traces, its headers scanned.
// Every function hands back the data or a message naming the file and the cause.

#include <optional>
#include <string>
#include <vector>

#include "files/read_result.h"
#include "files/segy_file.h"
#include "files/segy_geometry.h"
#include "model/sampled_trace.h"

namespace tessarin {

struct SegyReadOptions {
    SegyLineBytes lineBytes = {};
    // The sample interval to use, in milliseconds; 0 takes it from the headers, which fails when
    // the binary header and the first trace header disagree.
    double intervalMs = 0;
    // The coordinates that place a trace, for the trace nearest the well and the blend.
    TraceCoordinates coordinates = TraceCoordinates::kCdp;
};

// What a dialog shows of a file before the user chooses a trace.
struct SegySummary {
    SegyLayout layout;
    SegyLineBytes lineBytes = {};
    TraceCoordinates coordinates = TraceCoordinates::kCdp;
    int firstInline = 0;  // the ranges of the numbers at lineBytes over all traces
    int lastInline = 0;
    int firstCrossline = 0;
    int lastCrossline = 0;
    double minX = 0;  // the range of the scaled X and Y of `coordinates`
    double maxX = 0;
    double minY = 0;
    double maxY = 0;
    int coordinateScalar = 0;  // bytes 71-72 of the first trace header
    // A regular 3D volume's geometry; the ranges above are then its lines' and corners'.
    std::optional<SegyGeometry> geometry;
};

// A regular 3D volume's summary from its geometry; any other file's from every trace header,
// read once (the samples are skipped).
ReadResult<SegySummary> ScanSegy(const std::string& path, const SegyLineBytes& lineBytes = {},
                                 TraceCoordinates coordinates = TraceCoordinates::kCdp);

// The summary as lines of text: traces, samples, both sample intervals, format and byte order,
// the first sample's time, the geometry, the inline, crossline and X/Y ranges (with a volume's
// steps and corners), the coordinate scalar, and the reader's notes.
std::vector<std::string> DescribeSegy(const SegySummary& summary);

// Which trace to read.
struct SegyTraceChoice {
    enum class By { kLines, kNumber, kNearest, kInterpolated };
    By by = By::kNumber;
    int inlineNumber = 0;
    int crosslineNumber = 0;
    long long traceNumber = 1;  // counted from 1 in file order
    double x = 0;  // the well's position, in the scaled coordinates of the read options
    double y = 0;

    static SegyTraceChoice AtLines(int inlineNumber, int crosslineNumber);
    static SegyTraceChoice Number(long long traceNumber);
    static SegyTraceChoice NearestTo(double x, double y);
    // The bilinear blend of the four traces around (x, y) of a regular 3D volume whose corners
    // span a grid.
    static SegyTraceChoice InterpolatedAt(double x, double y);
};

struct SegyTrace {
    SampledTrace trace;  // times from the trace's delay recording time (bytes 109-110)
    // The trace read; for a blend, the blended trace nearest the well.
    long long traceNumber = 0;
    int inlineNumber = 0;
    int crosslineNumber = 0;
    double x = 0;  // its scaled X and Y
    double y = 0;
    double distance = 0;  // from the given position, when chosen as the nearest trace
    // A blend: the well's fractional inline and crossline numbers.
    double inlinePosition = 0;
    double crosslinePosition = 0;
};

ReadResult<SegyTrace> ReadSegyTrace(const std::string& path, const SegyTraceChoice& choice,
                                    const SegyReadOptions& options = {});

// The sample interval to use in seconds of two-way time: the override, or the interval the
// headers agree on (one of them may be 0). Throws Error naming both when they disagree or give
// none.
double SegySampleInterval(const SegyLayout& layout, double overrideMs);

}  // namespace tessarin
