#include "ui/app_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QTextStream>
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

// Square ends and bevelled joins, as both the painter and the SVG draw them.
QPen Pen(const QColor& colour, double width) {
    QPen pen(colour, width);
    pen.setJoinStyle(Qt::BevelJoin);
    pen.setCapStyle(Qt::SquareCap);
    return pen;
}

// SVG numbers: three decimals are far finer than any screen needs.
QString Number(double x) {
    return QString::number(x, 'f', 3);
}

QString Points(const QPolygonF& polygon) {
    QStringList points;
    for (const QPointF& p : polygon) {
        points << Number(p.x()) + QLatin1Char(',') + Number(p.y());
    }
    return points.join(QLatin1Char(' '));
}

// A line drawn as the painter draws it.
QString Stroke(const QColor& colour, double width) {
    return QStringLiteral(
               "fill=\"none\" stroke=\"%1\" stroke-width=\"%2\" "
               "stroke-linejoin=\"bevel\" stroke-linecap=\"square\"")
        .arg(colour.name(), Number(width));
}

}  // namespace

ProgramIconShapes ProgramIconShapesAt(double s) {
    ProgramIconShapes shapes;
    shapes.card = QRectF(s * 0.06, s * 0.04, s * 0.88, s * 0.92);
    shapes.cardCornerRadius = s * 0.1;
    shapes.cardEdgeWidth = std::max(1.0, s / 48.0);
    shapes.cardEdge = QColor(40, 60, 90);
    shapes.cardFill = QColor(250, 250, 246);

    const int steps = 40;
    for (int i = 0; i <= steps; ++i) {
        const double t = i / static_cast<double>(steps);
        shapes.log << QPointF(s * (0.28 + 0.09 * std::sin(t * 17.0) * std::cos(t * 5.0)),
                              s * (0.12 + 0.76 * t));
    }
    shapes.logWidth = std::max(1.0, s / 28.0);
    shapes.logColour = QColor(30, 90, 200);

    const double axis = s * 0.66;
    const double swing = s * 0.2;
    shapes.positiveLobes << QPointF(axis, s * 0.12);
    for (int i = 0; i <= steps * 2; ++i) {
        const double t = i / static_cast<double>(steps * 2);
        const double y = s * (0.12 + 0.76 * t);
        const double x = axis + swing * TraceAmplitude(t);
        shapes.trace << QPointF(x, y);
        shapes.positiveLobes << QPointF(std::max(axis, x), y);
    }
    shapes.positiveLobes << QPointF(axis, s * 0.88);
    shapes.traceWidth = std::max(1.0, s / 40.0);
    return shapes;
}

void PaintProgramIcon(QPainter& p, double size) {
    const ProgramIconShapes shapes = ProgramIconShapesAt(size);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Pen(shapes.cardEdge, shapes.cardEdgeWidth));
    p.setBrush(shapes.cardFill);
    p.drawRoundedRect(shapes.card, shapes.cardCornerRadius, shapes.cardCornerRadius);

    p.setBrush(Qt::NoBrush);
    p.setPen(Pen(shapes.logColour, shapes.logWidth));
    p.drawPolyline(shapes.log);

    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawPolygon(shapes.positiveLobes);
    p.setBrush(Qt::NoBrush);
    p.setPen(Pen(Qt::black, shapes.traceWidth));
    p.drawPolyline(shapes.trace);
}

QPixmap ProgramPixmap(int logicalSize, double devicePixelRatio) {
    const int pixels = static_cast<int>(std::lround(logicalSize * devicePixelRatio));
    QPixmap pixmap(pixels, pixels);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        PaintProgramIcon(painter, pixels);
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

QString ProgramIconSvg() {
    const double size = 48.0;
    const ProgramIconShapes shapes = ProgramIconShapesAt(size);
    QString svg;
    QTextStream out(&svg);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"48\" height=\"48\" "
           "viewBox=\"0 0 48 48\">\n"
        << "  <title>Tessarin</title>\n"
        << "  <rect x=\"" << Number(shapes.card.x()) << "\" y=\"" << Number(shapes.card.y())
        << "\" width=\"" << Number(shapes.card.width()) << "\" height=\""
        << Number(shapes.card.height()) << "\" rx=\"" << Number(shapes.cardCornerRadius)
        << "\" fill=\"" << shapes.cardFill.name() << "\" stroke=\"" << shapes.cardEdge.name()
        << "\" stroke-width=\"" << Number(shapes.cardEdgeWidth) << "\"/>\n"
        << "  <polyline " << Stroke(shapes.logColour, shapes.logWidth) << "\n            points=\""
        << Points(shapes.log) << "\"/>\n"
        << "  <polygon fill=\"#000000\" points=\"" << Points(shapes.positiveLobes) << "\"/>\n"
        << "  <polyline " << Stroke(Qt::black, shapes.traceWidth) << "\n            points=\""
        << Points(shapes.trace) << "\"/>\n"
        << "</svg>\n";
    return svg;
}

}  // namespace tessarin
