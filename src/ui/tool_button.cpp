#include "ui/tool_button.h"

#include <QMouseEvent>
#include <QPainter>

namespace tessarin {

ToolButton::ToolButton(Tool tool, QAction* action, QWidget* parent)
    : QWidget(parent), tool_(tool), action_(action) {
    setFixedSize(kToolPictureSize);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(action_, &QAction::changed, this, &ToolButton::FollowAction);
    FollowAction();
}

void ToolButton::FollowAction() {
    const bool available = action_->isEnabled();
    if (available_ == available) {
        return;
    }
    available_ = available;
    held_ = false;
    down_ = false;
    update();
}

const QPixmap& ToolButton::Picture(ButtonFace face) {
    // Drawn again when the window moves to a screen of another pixel density.
    const qreal ratio = devicePixelRatioF();
    if (ratio != picturesRatio_) {
        for (ButtonFace f : {ButtonFace::Raised, ButtonFace::Pressed, ButtonFace::Greyed}) {
            pictures_[static_cast<std::size_t>(f)] = DrawToolPicture(tool_, f, ratio, palette());
        }
        picturesRatio_ = ratio;
    }
    return pictures_[static_cast<std::size_t>(face)];
}

void ToolButton::paintEvent(QPaintEvent*) {
    const ButtonFace face = !available_ ? ButtonFace::Greyed
                            : down_     ? ButtonFace::Pressed
                                        : ButtonFace::Raised;
    QPainter p(this);
    p.drawPixmap(0, 0, Picture(face));
}

void ToolButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !available_) {
        return;  // taken, so that a click on a greyed button does not fall through to the window
    }
    held_ = true;
    down_ = true;
    repaint();  // at once: the command that follows the release may take a while
    emit Pressed();
}

void ToolButton::mouseMoveEvent(QMouseEvent* event) {
    if (held_) {
        // Dragging off a held button lifts it, and back on pushes it in again.
        const bool over = rect().contains(event->position().toPoint());
        if (over != down_) {
            down_ = over;
            repaint();
        }
        return;
    }
    if (event->buttons() == Qt::NoButton) {
        emit PointerMoved(event->position().toPoint().x());
    }
}

void ToolButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !held_) {
        return;
    }
    held_ = false;
    const bool run = down_;
    down_ = false;
    repaint();
    if (run) {
        action_->trigger();
    }
}

void ToolButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) {
        picturesRatio_ = 0;
        update();
    }
    QWidget::changeEvent(event);
}

}  // namespace tessarin
