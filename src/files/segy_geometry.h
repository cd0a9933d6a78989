#pragma once

// The inline and crossline geometry of a 3D SEG-Y volume, found through segyio as segyio's own
// readers find it: the traces sorted by inline (the crosslines of an inline one after the other)
// or by crossline, every inline holding every crossline, both numbered in even steps. With it a
// trace's place in the file follows from its inline and crossline numbers, and the four corner
// traces map inline and crossline to X and Y, so that no trace header but the one wanted is read.
// A file without such a geometry (a 2D line, a pre-stack or unsorted file, one with holes) has
// none and is read as a list of traces.

#include <array>
#include <optional>
#include <utility>

#include "files/segy_file.h"
#include "model/tie.h"

namespace tessarin {

// Where the inline and crossline numbers stand in the trace headers: byte positions counted from
// 1, each the first of a 4-byte signed integer (189 and 193 in SEG-Y revision 1).
struct SegyLineBytes {
    int inlineByte = 189;
    int crosslineByte = 193;
};

// What a trace header says of where its trace stands: the line numbers at the chosen bytes, and
// the chosen X and Y (CDP, bytes 181 and 185, or source, bytes 73 and 77) scaled by bytes 71-72:
// a positive scalar multiplies, a negative one divides, 0 stands for 1.
struct SegyHeaderValues {
    int inlineNumber = 0;
    int crosslineNumber = 0;
    double x = 0;
    double y = 0;
};

SegyHeaderValues DecodeSegyHeader(const SegyTraceHeader& header, const SegyLineBytes& bytes,
                                  TraceCoordinates coordinates, bool littleEndian);

// The coordinate scalar of bytes 71-72 as it stands in the header.
int SegyCoordinateScalar(const SegyTraceHeader& header, bool littleEndian);

// The numbers of the inlines or the crosslines: `count` of them from `first` in steps of `step`
// (which may be negative, never 0).
struct SegyLines {
    int first = 0;
    int step = 1;
    int count = 0;

    int Last() const { return first + step * (count - 1); }
    int Number(int index) const { return first + step * index; }
    // The index (from 0) of the line numbered `number`; nothing when no line has that number.
    std::optional<int> IndexOf(int number) const;
};

struct SegyGeometry {
    enum class Sorting {
        kInline,     // the traces of an inline follow one another
        kCrossline,  // the traces of a crossline follow one another
    };
    Sorting sorting = Sorting::kInline;
    SegyLines inlines;
    SegyLines crosslines;
    // The corner traces as their headers give them: the first inline at its first and its last
    // crossline, then the last inline at its first and its last crossline.
    std::array<SegyHeaderValues, 4> corners{};
    // Whether the corners span a grid: the affine map between inline and crossline and X and Y
    // that the first three corners give places the fourth within a quarter of a bin.
    bool mapped = false;

    // The index in the file (from 0) of the trace at an inline and a crossline index.
    long long TraceIndex(int inlineIndex, int crosslineIndex) const;
    // The fractional inline and crossline indices of a position, from the corners' affine map;
    // nothing when the corners do not span a grid. Positions outside the volume give indices
    // below 0 or above the last.
    std::optional<std::pair<double, double>> IndicesAt(double x, double y) const;
    // The position at fractional inline and crossline indices; (0, 0) when not mapped.
    std::pair<double, double> PositionAt(double inlineIndex, double crosslineIndex) const;
};

// The geometry of an open file, its line numbers read at `bytes` and its corners placed by
// `coordinates`; nothing when the file holds no regular 3D volume. Reads a few trace headers:
// the first and last, those segyio reads to find the sorting and count the lines (one line's
// worth and one header per line of the other direction) and the four corners.
std::optional<SegyGeometry> FindSegyGeometry(const SegyFile& file, const SegyLineBytes& bytes,
                                             TraceCoordinates coordinates);

}  // namespace tessarin
