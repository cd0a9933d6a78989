// The main window worked through its menus: the enabled states and check marks through the
// project's stages, the display of an opened project, scrolling, and the window's own commands.

#include <QFileDialog>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <array>

#include "files/open_project.h"
#include "plot/plot_driver.h"
#include "plot/plot_fixture.h"
#include "ui/modal_dialogs.h"
#include "ui/plot_view.h"
#include "ui/readout_panel.h"
#include "ui/tool_bar.h"
#include "window_fixture.h"

namespace tessarin::test {
namespace {

using MainWindowTest = WindowTest;

// The commands that depend on the project's stage, and the steps that carry a check mark.
const char* const kNeedsLogs = "mnucalc";  // and a wavelet
const char* const kNeedsSynthetic[] = {"mnuprint", "mnusavetrace", "mnubitmap", "mnusgyibm"};
const char* const kStepItems[] = {"mnuwellinfo", "mnusonic", "mnutopedit", "mnuselwave"};

struct Stage {
    bool logs;
    bool synthetic;
    std::array<bool, 4> stepsChecked;  // in the order of kStepItems
};

void ExpectStage(MainWindow& window, const Stage& stage, const char* what) {
    SCOPED_TRACE(what);
    EXPECT_EQ(window.MenuAction(kNeedsLogs)->isEnabled(), stage.logs);
    for (const char* name : kNeedsSynthetic) {
        EXPECT_EQ(window.MenuAction(name)->isEnabled(), stage.synthetic) << name;
    }
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(window.MenuAction(kStepItems[i])->isChecked(), stage.stepsChecked[i])
            << kStepItems[i];
    }
    // Everything else can always be chosen.
    for (QAction* action : window.menuBar()->findChildren<QAction*>()) {
        const QString name = action->objectName();
        if (name.isEmpty() || name == kNeedsLogs ||
            std::ranges::any_of(kNeedsSynthetic, [&](const char* n) { return name == n; })) {
            continue;
        }
        EXPECT_TRUE(action->isEnabled()) << name.toStdString();
    }
}

TEST_F(MainWindowTest, MenusFollowTheProjectThroughItsStages) {
    QStringList menus;
    for (QAction* action : window->menuBar()->actions()) {
        menus << action->text();
    }
    EXPECT_EQ(menus, (QStringList{"&File", "&Data", "&Preferences", "Plot Parameters", "&Help"}));
    const std::array<bool, 4> none{}, all{true, true, true, true}, logs{false, true, false, false},
        logsAndWavelet{false, true, false, true};
    ExpectStage(*window, {false, false, none}, "empty");
    EXPECT_EQ(window->windowTitle(), "Tessarin Synthetic Seismogram[*]");

    // An import erases the wavelet: the synthetic waits until one is chosen for the new logs.
    project = MakeKnownWell();
    window->CompleteStep(ProjectStep::kLogsImported);
    ExpectStage(*window, {false, false, logs}, "logs imported");
    window->CompleteStep(ProjectStep::kWaveletSelected);
    ExpectStage(*window, {true, false, logsAndWavelet}, "logs and a wavelet");

    OpenDisplayProject();
    ExpectStage(*window, {true, true, all}, "displayed");
    EXPECT_TRUE(window->View()->HasPicture());
    EXPECT_EQ(window->windowTitle(), "Tessarin Synthetic Seismogram : F03-4[*]");
    EXPECT_FALSE(window->isWindowModified());

    window->ResetProjectWindow();
    ExpectStage(*window, {false, false, none}, "reset");
    EXPECT_FALSE(window->View()->HasPicture());
}

TEST_F(MainWindowTest, ADisplayThatCannotBeDrawnLeavesPrintingOff) {
    LoadKnownWellLogs();
    project.wavelet = OffsetArray();  // an import erases the wavelet
    AnswerModal<QMessageBox>(
        [](QMessageBox* box) {
            EXPECT_EQ(box->windowTitle(), "Display Synthetic");
            box->accept();
        },
        [&] { Choose("mnucalc"); });
    EXPECT_FALSE(Action("mnuprint")->isEnabled());
}

TEST_F(MainWindowTest, ShowsTheSamePictureAsTheBatchExport) {
    OpenDisplayProject();
    Project separate;
    MemorySettingsStore store;
    OpenProjectFile(separate, store, DisplayProjectPath().toStdString());
    PlotState state;
    PlotPicture picture(window->TwipsPerPixel());
    ASSERT_FALSE(RecomputeAndDisplay(separate, state, picture));
    EXPECT_EQ(window->Picture().Image(), picture.Image());
}

TEST_F(MainWindowTest, ScrollingMovesThePictureWithoutDrawingItAgain) {
    OpenDisplayProject();
    const int drawn = window->DisplayCount();
    QScrollBar* vertical = window->View()->VerticalBar();
    QScrollBar* horizontal = window->View()->HorizontalBar();
    ASSERT_GT(vertical->maximum(), 0);
    window->resize(500, 400);  // narrower than the picture
    ASSERT_TRUE(QTest::qWaitFor([&] { return horizontal->maximum() > 0; }));

    vertical->setValue(150);  // 1500 twips: 100 pixels
    horizontal->setValue(1500);
    EXPECT_EQ(window->View()->PictureOffsetPixels(), QPoint(100, 100));
    vertical->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(vertical->value(), 150 + vertical->pageStep());
    EXPECT_EQ(window->DisplayCount(), drawn);
}

TEST_F(MainWindowTest, ScrollRangesFollowTheWindowSize) {
    OpenDisplayProject();
    QScrollBar* horizontal = window->View()->HorizontalBar();
    const int wideMax = horizontal->maximum();
    window->resize(600, 400);
    ASSERT_TRUE(QTest::qWaitFor([&] { return horizontal->maximum() > wideMax; }));
    const double twips = window->TwipsPerPixel();
    // The horizontal bar scrolls by the part of the picture the window cannot show.
    EXPECT_NEAR(horizontal->maximum(),
                window->Plot().pictureWidth - window->centralWidget()->width() * twips, 1.0);
    EXPECT_EQ(horizontal->pageStep(), qRound(horizontal->maximum() / 5.0));
    // And a window never becomes smaller than a usable size.
    window->resize(100, 100);
    EXPECT_GE(window->width(), 308);
    EXPECT_GE(window->height(), 180);
}

TEST_F(MainWindowTest, ScrollingPastThePlotLengthLimitIsRefusedWithAMessage) {
    LoadKnownWellLogs();
    project.timeScale = Value::Text("60");  // 30 inches for the half second of the log
    ASSERT_FALSE(window->Recompute());
    QScrollBar* vertical = window->View()->VerticalBar();
    ASSERT_GT(vertical->maximum(), 3300);
    vertical->setValue(3000);
    const QPoint before = window->View()->PictureOffsetPixels();

    AnswerModal<QMessageBox>(
        [](QMessageBox* box) {
            EXPECT_EQ(box->windowTitle(), "Plot Length Limit");
            EXPECT_EQ(box->text(),
                      "You have reached the limit of screen plot length.\nPlease choose a smaller "
                      "time scale.");
            EXPECT_EQ(box->icon(), QMessageBox::Warning);
            box->accept();
        },
        [&] { vertical->setValue(3300); });
    EXPECT_EQ(window->View()->PictureOffsetPixels(), before);
    EXPECT_EQ(vertical->value(), 3000);
}

struct ChoiceCase {
    const char* item;
    const char* group[4];
    std::int16_t Project::*field;
    int value;
};

TEST_F(MainWindowTest, PlotParameterChoicesStoreCheckAndRedraw) {
    OpenDisplayProject();
    const ChoiceCase cases[] = {
        {"mnuTL20",
         {"mnuTL10", "mnuTL20", "mnuTL50", "mnuTL100"},
         &Project::timingLinesPer100ms,
         5},
        {"mnuDP50", {"mnuDP10", "mnuDP20", "mnuDP50", "mnuDP100"}, &Project::depthTickInterval, 50},
        {"mnuPW3", {"mnuPW1", "mnuPW2", "mnuPW3", nullptr}, &Project::logPenWidth, 3},
        {"mnuGPW2", {"mnuGPW1", "mnuGPW2", "mnuGPW3", nullptr}, &Project::gridPenWidth, 2},
    };
    for (const ChoiceCase& c : cases) {
        SCOPED_TRACE(c.item);
        const int drawn = window->DisplayCount();
        Choose(c.item);
        EXPECT_EQ(project.*c.field, c.value);
        EXPECT_EQ(window->DisplayCount(), drawn + 1);
        for (const char* other : c.group) {
            if (other) {
                EXPECT_EQ(Action(other)->isChecked(), std::string(other) == c.item) << other;
            }
        }
    }
    // 20 ms lines at 2 ms sampling: a line every 10 samples.
    EXPECT_EQ(window->Plot().samplesPerTimingLine, 10);
    EXPECT_FALSE(project.projectChanged);
}

TEST_F(MainWindowTest, LogGridWidthsTakeInchesAndRefuseWhatIsNoWidth) {
    OpenDisplayProject();
    struct Case {
        const char* answer;
        std::int16_t velocity;
        bool redrawn;
    };
    const Case cases[] = {
        {"1.5", 2160, true}, {"abc", 2160, false}, {"23", 2160, false},
        {"0", 2160, false},  {"0.25", 360, true},  {"", 360, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        const int drawn = window->DisplayCount();
        AnswerInputBox(c.answer, "mnuVLGW");
        EXPECT_EQ(project.velocityLogWidth, c.velocity);
        EXPECT_EQ(window->DisplayCount(), drawn + (c.redrawn ? 1 : 0));
    }
    AnswerInputBox("1", "mnuDLGW");
    EXPECT_EQ(project.densityLogWidth, 1440);
    AnswerInputBox("30", "mnuDLGW");
    EXPECT_EQ(project.densityLogWidth, 1440);
}

TEST_F(MainWindowTest, ScreenScaleCorrectionShrinksTheDisplayAcross) {
    OpenDisplayProject();
    const double gridLeft = window->Plot().readout.velocityGridLeftX;
    AnswerInputBox("0.8", "mnuscrcor");
    EXPECT_EQ(project.screenCorrection.Number(), 0.8);
    // Positions shrink with the factor; text widths do not.
    const double shrunk = window->Plot().readout.velocityGridLeftX;
    EXPECT_LT(shrunk, gridLeft * 0.85);
    EXPECT_GT(shrunk, gridLeft * 0.75);
    for (const char* refused : {"abc", "-1", "0"}) {
        AnswerInputBox(refused, "mnuscrcor");
        EXPECT_EQ(project.screenCorrection.Number(), 0.8) << refused;
    }
    EXPECT_EQ(window->Plot().readout.velocityGridLeftX, shrunk);
}

TEST_F(MainWindowTest, FontCommandTakesTheFaceAndStyleOnly) {
    OpenDisplayProject();
    // Confirmed as shown, the saved face keeps its name, whatever face it is drawn in here.
    AnswerModal<QFontDialog>([](QFontDialog* dialog) { dialog->accept(); },
                             [&] { Choose("mnufont"); });
    EXPECT_EQ(project.plotFontName, "Arial");

    const int drawn = window->DisplayCount();
    AnswerModal<QFontDialog>(
        [](QFontDialog* dialog) {
            int visibleLists = 0;
            for (QWidget* list : dialog->findChildren<QListView*>()) {
                visibleLists += list->isVisible() ? 1 : 0;
            }
            EXPECT_EQ(visibleLists, 2) << "face and style, no size";
            QFont font(QStringLiteral("DejaVu Serif"));
            font.setBold(true);
            font.setPointSize(24);
            dialog->setCurrentFont(font);
            dialog->accept();
        },
        [&] { Choose("mnufont"); });
    EXPECT_EQ(project.plotFontName, "DejaVu Serif");
    EXPECT_TRUE(project.plotFontBold);
    EXPECT_FALSE(project.plotFontItalic);
    EXPECT_EQ(window->DisplayCount(), drawn + 1);
}

TEST_F(MainWindowTest, ToolbarHelpShowsTheHelpStrip) {
    QWidget* strip = window->HelpStrip();
    EXPECT_FALSE(strip->isVisible());
    Choose("mnutoolhelp");
    EXPECT_TRUE(strip->isVisible());
    EXPECT_TRUE(Action("mnutoolhelp")->isChecked());
    EXPECT_TRUE(window->ToolbarHelp());
    Choose("mnutoolhelp");
    EXPECT_FALSE(strip->isVisible());
    EXPECT_EQ(window->ToolbarStrip()->height(), 29);
}

TEST_F(MainWindowTest, ToolbarHelpMakesWayForTheReadoutAndTheMenus) {
    OpenDisplayProject();
    Choose("mnutoolhelp");
    auto* status = window->findChild<QLabel*>("StatusLabel");
    auto* tip = window->findChild<QLabel*>("TipLabel");
    ASSERT_TRUE(status && tip);
    QWidget* open = window->ToolbarStrip()->findChild<QWidget*>("ToolOpen");
    // Each time at another point, so that the pointer really moves.
    int x = 4;
    const auto hoverOpen = [&] {
        QTest::mouseMove(open, QPoint(++x, 10));
        return QTest::qWaitFor([&] { return tip->isVisible() && status->isVisible(); }, 2000);
    };
    const auto readoutShown = [this](int label) {
        return window->Readout()->Label(label)->isVisible();
    };

    QTest::mouseMove(window->View()->Surface(), QPoint(300, 400));
    ASSERT_TRUE(readoutShown(4)) << "the pointer should be over the synthetic";
    ASSERT_TRUE(hoverOpen());
    EXPECT_EQ(status->text(), " Open an existing Tessarin project ");
    // Over the toolbar the readout keeps only its time caption.
    EXPECT_FALSE(readoutShown(4));
    EXPECT_TRUE(readoutShown(1));
    // The tip under the toolbar never covers the help line.
    const QRect tipPlace(tip->mapTo(window.get(), QPoint(0, 0)), tip->size());
    const QRect statusPlace(status->mapTo(window.get(), QPoint(0, 0)), status->size());
    EXPECT_FALSE(tipPlace.intersects(statusPlace));

    // A move over the plot or the readout, as it arrives when the pointer was already there
    // (without the toolbar being left).
    const auto moveOver = [](QWidget* widget, QPoint at) {
        QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    };
    moveOver(window->View()->Surface(), QPoint(300, 400));
    EXPECT_FALSE(tip->isVisible());
    EXPECT_FALSE(status->isVisible());
    EXPECT_TRUE(readoutShown(4));

    ASSERT_TRUE(hoverOpen());
    moveOver(window->Readout(), QPoint(40, 5));
    EXPECT_FALSE(tip->isVisible());
    EXPECT_FALSE(status->isVisible());

    ASSERT_TRUE(hoverOpen());
    auto* file = window->menuBar()->findChild<QMenu*>("mnufile");
    file->popup(window->mapToGlobal(QPoint(10, 10)));
    EXPECT_FALSE(tip->isVisible());
    EXPECT_FALSE(status->isVisible());
    file->close();
}

TEST_F(MainWindowTest, SaveBitmapWritesTheWholePictureUnderTheProjectsName) {
    OpenDisplayProject();
    QTemporaryDir folder;
    const QString path = folder.filePath("display.bmp");
    AnswerModal<QFileDialog>(
        [&](QFileDialog* dialog) {
            EXPECT_EQ(dialog->windowTitle(), "Save Synthetic Seismogram as Bitmap");
            EXPECT_TRUE(dialog->selectedFiles().value(0).endsWith("f03_4_display.bmp"));
            // Typed into the name box, as a user does.
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText(path);
            QMetaObject::invokeMethod(dialog, "accept");
        },
        [&] { Choose("mnubitmap"); });
    const QImage written(path, "BMP");
    EXPECT_EQ(written.size(), window->Picture().Image().size());
}

TEST_F(MainWindowTest, RightButtonOnTheDisplayOpensTheDataMenu) {
    OpenDisplayProject();
    auto* data = window->menuBar()->findChild<QMenu*>("mnuoptions");
    QTest::mouseClick(window->View()->Surface(), Qt::RightButton, {}, QPoint(200, 200));
    EXPECT_TRUE(QTest::qWaitFor([&] { return data->isVisible(); }));
    data->close();
}

TEST_F(MainWindowTest, OpeningABadFileSaysSoAndLeavesAResetProject) {
    OpenDisplayProject();
    QTemporaryDir folder;
    QFile bad(folder.filePath("bad.tsp"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("not a project\n");
    bad.close();
    AnswerModal<QMessageBox>(
        [&](QMessageBox* box) {
            EXPECT_EQ(box->windowTitle(), "Open Project");
            EXPECT_EQ(box->text().toStdString(),
                      bad.fileName().toStdString() +
                          ": This is not a valid Tessarin project file: line 1 holds \"not\" "
                          "where a number should be.");
            box->accept();
        },
        [&] { EXPECT_FALSE(window->OpenProject(bad.fileName())); });
    ExpectStage(*window, {false, false, {}}, "after a bad file");
}

TEST_F(MainWindowTest, CancellingTheOpenDialogKeepsTheProjectOnDisplay) {
    OpenDisplayProject();
    AnswerModal<QFileDialog>(
        [](QFileDialog* dialog) {
            EXPECT_EQ(dialog->windowTitle(), "Open Tessarin Project File");
            dialog->reject();
        },
        [&] { Choose("mnuopenproj"); });
    EXPECT_TRUE(window->Progress().synthesisShown);
    EXPECT_EQ(project.wellName, "F03-4");
}

}  // namespace
}  // namespace tessarin::test
