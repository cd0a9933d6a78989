#include "ui/file_dialogs.h"

#include <gtest/gtest.h>

#include <QFileDialog>
#include <QTemporaryDir>

#include "ui/modal_helper.h"

namespace tessarin {
namespace {

TEST(FileDialogs, WindowsFiltersBecomeQtFilters) {
    EXPECT_EQ(QtFileFilter("Project Files (*.tsp)|*.tsp|All Files (*.*)|*.*"),
              "Project Files (*.tsp);;All Files (*)");
    EXPECT_EQ(QtFileFilter("Delta T Files (*.dt)|*.dt|LAS Files (*.las)|*.las|All Files (*.*)|*.*"),
              "Delta T Files (*.dt);;LAS Files (*.las);;All Files (*)");
}

TEST(FileDialogs, EachKindOfFileComesBackToItsOwnFolder) {
    QTemporaryDir logs;
    QTemporaryDir projects;
    RememberFolder("log", logs.filePath("well.las"));
    RememberFolder("project", projects.filePath("well.tsp"));

    QString shownFolder;
    QString shownFilter;
    auto answer = test::WhenModal<QFileDialog>([&](QFileDialog* dialog) {
        shownFolder = dialog->directory().absolutePath();
        shownFilter = dialog->selectedNameFilter();
        dialog->selectFile(dialog->directory().filePath("other.las"));
        QMetaObject::invokeMethod(dialog, "accept");
    });
    const QString chosen = AskSaveFileName(
        nullptr,
        {"log", "Save", "*.las", "Delta T Files (*.dt)|*.dt|LAS Files (*.las)|*.las", 2, "las"});
    EXPECT_TRUE(answer->answered);
    EXPECT_EQ(shownFolder, QDir(logs.path()).absolutePath());
    EXPECT_EQ(shownFilter, "LAS Files (*.las)");
    EXPECT_EQ(chosen, QDir(logs.path()).absoluteFilePath("other.las"));
    EXPECT_EQ(RememberedFolder("project"), QDir(projects.path()).absolutePath());
}

TEST(FileDialogs, CancelGivesNoPathAndKeepsTheFolder) {
    QTemporaryDir folder;
    RememberFolder("horizon", folder.filePath("tops.hor"));
    auto answer = test::WhenModal<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
    EXPECT_TRUE(AskOpenFileName(nullptr, {"horizon", "Open Horizon File", "*.hor",
                                          "Project Files (*.hor)|*.hor|All Files (*.*)|*.*", 1, ""})
                    .isEmpty());
    EXPECT_TRUE(answer->answered);
    EXPECT_EQ(RememberedFolder("horizon"), QDir(folder.path()).absolutePath());
}

}  // namespace
}  // namespace tessarin
