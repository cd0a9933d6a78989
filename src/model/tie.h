#pragma once

// The seismic tie of a project: the seismic trace at the well, copied into the project so that
// the project opens without the survey file; where the trace came from; the time window the tie
// is measured over; the bulk shift applied to every two-way time of the well; and the stretch
// that corrects the drift the bulk shift cannot.

#include <string>
#include <vector>

#include "model/sampled_trace.h"

namespace tessarin {

// How the trace was chosen from its file.
enum class TraceChoice {
    kLines,     // by inline and crossline
    kNumber,    // by its number in the file
    kNearest,   // the trace nearest a well position the user typed
    kTextFile,  // a plain text trace: the file's one trace
    // the bilinear blend of the four traces of a 3D volume around a well position the user typed
    kInterpolated,
};

// Which coordinates of a SEG-Y trace header place the trace: CDP X and Y (bytes 181 and 185) or
// source X and Y (bytes 73 and 77), both scaled by bytes 71-72.
enum class TraceCoordinates { kCdp, kSource };

struct SeismicSource {
    std::string path;
    TraceChoice choice = TraceChoice::kTextFile;
    // A SEG-Y trace: its number in the file (from 1) and its inline and crossline numbers, read
    // at these trace header bytes (counted from 1).
    long long traceNumber = 0;
    int inlineNumber = 0;
    int crosslineNumber = 0;
    int inlineByte = 189;
    int crosslineByte = 193;
    // kNearest and kInterpolated: the well position typed, in the file's scaled coordinates;
    // kNearest: the trace's distance from it.
    double wellX = 0;
    double wellY = 0;
    double distance = 0;
    // A SEG-Y trace: the coordinates the position is read from.
    TraceCoordinates coordinates = TraceCoordinates::kCdp;
    // kInterpolated: the well's place among the lines, as fractional inline and crossline
    // numbers; traceNumber, inlineNumber and crosslineNumber are those of the blended trace
    // nearest the well.
    double inlinePosition = 0;
    double crosslinePosition = 0;

    bool IsSegy() const { return choice != TraceChoice::kTextFile; }
    bool operator==(const SeismicSource&) const = default;
};

// The two-way times the tie is measured over.
struct TieWindowChoice {
    enum class By {
        kOverlap,   // wherever the synthetic and the seismic both have samples
        kTimes,     // from start to end
        kHorizons,  // between two horizons of the horizon table, named
    };
    By by = By::kOverlap;
    double start = 0;  // kTimes: two-way seconds below the seismic datum
    double end = 0;
    std::string upperHorizon;  // kHorizons
    std::string lowerHorizon;

    bool operator==(const TieWindowChoice&) const = default;
};

// A knee of the stretch: the event at `syntheticTime` on the synthetic (after the bulk shift)
// moves to `newTime`. Between two knees the shift changes linearly with time; above the first
// knee and below the last it stays as at that knee.
struct StretchKnee {
    double syntheticTime = 0;  // two-way seconds below the seismic datum
    double newTime = 0;

    double Shift() const { return newTime - syntheticTime; }
    bool operator==(const StretchKnee&) const = default;
};

struct SeismicTie {
    SeismicSource source;
    SampledTrace trace;  // two-way seconds below the seismic datum
    TieWindowChoice window;
    // Added to every two-way time of the well: the synthetic, the time axis, the horizon times
    // and the exports all move by it. Kept to 0.1 ms steps.
    double shiftSeconds = 0;
    // The stretch, in order of synthetic time; none when empty. It moves the well's time-depth
    // relation, not the synthetic trace, so the wavelet keeps its shape.
    std::vector<StretchKnee> knees;

    bool operator==(const SeismicTie&) const = default;
};

}  // namespace tessarin
