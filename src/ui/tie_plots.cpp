#include "ui/tie_plots.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <limits>

namespace tessarin {
namespace {

constexpr int kMostTicks = 5;
constexpr int kTickLength = 3;
const QColor kGrid(225, 225, 225);
const QColor kZeroLine(150, 150, 150);
const QColor kCurve(20, 60, 160);
const QColor kMarker(200, 20, 20);
const QColor kOverlay(0, 150, 60);
const QColor kBand(255, 240, 200);
const QColor kBandEdge(220, 140, 0);

// An axis from low to high with ticks at round numbers (1, 2 or 5 times a power of ten), and the
// decimals their labels need.
struct Axis {
    double low = 0;
    double high = 1;
    std::vector<double> ticks;
    int decimals = 0;

    QString Label(double value) const {
        // No "-0" at zero.
        return QString::number(std::fabs(value) < 1e-12 ? 0.0 : value, 'f', decimals);
    }
};

Axis MakeAxis(PlotRange range) {
    if (!(range.high > range.low)) {
        const double half = range.low == 0 ? 1.0 : std::fabs(range.low) * 0.1;
        range = {range.low - half, range.low + half};
    }
    Axis axis{range.low, range.high, {}, 0};
    const double raw = (range.high - range.low) / kMostTicks;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    double step = 10 * magnitude;
    for (const double m : {1.0, 2.0, 5.0}) {
        if (m * magnitude >= raw) {
            step = m * magnitude;
            break;
        }
    }
    axis.decimals = std::max(0, static_cast<int>(-std::floor(std::log10(step) + 1e-9)));
    for (double k = std::ceil(range.low / step - 1e-9); k * step <= range.high + step * 1e-9;
         k += 1) {
        axis.ticks.push_back(k * step);
    }
    return axis;
}

// The range of the finite coordinates `of` picks from the points, with `also` in it.
PlotRange RangeOf(const std::vector<QPointF>& points, qreal (QPointF::*of)() const,
                  std::optional<double> also = std::nullopt) {
    double low = std::numeric_limits<double>::infinity();
    double high = -low;
    for (const QPointF& p : points) {
        const double v = (p.*of)();
        if (std::isfinite(v)) {
            low = std::min(low, v);
            high = std::max(high, v);
        }
    }
    if (also) {
        low = std::min(low, *also);
        high = std::max(high, *also);
    }
    return std::isfinite(low) ? PlotRange{low, high} : PlotRange{0, 1};
}

// The curve as pieces of path, broken where a coordinate is not a number.
QPainterPath CurvePath(const std::vector<QPointF>& points, const auto& place) {
    QPainterPath path;
    bool drawing = false;
    for (const QPointF& p : points) {
        if (!std::isfinite(p.x()) || !std::isfinite(p.y())) {
            drawing = false;
            continue;
        }
        if (drawing) {
            path.lineTo(place(p));
        } else {
            path.moveTo(place(p));
            drawing = true;
        }
    }
    return path;
}

void DrawTicks(QPainter& p, const QRect& frame, const Axis& x, const Axis& y, const auto& placeX,
               const auto& placeY) {
    const QFontMetrics fm = p.fontMetrics();
    for (const double t : x.ticks) {
        const int at = static_cast<int>(std::lround(placeX(t)));
        p.setPen(kGrid);
        p.drawLine(at, frame.top() + 1, at, frame.bottom() - 1);
        p.setPen(Qt::black);
        p.drawLine(at, frame.bottom(), at, frame.bottom() + kTickLength);
        const QString text = x.Label(t);
        p.drawText(at - fm.horizontalAdvance(text) / 2, frame.bottom() + kTickLength + fm.ascent(),
                   text);
    }
    for (const double t : y.ticks) {
        const int at = static_cast<int>(std::lround(placeY(t)));
        p.setPen(kGrid);
        p.drawLine(frame.left() + 1, at, frame.right() - 1, at);
        p.setPen(Qt::black);
        p.drawLine(frame.left() - kTickLength, at, frame.left(), at);
        const QString text = y.Label(t);
        p.drawText(frame.left() - kTickLength - 2 - fm.horizontalAdvance(text),
                   at + fm.ascent() / 2 - 1, text);
    }
}

void DrawAxisLabels(QPainter& p, const QRect& box, const QRect& frame, const CurvePlotData& d) {
    const QFontMetrics fm = p.fontMetrics();
    p.setPen(Qt::black);
    p.drawText(QRect(frame.left(), box.top(), frame.width(), fm.height()), Qt::AlignLeft, d.title);
    p.drawText(QRect(frame.left(), box.bottom() - fm.height() + 1, frame.width(), fm.height()),
               Qt::AlignHCenter, d.xLabel);
    p.save();
    p.translate(box.left(), frame.center().y());
    p.rotate(-90);
    // A label longer than a short box is cut with an ellipsis rather than at both ends.
    p.drawText(QRect(-frame.height() / 2, 0, frame.height(), fm.height()), Qt::AlignHCenter,
               fm.elidedText(d.yLabel, Qt::ElideRight, frame.height()));
    p.restore();
}

}  // namespace

void DrawCurvePlot(QPainter& p, const QRect& box, const CurvePlotData& d) {
    std::vector<QPointF> both = d.points;
    both.insert(both.end(), d.overlay.begin(), d.overlay.end());
    const Axis x = MakeAxis(d.xRange.value_or(RangeOf(both, &QPointF::x, 0.0)));
    const Axis y = MakeAxis(d.yRange.value_or(
        RangeOf(both, &QPointF::y, d.wiggle ? std::nullopt : std::optional(0.0))));
    const QFontMetrics fm = p.fontMetrics();
    int labels = 0;
    for (const double t : y.ticks) {
        labels = std::max(labels, fm.horizontalAdvance(y.Label(t)));
    }
    const int lastLabel = x.ticks.empty() ? 0 : fm.horizontalAdvance(x.Label(x.ticks.back()));
    const QRect frame(
        QPoint(box.left() + fm.height() + labels + kTickLength + 6, box.top() + fm.height() + 3),
        QPoint(box.right() - std::max(6, lastLabel / 2 + 2),
               box.bottom() - 2 * fm.height() - kTickLength - 1));
    if (frame.width() < 10 || frame.height() < 10) {
        return;
    }
    const auto placeX = [&](double v) {
        return frame.left() + (v - x.low) / (x.high - x.low) * frame.width();
    };
    const auto placeY = [&](double v) {
        const double share = (v - y.low) / (y.high - y.low);
        return d.yDown ? frame.top() + share * frame.height()
                       : frame.bottom() - share * frame.height();
    };
    p.fillRect(frame, Qt::white);
    DrawAxisLabels(p, box, frame, d);
    if (d.points.empty() && d.overlay.empty()) {
        // Ticks and zero lines of a made-up range would only cross out the reason.
        p.setPen(kZeroLine);
        p.drawText(frame.adjusted(4, 4, -4, -4), Qt::AlignCenter | Qt::TextWordWrap, d.emptyText);
        p.setPen(Qt::black);
        p.drawRect(frame);
        return;
    }
    DrawTicks(p, frame, x, y, placeX, placeY);
    p.save();
    p.setClipRect(frame);
    if (d.yBand) {
        const QRectF band(QPointF(frame.left(), placeY(d.yBand->low)),
                          QPointF(frame.right(), placeY(d.yBand->high)));
        p.fillRect(band.normalized(), kBand);
        p.setPen(kBandEdge);
        p.drawLine(band.topLeft(), band.topRight());
        p.drawLine(band.bottomLeft(), band.bottomRight());
    }
    p.setPen(QPen(kZeroLine, 1, Qt::DashLine));
    if (x.low < 0 && x.high > 0) {
        p.drawLine(QPointF(placeX(0), frame.top()), QPointF(placeX(0), frame.bottom()));
    }
    if (y.low < 0 && y.high > 0 && !d.wiggle) {
        p.drawLine(QPointF(frame.left(), placeY(0)), QPointF(frame.right(), placeY(0)));
    }
    p.setRenderHint(QPainter::Antialiasing, true);
    const auto place = [&](const QPointF& v) { return QPointF(placeX(v.x()), placeY(v.y())); };
    const QPainterPath curve = CurvePath(d.points, place);
    if (d.wiggle && !curve.isEmpty()) {
        QPainterPath lobes = curve;
        const QRectF bounds = curve.boundingRect();
        lobes.lineTo(placeX(0), bounds.bottom());
        lobes.lineTo(placeX(0), bounds.top());
        lobes.closeSubpath();
        QPainterPath right;
        right.addRect(QRectF(QPointF(placeX(0), frame.top()), frame.bottomRight()));
        p.fillPath(lobes.intersected(right), Qt::black);
    }
    p.setPen(QPen(d.wiggle ? QColor(Qt::black) : kCurve, d.wiggle ? 1.0 : 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(curve);
    p.setPen(QPen(kOverlay, 1.5));
    p.drawPath(CurvePath(d.overlay, place));
    if (d.marker && std::isfinite(d.marker->x()) && std::isfinite(d.marker->y())) {
        p.setPen(Qt::NoPen);
        p.setBrush(kMarker);
        p.drawEllipse(place(*d.marker), 3.5, 3.5);
    }
    p.restore();
    if (d.points.empty()) {
        p.setPen(kZeroLine);
        p.drawText(frame.adjusted(4, 4, -4, -4), Qt::AlignCenter | Qt::TextWordWrap, d.emptyText);
    }
    p.setPen(Qt::black);
    p.setBrush(Qt::NoBrush);
    p.drawRect(frame);
}

CurvePlot::CurvePlot(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void CurvePlot::SetData(CurvePlotData data) {
    data_ = std::move(data);
    update();
}

QSize CurvePlot::sizeHint() const {
    return {280, 9 * fontMetrics().height()};
}

QSize CurvePlot::minimumSizeHint() const {
    return {160, 7 * fontMetrics().height()};
}

void CurvePlot::paintEvent(QPaintEvent*) {
    QPainter p(this);
    DrawCurvePlot(p, rect().adjusted(2, 2, -2, -2), data_);
}

}  // namespace tessarin
