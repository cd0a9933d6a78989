#pragma once

// Helpers of the dialog tests: a named child that must exist, a dialog shown and active so that
// focus moves as it does for a user, and answers to the file dialogs and message boxes a dialog
// opens.

#include <gtest/gtest.h>

#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <utility>
#include <vector>

#include "ui/modal_helper.h"

namespace tessarin::test {

// How long a helper waits for the dialog it answers: long enough for a loaded test machine.
inline constexpr int kPatience = 30000;

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

// What a message box showed before the test closed it. The watcher holds the record weakly: once
// the test has dropped it, a watcher still polling for a message that never came leaves the
// next message to the watcher that expects it.
struct ShownMessage {
    bool answered = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

inline std::shared_ptr<ShownMessage> CloseNextMessage() {
    auto shown = std::make_shared<ShownMessage>();
    WhenModal<QMessageBox>(
        [weak = std::weak_ptr(shown)](QMessageBox* box) {
            if (const auto record = weak.lock()) {
                *record = {true, box->windowTitle(), box->text(), box->icon()};
                box->accept();
            }
        },
        kPatience);
    return shown;
}

// Chooses `path` in the next file dialog and keeps its caption and the name it proposed.
struct FileDialogSeen {
    bool answered = false;
    QString title;
    QStringList proposed;
};

inline std::shared_ptr<FileDialogSeen> ChooseFile(const QString& path) {
    auto seen = std::make_shared<FileDialogSeen>();
    WhenModal<QFileDialog>(
        [path, weak = std::weak_ptr(seen)](QFileDialog* dialog) {
            if (const auto record = weak.lock()) {
                *record = {true, dialog->windowTitle(), dialog->selectedFiles()};
                // The dialog leaves a name being typed alone: the name box must not have the focus.
                if (QWidget* focused = dialog->focusWidget()) {
                    focused->clearFocus();
                }
                dialog->selectFile(path);
                QMetaObject::invokeMethod(dialog, "accept");
            }
        },
        kPatience);
    return seen;
}

}  // namespace tessarin::test
