#pragma once

// Drives a dialog as a user would: finds its controls by name, types into boxes, clicks buttons
// and presses keys, and reads the rows of the table dialogs.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>

#include "ui/control_names.h"
#include "ui/modal_dialogs.h"

namespace tessarin::test {

template <typename T = QWidget>
T* Child(const QWidget* dialog, const QString& name) {
    T* widget = dialog->findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << "no control " << name;
    return widget;
}

// The box of a control: a line edit, or the box of an editable list.
inline QLineEdit* BoxOf(const QWidget* dialog, const QString& name) {
    auto* combo = dialog->findChild<QComboBox*>(name);
    return combo ? combo->lineEdit() : Child<QLineEdit>(dialog, name);
}

inline QString TextIn(const QWidget* dialog, const QString& name) {
    return BoxOf(dialog, name)->text();
}

// Replaces what a box (or an editable list) holds by typing.
inline void Type(QWidget* dialog, const QString& name, const QString& text) {
    QLineEdit* box = BoxOf(dialog, name);
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

// A key pressed in a control, which first takes the focus as it does when the user clicks in.
inline void PressKey(QWidget* dialog, const QString& name, Qt::Key key) {
    QLineEdit* box = BoxOf(dialog, name);
    dialog->activateWindow();
    box->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(box, key);
}

// A dialog shown and active, so that focus moves as it does for a user.
inline void ShowActive(QWidget* dialog) {
    dialog->show();
    dialog->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
}

// Opens a dialog through `open` while `act` drives it; a dialog that does not come, or that
// `act` leaves open, fails the test.
template <typename Dialog, typename Open>
auto WithDialog(std::function<void(Dialog*)> act, Open open) {
    decltype(open()) result{};
    AnswerModal<Dialog>(act, [&] { result = open(); });
    return result;
}

// The texts of table rows: the first and second box of each row.
using RowTexts = std::vector<std::pair<QString, QString>>;

inline QLineEdit* Box(const QWidget* dialog, int column, int row) {
    return Child<QLineEdit>(dialog, QStringLiteral("Text%1_%2").arg(column).arg(row));
}

inline void TypeRows(const QWidget* dialog, int firstRow, const RowTexts& rows) {
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        Box(dialog, 1, firstRow + i)->setText(rows[i].first);
        Box(dialog, 2, firstRow + i)->setText(rows[i].second);
    }
}

// The rows in which anything is shown.
inline RowTexts ShownRows(const QWidget* dialog) {
    RowTexts rows;
    for (int i = 0; i < 20; ++i) {
        const std::pair row{Box(dialog, 1, i)->text(), Box(dialog, 2, i)->text()};
        if (!row.first.isEmpty() || !row.second.isEmpty()) {
            rows.push_back(row);
        }
    }
    return rows;
}

}  // namespace tessarin::test
