#pragma once

#include <QWidget>

namespace tessarin {

// A strip of the main window (the toolbar strip, the pointer readout, the toolbar help strip)
// with the raised look of its panels: a dark grey and a white line along the top, a black line
// along the bottom.
class PanelStrip : public QWidget {
    Q_OBJECT

public:
    PanelStrip(const QString& objectName, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The sunken three-dimensional frame drawn one pixel outside a field: dark grey on the top and
// left, white on the bottom and right.
void DrawSunkenFrame(QWidget* surface, const QRect& field);

}  // namespace tessarin
