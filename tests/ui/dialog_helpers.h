#pragma once

// Helpers of the dialog tests: a named child that must exist, a dialog shown and active so that
// focus moves as it does for a user, and the rows of the table dialogs.

#include <gtest/gtest.h>

#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <utility>
#include <vector>

#include "ui/modal_dialogs.h"

namespace tessarin::test {

template <typename T>
T* Named(const QWidget& parent, const QString& name) {
    T* child = parent.findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name.toStdString();
    return child;
}

inline void ShowActive(QWidget& dialog) {
    dialog.show();
    dialog.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
}

inline void Click(const QWidget& dialog, const char* name) {
    QTest::mouseClick(Named<QPushButton>(dialog, name), Qt::LeftButton);
}

// The texts of table rows: the boxes Text1_i and Text2_i of row i.
using RowTexts = std::vector<std::pair<QString, QString>>;

inline QLineEdit* Box(const QWidget& dialog, int column, int row) {
    return Named<QLineEdit>(dialog, QStringLiteral("Text%1_%2").arg(column).arg(row));
}

inline void TypeRows(const QWidget& dialog, int firstRow, const RowTexts& rows) {
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        Box(dialog, 1, firstRow + i)->setText(rows[i].first);
        Box(dialog, 2, firstRow + i)->setText(rows[i].second);
    }
}

// The rows in which anything is shown.
inline RowTexts ShownRows(const QWidget& dialog) {
    RowTexts rows;
    for (int i = 0; i < 20; ++i) {
        const QString first = Box(dialog, 1, i)->text();
        const QString second = Box(dialog, 2, i)->text();
        if (!first.isEmpty() || !second.isEmpty()) {
            rows.emplace_back(first, second);
        }
    }
    return rows;
}

}  // namespace tessarin::test
