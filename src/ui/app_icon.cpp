#include "ui/app_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace tessarin {
namespace {

// A trace with one strong reflection in the middle and weak ones above and below, in -1..1,
// quiet at both ends.
double TraceAmplitude(double t) {
    const double pi = std::numbers::pi;
    const double envelope = std::exp(-std::pow((t - 0.5) * 3.2, 2.0));
    const double taper = std::sin(pi * t);
    return taper * (std::cos((t - 0.5) * 2.0 * pi * 2.2) * envelope +
                    0.2 * std::sin(t * 2.0 * pi * 5.0) * (1.0 - envelope));
}

void PaintIcon(QPainter& p, double s) {
    p.setRenderHint(QPainter::Antialiasing);
    // Card.
    const QRectF card(s * 0.06, s * 0.04, s * 0.88, s * 0.92);
    p.setPen(QPen(QColor(40, 60, 90), std::max(1.0, s / 48.0)));
    p.setBrush(QColor(250, 250, 246));
    p.drawRoundedRect(card, s * 0.1, s * 0.1);

    // The well log: a blue sonic curve down the left.
    QPainterPath log;
    const int steps = 40;
    for (int i = 0; i <= steps; ++i) {
        const double t = i / static_cast<double>(steps);
        const double x = s * (0.28 + 0.09 * std::sin(t * 17.0) * std::cos(t * 5.0));
        const double y = s * (0.12 + 0.76 * t);
        i == 0 ? log.moveTo(x, y) : log.lineTo(x, y);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(30, 90, 200), std::max(1.0, s / 28.0)));
    p.drawPath(log);

    // The wiggle trace, positive lobes filled black.
    const double axis = s * 0.66;
    const double swing = s * 0.2;
    QPainterPath trace;
    QPainterPath fill;
    fill.moveTo(axis, s * 0.12);
    for (int i = 0; i <= steps * 2; ++i) {
        const double t = i / static_cast<double>(steps * 2);
        const double y = s * (0.12 + 0.76 * t);
        const double x = axis + swing * TraceAmplitude(t);
        i == 0 ? trace.moveTo(x, y) : trace.lineTo(x, y);
        fill.lineTo(std::max(axis, x), y);
    }
    fill.lineTo(axis, s * 0.88);
    fill.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawPath(fill);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, std::max(1.0, s / 40.0)));
    p.drawPath(trace);
}

}  // namespace

QPixmap ProgramPixmap(int logicalSize, double devicePixelRatio) {
    const int pixels = static_cast<int>(std::lround(logicalSize * devicePixelRatio));
    QPixmap pixmap(pixels, pixels);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        PaintIcon(painter, pixels);
    }
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addPixmap(ProgramPixmap(size, 1.0));
    }
    return icon;
}

}  // namespace tessarin
