#include "ui/wheel_guard.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QEvent>
#include <QWidget>

namespace tessarin {
namespace {

class WheelGuard : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto* box = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Wheel && box && !box->hasFocus()) {
            // Ignored, the event goes on to the box's parents and so to the scroll area.
            event->ignore();
            return true;
        }
        return false;
    }
};

}  // namespace

void GuardWheelInside(QWidget* panel) {
    auto* guard = new WheelGuard(panel);
    QList<QWidget*> boxes;
    for (QAbstractSpinBox* box : panel->findChildren<QAbstractSpinBox*>()) {
        boxes.append(box);
    }
    for (QComboBox* box : panel->findChildren<QComboBox*>()) {
        boxes.append(box);
    }
    for (QWidget* box : boxes) {
        box->setFocusPolicy(Qt::StrongFocus);  // not focused by the wheel itself
        box->installEventFilter(guard);
    }
}

}  // namespace tessarin
