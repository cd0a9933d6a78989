#pragma once

// Helpers of the dialog tests: a named child that must exist, a dialog shown and active so that
// focus moves as it does for a user, and answers to the file dialogs and message boxes a dialog
// opens.

#include <gtest/gtest.h>

#include <QFileDialog>
#include <QMessageBox>
#include <QTest>

#include "ui/modal_helper.h"

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

// What a message box showed before the test closed it.
struct ShownMessage {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

inline std::shared_ptr<ModalAnswer> CloseNextMessage(ShownMessage& shown) {
    return WhenModal<QMessageBox>([&shown](QMessageBox* box) {
        shown = {box->windowTitle(), box->text(), box->icon()};
        box->accept();
    });
}

// Chooses `path` in the next file dialog and keeps the name it proposed and its caption.
struct FileDialogSeen {
    QString title;
    QStringList proposed;
};

inline std::shared_ptr<ModalAnswer> ChooseFile(const QString& path,
                                               FileDialogSeen* seen = nullptr) {
    return WhenModal<QFileDialog>([path, seen](QFileDialog* dialog) {
        if (seen) {
            *seen = {dialog->windowTitle(), dialog->selectedFiles()};
        }
        dialog->selectFile(path);
        QMetaObject::invokeMethod(dialog, "accept");
    });
}

}  // namespace tessarin::test
