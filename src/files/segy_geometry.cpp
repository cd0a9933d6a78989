#include "files/segy_geometry.h"

#include <segyio/segy.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <vector>

namespace tessarin {
namespace {

// Whether segyio reads a 4-byte header field starting at `byte`, as the reader here does: segyio
// knows only the standard fields' first bytes, and reads some of them as 2 bytes.
bool IsFourByteField(int byte) {
    char header[kSegyTraceHeaderBytes];
    std::memset(header, 1, sizeof header);
    std::int32_t value = 0;
    return byte >= 1 && byte <= kSegyTraceHeaderBytes &&
           segy_get_field(header, byte, &value) == SEGY_OK && value == 0x01010101;
}

// The line numbers segyio read, if they run in even steps.
std::optional<SegyLines> EvenLines(const std::vector<int>& numbers) {
    const long long step = static_cast<long long>(numbers[1]) - numbers[0];
    if (step == 0 || step > INT_MAX || step < INT_MIN) {
        return std::nullopt;
    }
    for (std::size_t k = 1; k < numbers.size(); ++k) {
        if (static_cast<long long>(numbers[k]) - numbers[k - 1] != step) {
            return std::nullopt;
        }
    }
    return SegyLines{numbers[0], static_cast<int>(step), static_cast<int>(numbers.size())};
}

struct Vector {
    double x = 0;
    double y = 0;
};

Vector Between(const SegyHeaderValues& from, const SegyHeaderValues& to, int steps) {
    return {(to.x - from.x) / steps, (to.y - from.y) / steps};
}

// The position's change from one inline to the next, and from one crossline to the next.
std::pair<Vector, Vector> Steps(const SegyGeometry& g) {
    return {Between(g.corners[0], g.corners[2], g.inlines.count - 1),
            Between(g.corners[0], g.corners[1], g.crosslines.count - 1)};
}

bool SpansGrid(const SegyGeometry& g) {
    const auto [u, v] = Steps(g);
    const double lu = std::hypot(u.x, u.y);
    const double lv = std::hypot(v.x, v.y);
    const double det = u.x * v.y - u.y * v.x;
    if (!(lu > 0 && lv > 0) || !(std::fabs(det) > 1e-6 * lu * lv)) {
        return false;
    }
    const auto& c = g.corners;
    const double missX = c[1].x + c[2].x - c[0].x - c[3].x;
    const double missY = c[1].y + c[2].y - c[0].y - c[3].y;
    return std::hypot(missX, missY) <= 0.25 * std::min(lu, lv);
}

// The sorting and the lines segyio finds, as segyio's own readers find them: post-stack traces
// sorted by inline or crossline, as many as the lines hold, numbered in even steps.
std::optional<SegyGeometry> SegyioLines(const SegyFile& file, int il, int xl) {
    const SegyLayout& layout = file.Layout();
    segy_file* fp = file.FieldHandle();
    const long trace0 = static_cast<long>(layout.firstTraceOffset);
    const int size = layout.traceDataBytes;
    const int traces = static_cast<int>(layout.traceCount);
    int offsets = 0;
    int sorting = SEGY_UNKNOWN_SORTING;
    int inlineCount = 0;
    int crosslineCount = 0;
    if (segy_offsets(fp, il, xl, traces, &offsets, trace0, size) != SEGY_OK || offsets != 1 ||
        segy_sorting(fp, il, xl, SEGY_TR_OFFSET, &sorting, trace0, size) != SEGY_OK ||
        (sorting != SEGY_INLINE_SORTING && sorting != SEGY_CROSSLINE_SORTING) ||
        segy_lines_count(fp, il, xl, sorting, 1, &inlineCount, &crosslineCount, trace0, size) !=
            SEGY_OK ||
        inlineCount < 2 || crosslineCount < 2 ||
        static_cast<long long>(inlineCount) * crosslineCount != layout.traceCount) {
        return std::nullopt;
    }
    std::vector<int> inlines(static_cast<std::size_t>(inlineCount));
    std::vector<int> crosslines(static_cast<std::size_t>(crosslineCount));
    if (segy_inline_indices(fp, il, sorting, inlineCount, crosslineCount, 1, inlines.data(), trace0,
                            size) != SEGY_OK ||
        segy_crossline_indices(fp, xl, sorting, inlineCount, crosslineCount, 1, crosslines.data(),
                               trace0, size) != SEGY_OK) {
        return std::nullopt;
    }
    const std::optional<SegyLines> inlineLines = EvenLines(inlines);
    const std::optional<SegyLines> crosslineLines = EvenLines(crosslines);
    if (!inlineLines || !crosslineLines) {
        return std::nullopt;
    }
    SegyGeometry g;
    g.sorting = sorting == SEGY_INLINE_SORTING ? SegyGeometry::Sorting::kInline
                                               : SegyGeometry::Sorting::kCrossline;
    g.inlines = *inlineLines;
    g.crosslines = *crosslineLines;
    return g;
}

}  // namespace

SegyHeaderValues DecodeSegyHeader(const SegyTraceHeader& header, const SegyLineBytes& bytes,
                                  TraceCoordinates coordinates, bool littleEndian) {
    const auto field = [&](int byte, int size) {
        return HeaderInteger(header.data(), byte, size, littleEndian);
    };
    const int scalar = field(71, 2);
    const double factor = scalar > 0 ? scalar : scalar < 0 ? -1.0 / scalar : 1.0;
    const int xByte = coordinates == TraceCoordinates::kSource ? 73 : 181;
    return {field(bytes.inlineByte, 4), field(bytes.crosslineByte, 4), field(xByte, 4) * factor,
            field(xByte + 4, 4) * factor};
}

int SegyCoordinateScalar(const SegyTraceHeader& header, bool littleEndian) {
    return HeaderInteger(header.data(), 71, 2, littleEndian);
}

std::optional<int> SegyLines::IndexOf(int number) const {
    const long long offset = static_cast<long long>(number) - first;
    if (step == 0 || offset % step != 0) {
        return std::nullopt;
    }
    const long long index = offset / step;
    if (index < 0 || index >= count) {
        return std::nullopt;
    }
    return static_cast<int>(index);
}

long long SegyGeometry::TraceIndex(int inlineIndex, int crosslineIndex) const {
    return sorting == Sorting::kInline
               ? static_cast<long long>(inlineIndex) * crosslines.count + crosslineIndex
               : static_cast<long long>(crosslineIndex) * inlines.count + inlineIndex;
}

std::optional<std::pair<double, double>> SegyGeometry::IndicesAt(double x, double y) const {
    if (!mapped) {
        return std::nullopt;
    }
    const auto [u, v] = Steps(*this);
    const double det = u.x * v.y - u.y * v.x;
    const double dx = x - corners[0].x;
    const double dy = y - corners[0].y;
    return std::pair{(dx * v.y - dy * v.x) / det, (u.x * dy - u.y * dx) / det};
}

std::pair<double, double> SegyGeometry::PositionAt(double inlineIndex,
                                                   double crosslineIndex) const {
    if (!mapped) {
        return {0, 0};
    }
    const auto [u, v] = Steps(*this);
    return {corners[0].x + inlineIndex * u.x + crosslineIndex * v.x,
            corners[0].y + inlineIndex * u.y + crosslineIndex * v.y};
}

std::optional<SegyGeometry> FindSegyGeometry(const SegyFile& file, const SegyLineBytes& bytes,
                                             TraceCoordinates coordinates) {
    const SegyLayout& layout = file.Layout();
    const int il = bytes.inlineByte;
    const int xl = bytes.crosslineByte;
    if (layout.traceCount < 4 || layout.traceCount > INT_MAX || il == xl || !IsFourByteField(il) ||
        !IsFourByteField(xl)) {
        return std::nullopt;
    }
    const auto values = [&](long long index) {
        return DecodeSegyHeader(file.Header(index), bytes, coordinates, layout.littleEndian);
    };
    // A single line, or a file without line numbers, is no volume; segyio would read every
    // header of it to count its one line.
    const SegyHeaderValues first = values(0);
    const SegyHeaderValues last = values(layout.traceCount - 1);
    if (first.inlineNumber == last.inlineNumber || first.crosslineNumber == last.crosslineNumber) {
        return std::nullopt;
    }
    std::optional<SegyGeometry> found = SegyioLines(file, il, xl);
    if (!found) {
        return std::nullopt;
    }
    SegyGeometry& g = *found;
    // The corners must stand where the geometry puts them, in the reader's own decoding.
    const int lastInline = g.inlines.count - 1;
    const int lastCrossline = g.crosslines.count - 1;
    const std::pair<int, int> corners[] = {
        {0, 0}, {0, lastCrossline}, {lastInline, 0}, {lastInline, lastCrossline}};
    for (std::size_t k = 0; k < 4; ++k) {
        const auto [i, j] = corners[k];
        const SegyHeaderValues h = values(g.TraceIndex(i, j));
        if (h.inlineNumber != g.inlines.Number(i) || h.crosslineNumber != g.crosslines.Number(j)) {
            return std::nullopt;
        }
        g.corners[k] = h;
    }
    g.mapped = SpansGrid(g);
    return found;
}

}  // namespace tessarin
