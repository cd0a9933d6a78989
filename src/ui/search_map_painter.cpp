// DrawSearchMap (search_map.h): the cells in their colours or the curve of r, the colour bar,
// the line numbers and the key.

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "ui/search_map.h"

namespace tessarin {
namespace {

using namespace search_map;

const QColor kNoR(205, 205, 205);
const QColor kBest(220, 20, 20);
const QColor kCurve(20, 60, 160);

// Viridis, dark blue for the lowest r to yellow for the highest: it stays readable in grey and
// to most colour-blind eyes.
QColor ScaleColour(double share) {
    static const QColor stops[] = {
        {68, 1, 84}, {59, 82, 139}, {33, 145, 140}, {94, 201, 98}, {253, 231, 37}};
    const double at = std::clamp(share, 0.0, 1.0) * 4;
    const int k = std::min(3, static_cast<int>(at));
    const double f = at - k;
    const auto mix = [f](int a, int b) { return static_cast<int>(std::lround(a + f * (b - a))); };
    return {mix(stops[k].red(), stops[k + 1].red()), mix(stops[k].green(), stops[k + 1].green()),
            mix(stops[k].blue(), stops[k + 1].blue())};
}

// Line numbers under the columns and beside the rows, as many as fit without touching.
void DrawLineNumbers(QPainter& p, const Geometry& g, bool alongLine) {
    const QFontMetrics fm = p.fontMetrics();
    const int widest =
        std::max(fm.horizontalAdvance(QString::number(g.firstColumnNumber)),
                 fm.horizontalAdvance(QString::number(g.firstColumnNumber + g.columns - 1)));
    const int reach = g.columns / 2;
    const int columnStep = std::max(1, static_cast<int>(std::ceil((widest + 6) / g.CellWidth())));
    p.setPen(Qt::black);
    for (int c = 0; c < g.columns; ++c) {
        if ((c - reach) % columnStep != 0) {
            continue;
        }
        const double x = g.cells.left() + (c + 0.5) * g.CellWidth();
        p.drawLine(QPointF(x, g.cells.bottom()), QPointF(x, g.cells.bottom() + kTick));
        const QString text = QString::number(g.firstColumnNumber + c);
        p.drawText(
            QPointF(x - fm.horizontalAdvance(text) / 2.0, g.cells.bottom() + kTick + fm.ascent()),
            text);
    }
    if (alongLine) {
        return;
    }
    const int rowStep = std::max(1, static_cast<int>(std::ceil(fm.height() / g.CellHeight())));
    for (int r = 0; r < g.rows; ++r) {
        if ((r - reach) % rowStep != 0) {
            continue;
        }
        const double y = g.cells.top() + (r + 0.5) * g.CellHeight();
        p.drawLine(QPointF(g.cells.left() - kTick, y), QPointF(g.cells.left(), y));
        const QString text = QString::number(g.firstRowNumber + r);
        p.drawText(QPointF(g.cells.left() - kTick - 2 - fm.horizontalAdvance(text),
                           y + fm.ascent() / 2.0 - 1),
                   text);
    }
}

// The trace searched around, which stays the map's centre after a click ties to another.
QString TitleOf(const TieSearch& s) {
    const SegyTracePlace& centre = s.places[s.search.chosen.value_or(0)];
    return s.alongLine ? QStringLiteral("r at the best lag around trace %1").arg(centre.traceNumber)
                       : QStringLiteral("r at the best lag around inline %1, crossline %2")
                             .arg(centre.inlineNumber)
                             .arg(centre.crosslineNumber);
}

void DrawAxisTitles(QPainter& p, const QRect& box, const Geometry& g, const TieSearch& s) {
    const bool alongLine = s.alongLine;
    const QFontMetrics fm = p.fontMetrics();
    p.setPen(Qt::black);
    p.drawText(QRect(box.left(), box.top(), box.width(), fm.height()), Qt::AlignLeft,
               fm.elidedText(TitleOf(s), Qt::ElideRight, box.width()));
    const QRect under(static_cast<int>(g.cells.left()),
                      static_cast<int>(g.cells.bottom()) + kTick + fm.height(),
                      static_cast<int>(g.cells.width()), fm.height());
    p.drawText(under, Qt::AlignHCenter,
               alongLine ? QStringLiteral("trace") : QStringLiteral("crossline"));
    p.save();
    p.translate(box.left(), g.cells.center().y());
    p.rotate(-90);
    p.drawText(QRect(-box.height() / 2, 0, box.height(), fm.height()), Qt::AlignHCenter,
               alongLine ? QStringLiteral("r") : QStringLiteral("inline"));
    p.restore();
}

// The colour bar from the lowest r found (bottom) to the highest (top), labelled at both ends
// and halfway: the same scale the cells are coloured by.
void DrawColourBar(QPainter& p, const Geometry& g) {
    for (int y = 0; y < g.bar.height(); ++y) {
        p.setPen(ScaleColour(1.0 - (y + 0.5) / g.bar.height()));
        p.drawLine(g.bar.left(), g.bar.top() + y, g.bar.right(), g.bar.top() + y);
    }
    p.setPen(Qt::black);
    p.setBrush(Qt::NoBrush);
    p.drawRect(g.bar);
    const QFontMetrics fm = p.fontMetrics();
    for (const double share : {0.0, 0.5, 1.0}) {
        const double y = g.bar.bottom() - share * g.bar.height();
        const double r = g.range.low + share * (g.range.high - g.range.low);
        p.drawLine(QPointF(g.bar.right(), y), QPointF(g.bar.right() + kTick, y));
        const double baseline = std::clamp(y + fm.ascent() / 2.0 - 1,
                                           g.bar.top() + fm.ascent() - 2.0, g.bar.bottom() + 2.0);
        p.drawText(QPointF(g.bar.right() + kTick + 2, baseline), RText(r, g.range.decimals));
    }
}

// A framed square for the tie's trace, a ring for the best, a grey square for a trace without r,
// and a blank one for a trace the file does not hold when the map has any.
void DrawKey(QPainter& p, const QRect& box, const Geometry& g, const TieSearch& search) {
    const bool alongLine = search.alongLine;
    const QFontMetrics fm = p.fontMetrics();
    const int s = fm.height() - 4;
    int x = box.left() + fm.height();
    const int y = static_cast<int>(g.cells.bottom()) + kTick + 2 * fm.height() + 4;
    const auto label = [&](const QString& text) {
        p.setPen(Qt::black);
        p.drawText(QPointF(x + s + 4, y + fm.ascent() - 2), text);
        x += s + 4 + fm.horizontalAdvance(text) + 12;
    };
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 2));
    alongLine ? p.drawEllipse(QRect(x, y, s, s)) : p.drawRect(QRect(x + 1, y + 1, s - 2, s - 2));
    label(QStringLiteral("tied"));
    p.setPen(QPen(kBest, 2));
    p.drawEllipse(QRect(x + 1, y + 1, s - 2, s - 2));
    label(QStringLiteral("best"));
    if (!alongLine) {
        p.fillRect(QRect(x, y, s, s), kNoR);
        label(QStringLiteral("no r"));
    }
    if (!alongLine && search.search.cells.size() < static_cast<std::size_t>(g.columns * g.rows)) {
        p.setPen(Qt::black);
        p.drawRect(QRect(x, y, s - 1, s - 1));
        label(QStringLiteral("not in the file"));
    }
}

void DrawCells(QPainter& p, const Geometry& g, const SearchMapData& m) {
    const TieSearch& s = *m.search;
    p.fillRect(g.cells, Qt::white);
    for (const SearchCell& c : s.search.cells) {
        const QRectF cell = CellRect(g, c, s.reach);
        p.fillRect(cell, std::isfinite(c.best.r) ? ScaleColour(g.range.Share(c.best.r)) : kNoR);
    }
    p.setPen(Qt::black);
    p.setBrush(Qt::NoBrush);
    p.drawRect(g.cells);
    if (m.tied) {
        p.setPen(QPen(Qt::black, 2));
        p.drawRect(CellRect(g, s.search.cells[*m.tied], s.reach).adjusted(1, 1, -1, -1));
    }
    if (s.search.best) {
        const QRectF cell = CellRect(g, s.search.cells[*s.search.best], s.reach);
        const double radius = std::max(2.0, 0.3 * std::min(cell.width(), cell.height()));
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(QPen(kBest, 2));
        p.drawEllipse(cell.center(), radius, radius);
        p.setRenderHint(QPainter::Antialiasing, false);
    }
}

void DrawCurve(QPainter& p, const Geometry& g, const SearchMapData& m) {
    const TieSearch& s = *m.search;
    p.fillRect(g.cells, Qt::white);
    const QFontMetrics fm = p.fontMetrics();
    for (const double share : {0.0, 0.5, 1.0}) {
        const double y = g.cells.bottom() - (0.05 + 0.9 * share) * g.cells.height();
        p.setPen(QColor(225, 225, 225));
        p.drawLine(QPointF(g.cells.left() + 1, y), QPointF(g.cells.right() - 1, y));
        p.setPen(Qt::black);
        p.drawLine(QPointF(g.cells.left() - kTick, y), QPointF(g.cells.left(), y));
        const QString text =
            RText(g.range.low + share * (g.range.high - g.range.low), g.range.decimals);
        p.drawText(QPointF(g.cells.left() - kTick - 2 - fm.horizontalAdvance(text),
                           y + fm.ascent() / 2.0 - 1),
                   text);
    }
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(kCurve, 1.5));
    const SearchCell* before = nullptr;
    for (const SearchCell& c : s.search.cells) {
        const bool drawn = std::isfinite(c.best.r);
        if (drawn && before && c.crosslineOffset == before->crosslineOffset + 1) {
            p.drawLine(CurvePoint(g, *before, s.reach), CurvePoint(g, c, s.reach));
        }
        before = drawn ? &c : nullptr;
    }
    p.setBrush(kCurve);
    for (const SearchCell& c : s.search.cells) {
        if (std::isfinite(c.best.r)) {
            p.drawEllipse(CurvePoint(g, c, s.reach), 2.0, 2.0);
        }
    }
    p.setBrush(Qt::NoBrush);
    if (m.tied) {
        p.setPen(QPen(Qt::black, 2));
        p.drawEllipse(CurvePoint(g, s.search.cells[*m.tied], s.reach), 6.0, 6.0);
    }
    if (s.search.best) {
        p.setPen(QPen(kBest, 2));
        p.drawEllipse(CurvePoint(g, s.search.cells[*s.search.best], s.reach), 4.0, 4.0);
    }
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::black);
    p.drawRect(g.cells);
}

}  // namespace

void DrawSearchMap(QPainter& p, const QRect& box, const SearchMapData& m) {
    if (!m.search || m.search->search.cells.empty()) {
        p.setPen(QColor(150, 150, 150));
        p.drawRect(box.adjusted(0, 0, -1, -1));
        p.drawText(box.adjusted(6, 6, -6, -6), Qt::AlignCenter | Qt::TextWordWrap,
                   QStringLiteral("Search Around Well ties the synthetic to every trace within "
                                  "the reach and maps how well each ties."));
        return;
    }
    const Geometry g = GeometryOf(p.fontMetrics(), box, *m.search);
    if (!g.Valid()) {
        return;
    }
    DrawAxisTitles(p, box, g, *m.search);
    if (m.search->alongLine) {
        DrawCurve(p, g, m);
    } else {
        DrawCells(p, g, m);
        DrawColourBar(p, g);
    }
    DrawLineNumbers(p, g, m.search->alongLine);
    DrawKey(p, box, g, *m.search);
}

}  // namespace tessarin
