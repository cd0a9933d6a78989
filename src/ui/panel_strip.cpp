#include "ui/panel_strip.h"

#include <QPainter>

namespace tessarin {
namespace {

const QColor kDarkGrey(128, 128, 128);
const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);

}  // namespace

PanelStrip::PanelStrip(const QString& objectName, QWidget* parent) : QWidget(parent) {
    setObjectName(objectName);
    setAutoFillBackground(true);
    // The readout and the toolbar's hover help follow the pointer over every strip.
    setMouseTracking(true);
}

void PanelStrip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int right = width() - 1;
    painter.setPen(kDarkGrey);
    painter.drawLine(0, 0, right, 0);
    painter.setPen(kWhite);
    painter.drawLine(0, 1, right, 1);
    painter.setPen(kBlack);
    painter.drawLine(0, height() - 1, right, height() - 1);
}

void DrawSunkenFrame(QWidget* surface, const QRect& field) {
    QPainter painter(surface);
    const QRect r = field.adjusted(-1, -1, 1, 1);
    painter.setPen(kDarkGrey);
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(kWhite);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
}

}  // namespace tessarin
