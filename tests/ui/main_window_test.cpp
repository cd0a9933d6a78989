// The main window worked through its menus and toolbar: the enabled states and check marks
// through the project's stages, scrolling, the Plot Parameters and Preferences commands, and
// the help.

#include <QDialog>
#include <QDir>
#include <QFontDialog>
#include <QInputDialog>
#include <QMenuBar>
#include <QPrintDialog>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryFile>
#include <QTextBrowser>

#include "model/reset.h"
#include "plot/plot_fixture.h"
#include "qt_settings_store.h"
#include "ui/help_viewer.h"
#include "ui/plot_view.h"
#include "ui/tool_bar.h"
#include "window_fixture.h"

namespace tessarin::test {
namespace {

using MainWindowTest = WindowTest;

// Display Synthetic needs logs and a wavelet; the exports and printing a synthetic on display;
// everything else can always be chosen. The steps done carry a check mark.
void ExpectStage(MainWindow& window, bool logs, bool synthetic, QStringList checked) {
    const QStringList needSynthetic{item::kPrintSynthetic, item::kExportData, item::kSaveBitmap,
                                    item::kExportSgy,      "mnuloadseis",     "mnutiewin"};
    // The shift, phase and stretch commands wait for a tie (see the tie commands' tests).
    const QStringList needTie{
        "mnuapplyshift",   "mnuresetshift", "mnuapplyphase", "mnustretchmode", "mnuautostretch",
        "mnuclearstretch", "mnuundo",       "mnuredo",       "mnusavestretch", "mnusestretch"};
    for (QAction* action : window.menuBar()->findChildren<QAction*>()) {
        const QString name = action->objectName();
        if (!action->isVisible()) {
            continue;  // Recent Projects, before there are any
        }
        EXPECT_EQ(action->isEnabled(), needTie.contains(name)            ? false
                                       : needSynthetic.contains(name)    ? synthetic
                                       : name == item::kDisplaySynthetic ? logs
                                                                         : true)
            << name;
    }
    for (const char* step :
         {item::kWellInformation, item::kImportLogs, item::kDefineHorizons, item::kSelectWavelet}) {
        EXPECT_EQ(window.findChild<QAction*>(step)->isChecked(), checked.contains(step)) << step;
    }
}

TEST_F(MainWindowTest, MenusAndToolbarFollowTheProjectThroughItsStages) {
    ExpectStage(*window, false, false, {});
    // Greyed, the toolbar's Plot and Print do nothing: a print dialog would come out of turn.
    ExpectNoDialog([&] { ClickTool(tool::kPlot), ClickTool(tool::kPrint); });
    // An import erases the wavelet: the synthetic waits until one is chosen for the new logs.
    project = MakeKnownWell();
    window->CompleteStep(ProjectStep::kLogsImported);
    ExpectStage(*window, false, false, {item::kImportLogs});
    window->CompleteStep(ProjectStep::kWaveletSelected);
    ExpectStage(*window, true, false, {item::kImportLogs, item::kSelectWavelet});
    EXPECT_EQ(window->DisplayCount(), 0);
    ExpectNoDialog([&] { ClickTool(tool::kPrint), ClickTool(tool::kPlot); });
    EXPECT_EQ(window->DisplayCount(), 1);
    ExpectStage(*window, true, true, {item::kImportLogs, item::kSelectWavelet});
    AnswerModal<QPrintDialog>([](QPrintDialog* d) { d->reject(); },
                              [&] { ClickTool(tool::kPrint); });

    OpenDisplayProject();
    ExpectStage(
        *window, true, true,
        {item::kWellInformation, item::kImportLogs, item::kDefineHorizons, item::kSelectWavelet});
    EXPECT_EQ(window->windowTitle(), "Tessarin Synthetic Seismogram : F03-4[*]");
    EXPECT_FALSE(window->isWindowModified());
    window->ResetProjectWindow();
    ExpectStage(*window, false, false, {});
    EXPECT_FALSE(window->View()->HasPicture());
}

TEST_F(MainWindowTest, ADisplayThatCannotBeDrawnLeavesPrintingOff) {
    LoadKnownWellLogs();
    project.wavelet = OffsetArray();  // an import erases the wavelet
    EXPECT_TRUE(
        MessageFrom([&] { Choose(item::kDisplaySynthetic); }).startsWith("Display Synthetic: "));
    EXPECT_FALSE(Action(item::kPrintSynthetic)->isEnabled());
}

// Log grid widths are inches that fit a 16-bit twip value; screen factors lie above zero. What is
// refused is told with its reason, and changes nothing and draws nothing.
TEST_F(MainWindowTest, InputBoxesTakeOnlyWhatTheyCanUseAndRedraw) {
    OpenDisplayProject();
    const double gridLeft = window->Plot().readout.velocityGridLeftX;
    std::map<std::string, std::function<double()>> stored = {
        {item::kScreenCorrection, [this] { return project.screenCorrection.Number(); }},
        {item::kVelocityGridWidth, [this] { return project.velocityLogWidth; }},
        {item::kDensityGridWidth, [this] { return project.densityLogWidth; }}};
    using namespace item;
    const std::tuple<const char*, const char*, std::optional<double>> cases[] = {
        {kScreenCorrection, "0.8", 0.8},    {kScreenCorrection, "", {}},
        {kScreenCorrection, "0", {}},       {kScreenCorrection, "1E60", {}},
        {kVelocityGridWidth, " 0.5 ", 720}, {kVelocityGridWidth, "22.75", 32760},
        {kVelocityGridWidth, "22.76", {}},  {kVelocityGridWidth, "1,5", {}},
        {kVelocityGridWidth, "-1", {}},     {kVelocityGridWidth, "0.0003", {}},
        {kDensityGridWidth, "1.5", 2160},
    };
    for (const auto& [box, answer, expected] : cases) {
        SCOPED_TRACE(std::string(box) + " \"" + answer + "\"");
        const double before = stored[box]();
        const int drawn = window->DisplayCount();
        ModalScript script;
        script.Then<QInputDialog>("the box", [&](QInputDialog* input) {
            input->setTextValue(answer);
            input->accept();
        });
        Seen refusal;
        if (!expected && *answer) {  // an empty answer is taken as Cancel
            script.Then<QMessageBox>("the reason", Answer(&refusal));
        }
        script.Run([&] { Choose(box); });
        EXPECT_EQ(refusal.text.isEmpty(), expected || !*answer) << refusal.text.toStdString();
        EXPECT_EQ(stored[box](), expected.value_or(before));
        EXPECT_EQ(window->DisplayCount(), drawn + (expected ? 1 : 0));
    }
    // Positions shrink with the screen factor; text widths do not.
    EXPECT_LT(window->Plot().readout.velocityGridLeftX, gridLeft * 0.85);
    EXPECT_GT(window->Plot().readout.velocityGridLeftX, gridLeft * 0.75);
}

TEST_F(MainWindowTest, HelpOpensBesideTheWindowEscapeClosesItAndMissingHelpSaysWhereItLooked) {
    window->setGeometry(0, 0, 400, 400);
    QTemporaryFile page(QDir::tempPath() + "/XXXXXX.html");
    ASSERT_TRUE(page.open());
    window->SetHelpFilePath(page.fileName());
    Choose(item::kHelpContents);
    auto* help = window->findChild<HelpViewer*>();
    ASSERT_TRUE(help && help->isVisible());
    help->resize(300, 300);
    window->PlaceBeside(help);
    EXPECT_EQ(help->frameGeometry().left(), window->frameGeometry().right() + 1);
    QTest::keyClick(help, Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());
    window->SetHelpFilePath({});
    const QString message = MessageFrom([this] { Choose(item::kHelpContents); });
    EXPECT_TRUE(message.contains("Looked in:\n" + QCoreApplication::applicationDirPath() + "\n"))
        << message;
}

}  // namespace
}  // namespace tessarin::test
