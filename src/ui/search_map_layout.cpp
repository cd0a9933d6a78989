#include "ui/search_map_layout.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

namespace tessarin::search_map {
namespace {

RRange RangeOf(const TieSearch& s) {
    double low = std::numeric_limits<double>::infinity();
    double high = -low;
    for (const SearchCell& c : s.search.cells) {
        if (std::isfinite(c.best.r)) {
            low = std::min(low, c.best.r);
            high = std::max(high, c.best.r);
        }
    }
    if (!std::isfinite(low)) {
        return {};
    }
    // Traces alike in r would stretch noise over the whole scale.
    if (high - low < 0.02) {
        low = high - 0.02;
    }
    return {low, high, high - low < 0.05 ? 3 : 2};
}

// The cell of every offset the search holds.
std::map<std::pair<int, int>, std::size_t> CellsByOffset(const TieSearch& s) {
    std::map<std::pair<int, int>, std::size_t> cells;
    for (std::size_t k = 0; k < s.search.cells.size(); ++k) {
        cells[{s.search.cells[k].inlineOffset, s.search.cells[k].crosslineOffset}] = k;
    }
    return cells;
}

}  // namespace

QString RText(double r, int decimals) {
    return QString::number(r, 'f', decimals);
}

QString LagText(double seconds) {
    const double tenths = std::round(seconds * 10000.0);
    const QString sign = tenths > 0 ? QStringLiteral("+") : QString();
    return sign + QString::number(tenths == 0 ? 0.0 : tenths / 10.0, 'f', 1) +
           QStringLiteral(" ms");
}

Geometry GeometryOf(const QFontMetrics& fm, const QRect& box, const TieSearch& s) {
    Geometry g;
    g.columns = 2 * s.reach + 1;
    g.rows = s.alongLine ? 1 : g.columns;
    g.range = RangeOf(s);
    const SegyTracePlace& centre = s.places[s.search.chosen.value_or(0)];
    g.firstColumnNumber =
        static_cast<int>(s.alongLine ? centre.traceNumber : centre.crosslineNumber) - s.reach;
    g.firstRowNumber = centre.inlineNumber - s.reach;
    const int h = fm.height();
    int leftLabels = fm.horizontalAdvance(RText(-0.99, g.range.decimals));
    if (!s.alongLine) {
        for (const int n : {g.firstRowNumber, g.firstRowNumber + g.rows - 1}) {
            leftLabels = std::max(leftLabels, fm.horizontalAdvance(QString::number(n)));
        }
    }
    const int barRoom =
        s.alongLine ? 0 : 6 + kBarWidth + 3 + fm.horizontalAdvance(RText(-0.99, g.range.decimals));
    const QRect room(
        QPoint(box.left() + h + leftLabels + kTick + 4, box.top() + h + 4),
        QPoint(box.right() - barRoom - fm.horizontalAdvance(QStringLiteral("0000")) / 2,
               box.bottom() - 3 * h - kTick - 4));
    if (s.alongLine) {
        g.cells = room;
        return g;
    }
    // Square cells, as large as the room allows.
    const double side =
        std::floor(std::min(room.width() / double(g.columns), room.height() / double(g.rows)));
    const QSizeF size(side * g.columns, side * g.rows);
    g.cells = QRectF(QPointF(room.left(), room.top()), size);
    g.bar = QRect(static_cast<int>(g.cells.right()) + 6, static_cast<int>(g.cells.top()), kBarWidth,
                  static_cast<int>(size.height()));
    return g;
}

QRectF CellRect(const Geometry& g, const SearchCell& c, int reach) {
    return {g.cells.left() + (c.crosslineOffset + reach) * g.CellWidth(),
            g.cells.top() + (c.inlineOffset + reach) * g.CellHeight(), g.CellWidth(),
            g.CellHeight()};
}

QPointF CurvePoint(const Geometry& g, const SearchCell& c, int reach) {
    const double share = std::isfinite(c.best.r) ? g.range.Share(c.best.r) : 0.5;
    return {g.cells.left() + (c.crosslineOffset + reach + 0.5) * g.CellWidth(),
            g.cells.bottom() - (0.05 + 0.9 * share) * g.cells.height()};
}

}  // namespace tessarin::search_map

namespace tessarin {

using namespace search_map;

std::optional<std::size_t> SearchCellAt(const QFontMetrics& metrics, const QRect& box,
                                        const SearchMapData& m, QPoint point) {
    if (!m.search || m.search->search.cells.empty()) {
        return std::nullopt;
    }
    const TieSearch& s = *m.search;
    const Geometry g = GeometryOf(metrics, box, s);
    // Along a line the whole height of a trace's column is its.
    const bool inside = s.alongLine ? point.x() >= g.cells.left() && point.x() < g.cells.right()
                                    : g.cells.contains(point);
    if (!g.Valid() || !inside) {
        return std::nullopt;
    }
    const int column = static_cast<int>((point.x() - g.cells.left()) / g.CellWidth());
    const int row =
        s.alongLine ? s.reach : static_cast<int>((point.y() - g.cells.top()) / g.CellHeight());
    const auto cells = CellsByOffset(s);
    const auto found = cells.find({s.alongLine ? 0 : row - s.reach, column - s.reach});
    return found == cells.end() ? std::nullopt : std::optional(found->second);
}

int SearchMapHeight(const QFontMetrics& metrics, int width, const SearchMapData& map) {
    const int h = metrics.height();
    if (!map.search || map.search->search.cells.empty()) {
        return 6 * h;
    }
    if (map.search->alongLine) {
        return 14 * h;
    }
    const QRect tall(2, 2, width - 4, 100 * width);
    const Geometry g = GeometryOf(metrics, tall, *map.search);
    return static_cast<int>(g.cells.bottom()) + 3 * h + kTick + 8;
}

}  // namespace tessarin
