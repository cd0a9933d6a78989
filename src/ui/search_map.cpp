#include "ui/search_map.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

namespace tessarin {
namespace {

constexpr int kTick = 3;
constexpr int kBarWidth = 10;
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

// The range of the r found: the colour scale's, or the r axis's along a line.
struct RRange {
    double low = 0;
    double high = 1;
    int decimals = 2;
    double Share(double r) const { return (r - low) / (high - low); }
};

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

// Where everything of the map is drawn: the cells (columns by crossline or trace number, rows by
// inline), the colour bar, and the line numbers of the first row and column.
struct Geometry {
    int columns = 1;
    int rows = 1;
    QRectF cells;
    QRect bar;
    RRange range;
    int firstColumnNumber = 0;
    int firstRowNumber = 0;
    bool Valid() const { return cells.width() >= columns * 4 && cells.height() >= 12; }
    double CellWidth() const { return cells.width() / columns; }
    double CellHeight() const { return cells.height() / rows; }
};

QString RText(double r, int decimals) {
    return QString::number(r, 'f', decimals);
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

// The cell of every offset the search holds.
std::map<std::pair<int, int>, std::size_t> CellsByOffset(const TieSearch& s) {
    std::map<std::pair<int, int>, std::size_t> cells;
    for (std::size_t k = 0; k < s.search.cells.size(); ++k) {
        cells[{s.search.cells[k].inlineOffset, s.search.cells[k].crosslineOffset}] = k;
    }
    return cells;
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

SearchMap::SearchMap(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("searchMap"));
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    setMouseTracking(false);
}

void SearchMap::SetData(SearchMapData data) {
    data_ = std::move(data);
    setCursor(data_.search ? Qt::PointingHandCursor : Qt::ArrowCursor);
    // A volume, a line and nothing yet each take their own height.
    updateGeometry();
    update();
}

QRect SearchMap::Box() const {
    return rect().adjusted(2, 2, -2, -2);
}

std::optional<QPoint> SearchMap::CellCentre(std::size_t cell) const {
    if (!data_.search || cell >= data_.search->search.cells.size()) {
        return std::nullopt;
    }
    const Geometry g = GeometryOf(fontMetrics(), Box(), *data_.search);
    const SearchCell& c = data_.search->search.cells[cell];
    const QPointF centre = data_.search->alongLine ? CurvePoint(g, c, data_.search->reach)
                                                   : CellRect(g, c, data_.search->reach).center();
    return centre.toPoint();
}

QSize SearchMap::sizeHint() const {
    return {280, heightForWidth(280)};
}

QSize SearchMap::minimumSizeHint() const {
    return {200, heightForWidth(200)};
}

bool SearchMap::hasHeightForWidth() const {
    return true;
}

// Square cells as wide as the map allows, and room for the numbers and the key under them.
int SearchMap::heightForWidth(int width) const {
    const int h = fontMetrics().height();
    if (!data_.search || data_.search->search.cells.empty()) {
        return 6 * h;
    }
    if (data_.search->alongLine) {
        return 14 * h;
    }
    const QRect tall(2, 2, width - 4, 100 * width);
    const Geometry g = GeometryOf(fontMetrics(), tall, *data_.search);
    return static_cast<int>(g.cells.bottom()) + 3 * h + kTick + 8;
}

void SearchMap::paintEvent(QPaintEvent*) {
    QPainter p(this);
    DrawSearchMap(p, Box(), data_);
}

void SearchMap::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        if (const auto cell =
                SearchCellAt(fontMetrics(), Box(), data_, event->position().toPoint())) {
            emit CellClicked(static_cast<int>(*cell));
        }
    }
}

bool SearchMap::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) {
        return QWidget::event(event);
    }
    auto* help = static_cast<QHelpEvent*>(event);
    const auto cell = SearchCellAt(fontMetrics(), Box(), data_, help->pos());
    if (!cell) {
        QToolTip::hideText();
        return true;
    }
    const SearchCell& c = data_.search->search.cells[*cell];
    const SegyTracePlace& place = data_.search->places[*cell];
    const QString where = QStringLiteral("Trace %1 (inline %2, crossline %3)")
                              .arg(place.traceNumber)
                              .arg(place.inlineNumber)
                              .arg(place.crosslineNumber);
    const QString tie = std::isfinite(c.best.r)
                            ? QStringLiteral("r %1 at %2 ms")
                                  .arg(RText(c.best.r, 3))
                                  .arg(c.best.lag * 1000, 0, 'f', 1)
                            : QStringLiteral("no r: flat, or too little of it in the window");
    QToolTip::showText(help->globalPos(), where + QStringLiteral(": ") + tie, this);
    return true;
}

}  // namespace tessarin
