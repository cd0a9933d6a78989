#include "ui/search_map.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <cmath>

namespace tessarin {

using namespace search_map;

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

int SearchMap::heightForWidth(int width) const {
    return SearchMapHeight(fontMetrics(), width, data_);
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
    const QString tie =
        std::isfinite(c.best.r)
            ? QStringLiteral("r %1 at %2").arg(RText(c.best.r, 3), LagText(c.best.lag))
            : QStringLiteral("no r: flat, or too little of it in the window");
    QToolTip::showText(help->globalPos(), where + QStringLiteral(": ") + tie, this);
    return true;
}

}  // namespace tessarin
