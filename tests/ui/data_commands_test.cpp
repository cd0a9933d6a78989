// The Data menu's dialogs run from the main window, through the menu and through the toolbar:
// what a confirmed dialog does to the record, the menu and the display, and that a cancelled one
// does nothing but say so in dialogCancelled.

#include <QDialog>
#include <QTest>
#include <functional>

#include "ui/dialog_driver.h"
#include "ui/tool_bar.h"
#include "window_fixture.h"

namespace tessarin::test {
namespace {

using DataCommandsTest = WindowTest;

struct DataCommand {
    const char* item;    // the Data menu item
    const char* button;  // the toolbar button that runs the same command
    const char* dialog;  // the dialog's objectName
    const char* checks;  // the menu item a confirmed dialog checks; nullptr when none
    // Types into the dialog what the test confirms or cancels.
    std::function<void(QWidget*)> fillIn;
    const char* confirm;  // the button that confirms
    const char* cancel;   // the button that cancels; nullptr for Escape
    // Whether the record holds what fillIn typed.
    std::function<bool(const Project&)> holdsInput;
};

const std::vector<DataCommand>& Commands() {
    static const std::vector<DataCommand> commands = {
        {"mnuwellinfo", "ToolWell", "Form4", "mnuwellinfo",
         [](QWidget* d) { Type(d, "Text1_0", "Sidetrack 2"); }, "Command1", "Command2",
         [](const Project& p) { return p.wellName == "Sidetrack 2"; }},
        {"mnutopedit", "ToolTops", "Form5", "mnutopedit",
         [](QWidget* d) { Type(d, "Text1_1", "Renamed top"); }, "Command1", "Command2",
         [](const Project& p) {
             return std::ranges::count(p.horizonNames, std::string("Renamed top")) == 1;
         }},
        // The low cut of a bandpass, the frequency of a Ricker wavelet: 8 Hz suits both.
        {"mnuselwave", "ToolWave", "Form3", "mnuselwave", [](QWidget* d) { Type(d, "Text1", "8"); },
         "Command2", nullptr, [](const Project& p) { return p.lowCut.ToText() == "8"; }},
        {"mnuscales", "ToolScales", "Form2", nullptr, [](QWidget* d) { Type(d, "Text4", "7"); },
         "Command1", "Command2", [](const Project& p) { return p.traceCount == 7; }},
    };
    return commands;
}

class DataCommandRun {
public:
    DataCommandRun(MainWindow& window, const DataCommand& command)
        : window_(window), command_(command) {}

    // Runs the command through its menu item or its toolbar button while `act` drives the
    // dialog; checks that the right dialog came, over the window.
    void Run(bool fromToolbar, const std::function<void(QWidget*)>& act) {
        AnswerModal<QDialog>(
            [this, act](QDialog* dialog) {
                EXPECT_EQ(dialog->objectName(), command_.dialog);
                EXPECT_TRUE(window_.frameGeometry().contains(dialog->frameGeometry().center()));
                act(dialog);
            },
            [&] {
                if (fromToolbar) {
                    QTest::mouseClick(window_.ToolbarStrip()->findChild<QWidget*>(command_.button),
                                      Qt::LeftButton, {}, QPoint(8, 8));
                } else {
                    window_.findChild<QAction*>(command_.item)->trigger();
                }
            });
    }

    void Confirm(bool fromToolbar) {
        Run(fromToolbar, [this](QWidget* dialog) {
            command_.fillIn(dialog);
            Click(dialog, command_.confirm);
        });
    }

    void Cancel(bool fromToolbar) {
        Run(fromToolbar, [this](QWidget* dialog) {
            command_.fillIn(dialog);
            if (command_.cancel) {
                Click(dialog, command_.cancel);
            } else {
                QTest::keyClick(dialog, Qt::Key_Escape);
            }
        });
    }

private:
    MainWindow& window_;
    const DataCommand& command_;
};

TEST_F(DataCommandsTest, ConfirmedDialogsFillTheRecordAndCheckTheirStep) {
    LoadKnownWellLogs();  // not displayed yet: nothing to redraw
    for (const DataCommand& command : Commands()) {
        SCOPED_TRACE(command.item);
        project.projectChanged = false;
        project.dialogCancelled = false;
        const int drawn = window->DisplayCount();
        DataCommandRun(*window, command).Confirm(false);
        EXPECT_TRUE(command.holdsInput(project));
        EXPECT_TRUE(project.projectChanged);
        EXPECT_TRUE(window->isWindowModified());
        EXPECT_FALSE(project.dialogCancelled);
        if (command.checks) {
            EXPECT_TRUE(window->findChild<QAction*>(command.checks)->isChecked());
        }
        EXPECT_EQ(window->DisplayCount(), drawn);
    }
    // Logs and a wavelet: the synthetic can be computed, from the menu and from the toolbar.
    EXPECT_TRUE(window->findChild<QAction*>("mnucalc")->isEnabled());
}

TEST_F(DataCommandsTest, ToolbarButtonsRunTheSameDialogsAndRedrawTheDisplay) {
    OpenDisplayProject();
    for (const DataCommand& command : Commands()) {
        SCOPED_TRACE(command.button);
        const int drawn = window->DisplayCount();
        DataCommandRun(*window, command).Confirm(true);
        EXPECT_TRUE(command.holdsInput(project));
        EXPECT_TRUE(project.projectChanged);
        EXPECT_EQ(window->DisplayCount(), drawn + 1);
        EXPECT_TRUE(window->Progress().synthesisShown);
    }
}

TEST_F(DataCommandsTest, CancelledDialogsChangeNothingAndSaySo) {
    OpenDisplayProject();
    for (const DataCommand& command : Commands()) {
        for (const bool fromToolbar : {false, true}) {
            SCOPED_TRACE(std::string(command.item) + (fromToolbar ? " from the toolbar" : ""));
            project.dialogCancelled = false;
            const int drawn = window->DisplayCount();
            DataCommandRun(*window, command).Cancel(fromToolbar);
            EXPECT_FALSE(command.holdsInput(project));
            EXPECT_FALSE(project.projectChanged);
            EXPECT_FALSE(window->isWindowModified());
            EXPECT_TRUE(project.dialogCancelled);
            EXPECT_EQ(window->DisplayCount(), drawn);
        }
    }
}

TEST_F(DataCommandsTest, AWaveletCalculatedThenLeftWithoutDoneIsKeptAndDrawn) {
    OpenDisplayProject();
    const int drawn = window->DisplayCount();
    const auto before = project.syntheticTrace;
    DataCommandRun(*window, Commands()[2]).Run(false, [](QWidget* dialog) {
        Type(dialog, "Text1", "8");
        Click(dialog, "Command1");  // Calculate
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(project.lowCut.ToText(), "8");
    EXPECT_TRUE(project.projectChanged);
    // Not confirmed with Done: a New Project sequence stops here.
    EXPECT_TRUE(project.dialogCancelled);
    // The display follows the record, or the screen would show one wavelet while the print and
    // the saved project hold another.
    EXPECT_EQ(window->DisplayCount(), drawn + 1);
    EXPECT_NE(project.syntheticTrace, before);
}

}  // namespace
}  // namespace tessarin::test
