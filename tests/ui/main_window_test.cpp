// The main window worked through its menus and toolbar: the enabled states and check marks
// through the project's stages, scrolling, the Plot Parameters and Preferences commands, and
// the help.

#include <QDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMenuBar>
#include <QPrintDialog>
#include <QScreen>
#include <QScrollBar>
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
                                    item::kExportSgy};
    for (QAction* action : window.menuBar()->findChildren<QAction*>()) {
        const QString name = action->objectName();
        EXPECT_EQ(action->isEnabled(), needSynthetic.contains(name)      ? synthetic
                                       : name == item::kDisplaySynthetic ? logs
                                                                         : true)
            << name;
    }
    for (const char* step :
         {item::kWellInformation, item::kImportLogs, item::kDefineHorizons, item::kSelectWavelet}) {
        EXPECT_EQ(window.MenuAction(step)->isChecked(), checked.contains(step)) << step;
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

TEST_F(MainWindowTest, ScrollBarsFollowTheWindowAndMoveThePictureWithoutDrawingItAgain) {
    OpenDisplayProject();
    const int drawn = window->DisplayCount();
    QScrollBar* vertical = window->View()->VerticalBar();
    QScrollBar* horizontal = window->View()->HorizontalBar();
    const int wideMax = horizontal->maximum();
    window->resize(600, 400);  // narrower than the picture
    ASSERT_TRUE(QTest::qWaitFor([&] { return horizontal->maximum() > wideMax; }));
    // The horizontal bar scrolls by the part of the picture the window cannot show.
    EXPECT_NEAR(
        horizontal->maximum(),
        window->Plot().pictureWidth - window->centralWidget()->width() * window->TwipsPerPixel(),
        1.0);
    EXPECT_EQ(horizontal->pageStep(), qRound(horizontal->maximum() / 5.0));
    vertical->setValue(150);  // 1500 twips: 100 pixels
    horizontal->setValue(1500);
    EXPECT_EQ(window->View()->PictureOffsetPixels(), QPoint(100, 100));
    vertical->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(vertical->value(), 150 + vertical->pageStep());
    EXPECT_EQ(window->DisplayCount(), drawn);
    // The help strip takes its height from the display.
    const int highMax = vertical->maximum();
    Choose(item::kToolbarHelp);
    EXPECT_NEAR(vertical->maximum() - highMax,
                window->HelpStrip()->height() * window->TwipsPerPixel() / 10, 2);
    // And a window never becomes smaller than a usable size.
    window->resize(100, 100);
    EXPECT_TRUE(window->width() >= 308 && window->height() >= 180);
}

TEST_F(MainWindowTest, PlotParameterChoicesStoreCheckAndRedraw) {
    OpenDisplayProject();
    const std::tuple<const char*, int, std::vector<int>, std::int16_t Project::*, int> cases[] = {
        {item::kTimingLines, 20, {10, 20, 50, 100}, &Project::timingLinesPer100ms, 5},
        {item::kDepthTicks, 50, {10, 20, 50, 100}, &Project::depthTickInterval, 50},
        {item::kLogPenWidth, 3, {1, 2, 3}, &Project::logPenWidth, 3},
        {item::kGridPenWidth, 2, {1, 2, 3}, &Project::gridPenWidth, 2},
    };
    for (const auto& [submenu, chosen, choices, field, stored] : cases) {
        const auto name = [&](int choice) { return submenu + std::to_string(choice); };
        const int drawn = window->DisplayCount();
        Choose(name(chosen).c_str());
        EXPECT_EQ(project.*field, stored) << submenu;
        EXPECT_EQ(window->DisplayCount(), drawn + 1);
        for (int choice : choices) {
            EXPECT_EQ(Action(name(choice).c_str())->isChecked(), choice == chosen) << name(choice);
        }
    }
    // 20 ms lines at 2 ms sampling: a line every 10 samples.
    EXPECT_EQ(window->Plot().samplesPerTimingLine, 10);
    EXPECT_FALSE(project.projectChanged);
}

// Log grid widths are inches that fit a 16-bit twip value; screen factors lie above zero. What is
// refused changes nothing and draws nothing.
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
        AnswerModal<QInputDialog>(
            [&](QInputDialog* input) {
                input->setTextValue(answer);
                input->accept();
            },
            [&] { Choose(box); });
        EXPECT_EQ(stored[box](), expected.value_or(before));
        EXPECT_EQ(window->DisplayCount(), drawn + (expected ? 1 : 0));
    }
    // Positions shrink with the screen factor; text widths do not.
    EXPECT_LT(window->Plot().readout.velocityGridLeftX, gridLeft * 0.85);
    EXPECT_GT(window->Plot().readout.velocityGridLeftX, gridLeft * 0.75);
}

// Confirmed as shown, the saved face keeps its name, whatever face it is drawn in here.
TEST_F(MainWindowTest, FontCommandTakesTheFaceAndStyleAndKeepsTheSavedName) {
    OpenDisplayProject();
    AnswerModal<QFontDialog>([](QFontDialog* dialog) { dialog->accept(); },
                             [&] { Choose(item::kFont); });
    EXPECT_EQ(project.plotFontName, "Arial");
    const int drawn = window->DisplayCount();
    AnswerModal<QFontDialog>(
        [](QFontDialog* dialog) {
            QFont font(QStringLiteral("DejaVu Serif"));
            font.setBold(true);
            dialog->setCurrentFont(font);
            dialog->accept();
        },
        [&] { Choose(item::kFont); });
    EXPECT_EQ(project.plotFontName, "DejaVu Serif");
    EXPECT_TRUE(project.plotFontBold && !project.plotFontItalic);
    EXPECT_EQ(window->DisplayCount(), drawn + 1);
}

// Contents show the shipped document, Help on Help its own section, and without the document
// the user is told. On a small screen (or with a large scale factor) the help window and the
// dialogs stay whole on the screen, where the user can reach their edges and buttons.
TEST_F(MainWindowTest, HelpShowsTheShippedDocumentInAWindowThatFitsTheScreen) {
    EXPECT_TRUE(MessageFrom([&] {
                    Choose(item::kHelpContents);
                }).startsWith("Tessarin help not available: "));
    window->SetHelpFilePath(QStringLiteral(TESSARIN_SOURCE_HELP_DIR "/tessarin.html"));
    Choose(item::kHelpOnHelp);
    auto* viewer = window->findChild<HelpViewer*>();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->Browser()->toPlainText().contains("Using Tessarin Help"));
    Choose(item::kHelpContents);
    EXPECT_TRUE(viewer->Browser()->toPlainText().contains("Tying a well, step by step"));
    const QRect area = window->screen()->availableGeometry();
    EXPECT_TRUE(area.contains(viewer->frameGeometry())) << "help window too large";
    QDialog large(window.get());
    large.resize(area.width() + 300, area.height() + 200);
    window->PlaceDialog(&large);
    large.show();
    EXPECT_TRUE(area.contains(large.frameGeometry()));
}

TEST_F(MainWindowTest, SaveSettingsWritesEveryKeyOnceAndAResetReadsThemBack) {
    Choose(item::kSaveSettings);
    EXPECT_EQ(settings.WriteOrder().size(), 30u);
    EXPECT_EQ(settings.Values().at("Screen Factor"), "1");

    // The real store, which the tests keep in a temporary folder.
    QtSettingsStore saved;
    Project worked;
    MainWindow own(worked, saved);
    own.ResetProjectWindow();
    ASSERT_TRUE(own.OpenProject(DisplayProjectPath()));
    for (const char* choice :
         {"mnuTL50", "mnuDP20", "mnuGPW3", item::kToolbarHelp, item::kSaveSettings}) {
        own.MenuAction(choice)->trigger();
    }
    Project fresh;
    QtSettingsStore reread;
    EXPECT_TRUE(ResetProject(fresh, reread).empty());
    EXPECT_EQ(fresh.timingLinesPer100ms, 2);
    EXPECT_EQ(fresh.depthTickInterval, 20);
    EXPECT_EQ(fresh.gridPenWidth, 3);
    // The opened project's own values became the defaults.
    EXPECT_EQ(fresh.measurementUnits, kMetric);
    EXPECT_EQ(fresh.timeScale.Number(), worked.timeScale.Number());
    EXPECT_EQ(fresh.lowPass.Number(), 10);
    EXPECT_TRUE(ReadStartupSettings(reread).toolbarHelp);
}

}  // namespace
}  // namespace tessarin::test
