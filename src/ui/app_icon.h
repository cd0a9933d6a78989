#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QPolygonF>
#include <QRectF>
#include <QString>

class QPainter;

namespace tessarin {

// The program's picture: a well log beside a seismic wiggle trace with its positive lobes filled,
// on a rounded card. The shapes are worked out once for a given size, so that the window icon,
// the installed PNG and the installed SVG all show the same picture.
struct ProgramIconShapes {
    QRectF card;
    double cardCornerRadius = 0;
    double cardEdgeWidth = 0;
    QColor cardEdge;
    QColor cardFill;

    QPolygonF log;  // the blue sonic curve down the left
    double logWidth = 0;
    QColor logColour;

    QPolygonF trace;          // the wiggle
    QPolygonF positiveLobes;  // the area right of the trace's axis, filled black
    double traceWidth = 0;
};

// The shapes of a picture `size` pixels square. Lines never get thinner than one pixel.
ProgramIconShapes ProgramIconShapesAt(double size);

void PaintProgramIcon(QPainter& painter, double size);
QPixmap ProgramPixmap(int logicalSize, double devicePixelRatio);
QIcon ProgramIcon();

// The picture as a scalable SVG document, drawn on a 48-unit square.
QString ProgramIconSvg();

}  // namespace tessarin
