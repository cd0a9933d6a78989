// The Data menu's dialogs run from the main window, through the menu and through the toolbar:
// what a confirmed dialog does to the record, the menu and the display, and that a cancelled one
// does nothing but say so in dialogCancelled.

#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>

#include "files/project_file.h"
#include "ui/tool_bar.h"
#include "window_fixture.h"

namespace tessarin::test {
namespace {

struct DataCommand {
    const char* item;
    const char* button;  // the toolbar button that runs the same command
    const char* dialog;
    bool checksItem;  // a confirmed dialog checks its menu item
    const char* box;  // what the test types, and where
    const char* typed;
    const char* confirm;
    const char* cancel;  // nullptr for Escape
    std::function<bool(const Project&)> holdsInput;
};

const DataCommand kCommands[] = {
    {item::kWellInformation, tool::kWell, well_datum::kDialog, true, well_datum::kWellName,
     "Sidetrack 2", kOk, kCancel, [](const Project& p) { return p.wellName == "Sidetrack 2"; }},
    {item::kDefineHorizons, tool::kTops, horizons::kDialog, true, "Text1_1", "Renamed top", kOk,
     kCancel,
     [](const Project& p) { return std::ranges::count(p.horizonNames, "Renamed top") == 1; }},
    // The low cut of a bandpass, the frequency of a Ricker wavelet: 8 Hz suits both.
    {item::kSelectWavelet, tool::kWave, wavelet::kDialog, true, wavelet::kLowCut, "8",
     wavelet::kDone, nullptr, [](const Project& p) { return p.lowCut.ToText() == "8"; }},
    {item::kSetScales, tool::kScales, scales::kDialog, false, scales::kTraceCount, "7", kOk,
     kCancel, [](const Project& p) { return p.traceCount == 7; }},
};

// Runs the command through its menu item or its toolbar button while `act` drives the dialog;
// checks that the right dialog came, over the window.
class DataCommandsTest : public WindowTest {
protected:
    void RunCommand(const DataCommand& command, bool fromToolbar,
                    const std::function<void(QDialog*)>& act) {
        AnswerModal<QDialog>(
            [&](QDialog* dialog) {
                EXPECT_EQ(dialog->objectName(), command.dialog);
                EXPECT_TRUE(window->frameGeometry().contains(dialog->frameGeometry().center()));
                act(dialog);
            },
            [&] { fromToolbar ? ClickTool(command.button) : Choose(command.item); });
    }
};

// From the menu before anything is displayed, nothing is drawn; from the toolbar over a display,
// the display is drawn again.
TEST_F(DataCommandsTest, ConfirmedDialogsFillTheRecordCheckTheirStepAndRedrawADisplay) {
    for (const bool fromToolbar : {false, true}) {
        fromToolbar ? OpenDisplayProject() : LoadKnownWellLogs();
        for (const DataCommand& command : kCommands) {
            SCOPED_TRACE(std::string(command.item) + (fromToolbar ? " from the toolbar" : ""));
            project.projectChanged = false;
            project.dialogCancelled = false;
            const int drawn = window->DisplayCount();
            RunCommand(command, fromToolbar, [&](QDialog* dialog) {
                Type(dialog, command.box, command.typed);
                Click(dialog, command.confirm);
            });
            EXPECT_TRUE(command.holdsInput(project));
            EXPECT_TRUE(project.projectChanged);
            EXPECT_TRUE(window->isWindowModified());
            EXPECT_FALSE(project.dialogCancelled);
            EXPECT_EQ(window->findChild<QAction*>(command.item)->isChecked(), command.checksItem);
            EXPECT_EQ(window->DisplayCount(), drawn + (fromToolbar ? 1 : 0));
        }
        // Logs and a wavelet: the synthetic can be computed.
        EXPECT_TRUE(Action(item::kDisplaySynthetic)->isEnabled());
    }
}

// A time scale whose picture is too tall to draw is refused, naming the largest that fits; a
// project saved with one opens with its synthetic at that scale, and says so.
TEST_F(DataCommandsTest, ATimeScaleTooTallToDrawIsRefusedAndAnOldFileHoldingOneOpensFitted) {
    OpenDisplayProject();
    const Project before = project;
    QString refusal;
    RunCommand(kCommands[3], false, [&](QDialog* dialog) {
        Type(dialog, scales::kTimeScale, "30000");
        Click(dialog, kOk);
        EXPECT_TRUE(dialog->isVisible());
        refusal = Child<QLabel>(dialog, kRefusalReason)->text();
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    project.dialogCancelled = false;
    EXPECT_TRUE(project == before);

    QTemporaryDir folder;
    project.timeScale = Value(30000);
    WriteProjectFile(project, folder.filePath("old.tsp").toStdString());
    AnswerModal<QMessageBox>(
        [&](QMessageBox* box) {
            EXPECT_EQ(box->text().toStdString(), refusal.toStdString() +
                                                     " The project is shown at " +
                                                     project.timeScale.ToText() + " cm/sec.");
            box->accept();
        },
        [&] { window->OpenProject(folder.filePath("old.tsp")); });
    EXPECT_TRUE(
        refusal.startsWith("A time scale of 30000 cm/sec makes the plot too tall to "
                           "draw. The largest time scale that fits is "))
        << refusal.toStdString();
    EXPECT_TRUE(window->Progress().synthesisShown && project.projectChanged);
}

}  // namespace
}  // namespace tessarin::test
