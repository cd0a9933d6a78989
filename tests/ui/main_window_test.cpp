#include "ui/main_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace tessarin {
namespace {

TEST(MainWindow, HasTheTitleAndTheMenuBarInOrder) {
    Project project;
    MainWindow window(project);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Tessarin Synthetic Seismogram"));

    QStringList menus;
    for (QAction* action : window.menuBar()->actions()) {
        menus << action->text();
    }
    EXPECT_EQ(menus, (QStringList{"&File", "&Data", "&Preferences", "Plot Parameters", "&Help"}));

    ASSERT_NE(window.MenuAction("mnusgyibm"), nullptr);
    EXPECT_EQ(window.MenuAction("mnusgyibm")->text(), "Export SG&Y (IBM 32 bit float)");
    EXPECT_EQ(window.MenuAction("mnuselwave")->text(), "Select &Wavelet");
    EXPECT_TRUE(window.MenuAction("mnuPW1")->isChecked());
    EXPECT_TRUE(window.MenuAction("mnuTL100")->isChecked());
    EXPECT_TRUE(window.MenuAction("mnuDP100")->isChecked());
    EXPECT_FALSE(window.MenuAction("mnuDP10")->isChecked());
}

}  // namespace
}  // namespace tessarin
