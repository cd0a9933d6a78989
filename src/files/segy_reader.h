#pragma once

// Reading a seismic trace from a SEG-Y file to tie the well to: a summary of the file for the
// user to choose from, and the one trace chosen by inline and crossline, by its number, or as the
// trace nearest the well. Only the trace headers and the chosen trace are read, never the whole
// file. Every function hands back the data or a message naming the file and the cause.

#include <optional>
#include <string>
#include <vector>

#include "files/read_result.h"
#include "files/segy_file.h"
#include "model/sampled_trace.h"

namespace tessarin {

// Where the inline and crossline numbers stand in the trace headers: byte positions counted from
// 1, each the first of a 4-byte signed integer (189 and 193 in SEG-Y revision 1).
struct SegyLineBytes {
    int inlineByte = 189;
    int crosslineByte = 193;
};

struct SegyReadOptions {
    SegyLineBytes lineBytes = {};
    // The sample interval to use, in milliseconds; 0 takes it from the headers, which fails when
    // the binary header and the first trace header disagree.
    double intervalMs = 0;
};

// What a dialog shows of a file before the user chooses a trace.
struct SegySummary {
    SegyLayout layout;
    SegyLineBytes lineBytes = {};
    int firstInline = 0;  // the ranges of the numbers at lineBytes over all traces
    int lastInline = 0;
    int firstCrossline = 0;
    int lastCrossline = 0;
    double minX = 0;  // the range of the scaled CDP X and Y (bytes 181 and 185)
    double maxX = 0;
    double minY = 0;
    double maxY = 0;
};

// Reads every trace header once (the samples are skipped).
ReadResult<SegySummary> ScanSegy(const std::string& path, const SegyLineBytes& lineBytes = {});

// The summary as lines of text: traces, samples, both sample intervals, format and byte order,
// the first sample's time, the inline, crossline and CDP X/Y ranges, and the reader's notes.
std::vector<std::string> DescribeSegy(const SegySummary& summary);

// Which trace to read.
struct SegyTraceChoice {
    enum class By { kLines, kNumber, kNearest };
    By by = By::kNumber;
    int inlineNumber = 0;
    int crosslineNumber = 0;
    long long traceNumber = 1;  // counted from 1 in file order
    double x = 0;               // the well's position, in the scaled CDP coordinates
    double y = 0;

    static SegyTraceChoice AtLines(int inlineNumber, int crosslineNumber);
    static SegyTraceChoice Number(long long traceNumber);
    static SegyTraceChoice NearestTo(double x, double y);
};

struct SegyTrace {
    SampledTrace trace;  // times from the trace's delay recording time (bytes 109-110)
    long long traceNumber = 0;
    int inlineNumber = 0;
    int crosslineNumber = 0;
    double x = 0;  // scaled CDP X and Y
    double y = 0;
    double distance = 0;  // from the given position, when chosen as the nearest trace
};

ReadResult<SegyTrace> ReadSegyTrace(const std::string& path, const SegyTraceChoice& choice,
                                    const SegyReadOptions& options = {});

// The sample interval to use in seconds of two-way time: the override, or the interval the
// headers agree on (one of them may be 0). Throws Error naming both when they disagree or give
// none.
double SegySampleInterval(const SegyLayout& layout, double overrideMs);

}  // namespace tessarin
