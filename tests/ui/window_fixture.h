#pragma once

// A main window on an in-memory settings store, shown offscreen at a known size, with helpers to
// bring the project to each of its stages and to work the window as a user does.

#include <gtest/gtest.h>

#include <QAction>
#include <QString>
#include <memory>

#include "model/project.h"
#include "model/settings.h"
#include "ui/dialog_driver.h"
#include "ui/main_window.h"
#include "ui/tool_bar.h"

namespace tessarin::test {

// The display project of a real well (F03-4), under tests/data.
QString DisplayProjectPath();

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;

    // Opens the real well's project: logs loaded and displayed.
    void OpenDisplayProject();
    // The small well of the plot tests, as after an import and a wavelet chosen: ready to be
    // displayed, not displayed yet.
    void LoadKnownWellLogs();

    QAction* Action(const char* name) const {
        return window->findChild<QAction*>(QString::fromUtf8(name));
    }
    // Chooses a menu item as the user does.
    void Choose(const char* name) const { Action(name)->trigger(); }
    // Clicks a toolbar button as the user does.
    void ClickTool(const char* name) const {
        QTest::mouseClick(window->ToolbarStrip()->findChild<QWidget*>(name), Qt::LeftButton, {},
                          QPoint(8, 8));
    }

    MemorySettingsStore settings;
    Project project;
    std::unique_ptr<MainWindow> window;
};

}  // namespace tessarin::test
