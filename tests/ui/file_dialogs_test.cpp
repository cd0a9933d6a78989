#include "ui/file_dialogs.h"

#include <gtest/gtest.h>

#include <QFileDialog>
#include <QTemporaryDir>

#include "ui/modal_dialogs.h"

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

    test::SeenFileDialog seen;
    QString chosen;
    test::AnswerModal<QFileDialog>(
        test::ChooseFile(QDir(logs.path()).filePath("other.las"), &seen), [&] {
            chosen = AskSaveFileName(nullptr, {"log", "Save", "*.las",
                                               "Delta T Files (*.dt)|*.dt|LAS Files "
                                               "(*.las)|*.las",
                                               2, "las"});
        });
    EXPECT_EQ(seen.folder, QDir(logs.path()).absolutePath());
    EXPECT_EQ(seen.filter, "LAS Files (*.las)");
    EXPECT_EQ(chosen, QDir(logs.path()).absoluteFilePath("other.las"));
    EXPECT_EQ(RememberedFolder("project"), QDir(projects.path()).absolutePath());
}

TEST(FileDialogs, CancelGivesNoPathAndKeepsTheFolder) {
    QTemporaryDir folder;
    RememberFolder("horizon", folder.filePath("tops.hor"));
    QString chosen = "none";
    test::AnswerModal<QFileDialog>(test::CancelFileDialog(), [&] {
        chosen =
            AskOpenFileName(nullptr, {"horizon", "Open Horizon File", "*.hor",
                                      "Project Files (*.hor)|*.hor|All Files (*.*)|*.*", 1, ""});
    });
    EXPECT_TRUE(chosen.isEmpty());
    EXPECT_EQ(RememberedFolder("horizon"), QDir(folder.path()).absolutePath());
}

}  // namespace
}  // namespace tessarin
