#pragma once

// Drives a dialog as a user would: finds its controls by name, types into boxes, clicks buttons
// and presses keys, while the dialog runs modally.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "ui/modal_dialogs.h"

// Failures show texts as texts.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace tessarin::test {

template <typename T = QWidget>
T* Child(const QWidget* dialog, const QString& name) {
    T* widget = dialog->findChild<T*>(name);
    if (!widget) {
        ADD_FAILURE() << "no control " << name.toStdString();
    }
    return widget;
}

inline QString TextIn(const QWidget* dialog, const QString& name) {
    if (auto* combo = dialog->findChild<QComboBox*>(name)) {
        return combo->currentText();
    }
    return Child<QLineEdit>(dialog, name)->text();
}

// Replaces what a box (or an editable list) holds by typing.
inline void Type(QWidget* dialog, const QString& name, const QString& text) {
    QLineEdit* box = nullptr;
    if (auto* combo = dialog->findChild<QComboBox*>(name)) {
        box = combo->lineEdit();
    } else {
        box = Child<QLineEdit>(dialog, name);
    }
    box->selectAll();
    box->del();
    QTest::keyClicks(box, text);
}

// A click on a button, or on the mark of an option or check box (which may stretch wider than
// its caption, so its middle is not always part of it).
inline void Click(QWidget* dialog, const QString& name) {
    auto* button = Child<QAbstractButton>(dialog, name);
    QPoint at = button->rect().center();
    if (button->inherits("QRadioButton") || button->inherits("QCheckBox")) {
        at.setX(button->height() / 2);
    }
    QTest::mouseClick(button, Qt::LeftButton, {}, at);
}

// A key pressed in a control (in the box of an editable list), which first takes the focus as
// it does when the user clicks into it.
inline void PressKey(QWidget* dialog, const QString& name, Qt::Key key) {
    QWidget* target = Child(dialog, name);
    if (auto* combo = qobject_cast<QComboBox*>(target)) {
        target = combo->lineEdit();
    }
    dialog->activateWindow();
    target->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(target, key);
}

// Opens a dialog through `open` while `act` drives it; checks that the dialog appeared, and that
// `act` closed it (a dialog left open fails the test and is cancelled, so no test can hang).
template <typename Dialog, typename Open>
auto WithDialog(std::function<void(Dialog*)> act, Open open) {
    decltype(open()) result{};
    AnswerModal<Dialog>(act, [&] { result = open(); });
    return result;
}

}  // namespace tessarin::test
