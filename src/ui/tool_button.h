#pragma once

#include <QAction>
#include <QPixmap>
#include <QWidget>
#include <array>

#include "ui/tool_pictures.h"

namespace tessarin {

// One picture button of the toolbar, sharing its command's action. It shows its raised picture,
// the pressed picture while the left button is held down on it, and the greyed picture while the
// action is disabled, in which state a press does nothing. Let go over itself, it triggers the
// action. It reports pointer moves even while greyed, so its help still shows.
class ToolButton : public QWidget {
    Q_OBJECT

public:
    ToolButton(Tool tool, QAction* action, QWidget* parent);

    QSize sizeHint() const override { return kToolPictureSize; }

signals:
    // The pointer moved over the button, `x` pixels from its left edge.
    void PointerMoved(int x);
    void Pressed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    const QPixmap& Picture(ButtonFace face);
    void FollowAction();

    Tool tool_;
    QAction* action_;
    bool available_ = true;
    bool held_ = false;  // the press started on this button and is not yet released
    bool down_ = false;  // showing the pressed picture: held, and the pointer is over it
    std::array<QPixmap, 3> pictures_;
    qreal picturesRatio_ = 0;  // the pixel ratio the pictures were drawn for; 0 when none
};

}  // namespace tessarin
