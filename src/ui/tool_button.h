#pragma once

#include <QPixmap>
#include <QWidget>
#include <array>

#include "ui/tool_pictures.h"

namespace tessarin {

// One picture button of the toolbar. It shows its raised picture, the pressed picture while the
// left button is held down on it, and the greyed picture while its command is not available, in
// which state a press does nothing. It reports pointer moves even while greyed, so its help
// still shows.
class ToolButton : public QWidget {
    Q_OBJECT

public:
    ToolButton(Tool tool, QWidget* parent);

    void SetAvailable(bool available);

    QSize sizeHint() const override { return kToolPictureSize; }

signals:
    // The pointer moved over the button, `x` pixels from its left edge.
    void PointerMoved(int x);
    void Pressed();
    // The button was let go over itself: its command is to run.
    void Clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    const QPixmap& Picture(ButtonFace face);

    Tool tool_;
    bool available_ = true;
    bool held_ = false;  // the press started on this button and is not yet released
    bool down_ = false;  // showing the pressed picture: held, and the pointer is over it
    std::array<QPixmap, 3> pictures_;
    qreal picturesRatio_ = 0;  // the pixel ratio the pictures were drawn for; 0 when none
};

}  // namespace tessarin
