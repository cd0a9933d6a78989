#pragma once

// Where the parts of the search map are drawn in a box: the cells (columns by crossline, or by
// trace number along a 2D line; rows by inline), the colour bar, and the range of r. The painter,
// the click and the widget's height all place the cells through these functions.

#include <QFontMetrics>
#include <QRect>
#include <QString>
#include <cstddef>
#include <optional>

#include "files/tie_search.h"

namespace tessarin {

// The search shown and the cell of the trace tied to now.
struct SearchMapData {
    std::optional<TieSearch> search;
    std::optional<std::size_t> tied;
};

namespace search_map {

inline constexpr int kTick = 3;
inline constexpr int kBarWidth = 10;

// The range of the r found: the colour scale's, or the r axis's along a line.
struct RRange {
    double low = 0;
    double high = 1;
    int decimals = 2;
    double Share(double r) const { return (r - low) / (high - low); }
};

struct Geometry {
    int columns = 1;
    int rows = 1;
    QRectF cells;
    QRect bar;
    RRange range;
    int firstColumnNumber = 0;  // the line (or trace) number of the first column
    int firstRowNumber = 0;
    bool Valid() const { return cells.width() >= columns * 4 && cells.height() >= 12; }
    double CellWidth() const { return cells.width() / columns; }
    double CellHeight() const { return cells.height() / rows; }
};

QString RText(double r, int decimals);
// A lag in milliseconds to 0.1 ms with its sign ("+8.0 ms", "-0.2 ms"); a lag that rounds to
// nothing reads "0.0 ms", never "-0.0 ms".
QString LagText(double seconds);

Geometry GeometryOf(const QFontMetrics& fm, const QRect& box, const TieSearch& search);

// A cell's square in a volume; its point on the curve of r along a line.
QRectF CellRect(const Geometry& g, const SearchCell& cell, int reach);
QPointF CurvePoint(const Geometry& g, const SearchCell& cell, int reach);

}  // namespace search_map

// The cell drawn at `point` in a map drawn into `box`; none off the cells, or at a trace the file
// does not hold.
std::optional<std::size_t> SearchCellAt(const QFontMetrics& metrics, const QRect& box,
                                        const SearchMapData& map, QPoint point);

// The height a map `width` wide needs for square cells, the numbers and the key under them.
int SearchMapHeight(const QFontMetrics& metrics, int width, const SearchMapData& map);

}  // namespace tessarin
