#include "ui/tool_bar.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QTest>
#include <QVBoxLayout>
#include <array>
#include <numeric>
#include <stdexcept>

#include "ui/main_actions.h"
#include "ui/tool_pictures.h"

namespace tessarin {
namespace {

struct ButtonCase {
    const char* name;
    Tool tool;
    int left;
    Command command;
    const char* status;
    const char* tip;
};

const ButtonCase kButtons[] = {
    {"ToolNew", Tool::New, 8, Command::kNewProject, " Create a new Tessarin project ",
     " New Project "},
    {"ToolOpen", Tool::Open, 31, Command::kOpenProject, " Open an existing Tessarin project ",
     " Open Project "},
    {"ToolSave", Tool::Save, 54, Command::kSaveProjectAs, " Save a Tessarin project ",
     " Save Project As "},
    {"ToolWell", Tool::Well, 87, Command::kWellInformation, " Enter well and datum information ",
     " Well and Datum Information "},
    {"ToolLogs", Tool::Logs, 110, Command::kImportLogs,
     " Import sonic and density logs into Tessarin ", " Import Sonic/Density Logs "},
    {"ToolTops", Tool::Tops, 133, Command::kDefineHorizons,
     " Define horizons and formation tops to label on displays ", " Define Horizons "},
    {"ToolWave", Tool::Wave, 156, Command::kSelectWavelet, " Select a wavelet to apply ",
     " Select Wavelet "},
    {"ToolScales", Tool::Scales, 179, Command::kSetScales,
     " Set scales for the Tessarin synthetic seismogram ", " Set Scales "},
    {"ToolPlot", Tool::Plot, 202, Command::kDisplaySynthetic,
     " Display the Tessarin synthetic seismogram on the screen ", " Display Synthetic "},
    // Load Seismic Trace joined Display's group; the buttons after it moved right by one button.
    {"ToolSeismic", Tool::Seismic, 225, Command::kLoadSeismicTrace,
     " Load the seismic trace at the well ", " Load Seismic Trace "},
    {"ToolPrint", Tool::Print, 258, Command::kPrintSynthetic,
     " Print the Tessarin synthetic seismogram on the printer ", " Print Synthetic "},
    {"ToolHelp", Tool::Help, 291, Command::kHelpContents, " Help contents for Tessarin ",
     " Help Contents "},
};

// The toolbar in a window of its own, with the help strip under it and room below for the tip.
class ToolBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto* layout = new QVBoxLayout(&window_);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        strip_ = new ToolBarStrip(actions_);
        layout->addWidget(strip_);
        layout->addWidget(strip_->HelpStrip());
        layout->addStretch();
        strip_->HelpStrip()->show();
        window_.resize(440, 160);
        window_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
        ASSERT_EQ(strip_->logicalDpiX(), 96);  // 15 twips to the pixel
        status_ = window_.findChild<QLabel*>("StatusLabel");
        tip_ = window_.findChild<QLabel*>("TipLabel");
        ASSERT_NE(status_, nullptr);
        ASSERT_NE(tip_, nullptr);
        for (const ButtonCase& b : kButtons) {
            QObject::connect(actions_(b.command), &QAction::triggered, strip_,
                             [this, c = b.command] { ++Count(c); });
        }
        // Display and Print wait for a synthetic, as in a new window.
        SetAvailable(Command::kDisplaySynthetic, false);
        SetAvailable(Command::kPrintSynthetic, false);
        // Start from a point away from the toolbar, so the first move is a real move.
        QTest::mouseMove(&window_, QPoint(410, 150));
    }

    QWidget* Button(const char* name) { return strip_->findChild<QWidget*>(name); }
    void SetAvailable(Command c, bool on) { actions_(c)->setEnabled(on); }

    void Hover(const char* name, int x) { QTest::mouseMove(Button(name), QPoint(x, 10)); }

    bool WaitForTip() {
        return QTest::qWaitFor([this] { return tip_->isVisible(); }, 2000);
    }

    int TipLeft() const { return tip_->mapTo(&window_, QPoint(0, 0)).x(); }

    void Click(const char* name) {
        QTest::mousePress(Button(name), Qt::LeftButton, {}, QPoint(8, 8));
        QTest::mouseRelease(Button(name), Qt::LeftButton, {}, QPoint(8, 8));
    }

    // How many times the strip asked for command `c` since the test began.
    int& Count(Command c) {
        for (std::size_t i = 0; i < std::size(kButtons); ++i) {
            if (kButtons[i].command == c) {
                return counted_[i];
            }
        }
        throw std::logic_error("not a toolbar command");
    }

    int TotalCount() const { return std::accumulate(counted_.begin(), counted_.end(), 0); }

    bool Shows(const char* name, Tool tool, ButtonFace face) {
        QWidget* button = Button(name);
        const QImage shown = button->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage expected =
            DrawToolPicture(tool, face, button->devicePixelRatioF(), button->palette())
                .toImage()
                .convertToFormat(QImage::Format_RGB32);
        return shown == expected;
    }

    QWidget window_;
    MainActions actions_{&window_};
    ToolBarStrip* strip_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* tip_ = nullptr;
    std::array<int, std::size(kButtons)> counted_{};
};

TEST_F(ToolBarTest, EachButtonShowsItsHelpAndRunsItsOwnCommandOncePerClick) {
    SetAvailable(Command::kDisplaySynthetic, true);
    SetAvailable(Command::kPrintSynthetic, true);
    for (const ButtonCase& b : kButtons) {
        SCOPED_TRACE(b.name);
        ASSERT_NE(Button(b.name), nullptr);
        EXPECT_EQ(strip_->mapFromGlobal(Button(b.name)->mapToGlobal(QPoint(0, 0))),
                  QPoint(b.left, 3));

        Hover(b.name, 6);
        EXPECT_EQ(status_->text(), b.status);
        EXPECT_EQ(tip_->text(), b.tip);

        QTest::mousePress(Button(b.name), Qt::LeftButton, {}, QPoint(8, 8));
        EXPECT_TRUE(Shows(b.name, b.tool, ButtonFace::Pressed));
        QTest::mouseRelease(Button(b.name), Qt::LeftButton, {}, QPoint(8, 8));
        EXPECT_TRUE(Shows(b.name, b.tool, ButtonFace::Raised));
        EXPECT_EQ(Count(b.command), 1);
        EXPECT_EQ(TotalCount(), 1);
        Count(b.command) = 0;
    }
}

TEST_F(ToolBarTest, GreyedPlotAndPrintIgnorePressesButStillShowTheirHelp) {
    for (const char* name : {"ToolPlot", "ToolPrint"}) {
        SCOPED_TRACE(name);
        const Tool tool = QByteArray(name) == "ToolPlot" ? Tool::Plot : Tool::Print;
        EXPECT_TRUE(Shows(name, tool, ButtonFace::Greyed));
        QTest::mousePress(Button(name), Qt::LeftButton, {}, QPoint(8, 8));
        EXPECT_TRUE(Shows(name, tool, ButtonFace::Greyed));
        QTest::mouseRelease(Button(name), Qt::LeftButton, {}, QPoint(8, 8));
        Hover(name, 7);
        EXPECT_TRUE(WaitForTip());
    }
    EXPECT_EQ(TotalCount(), 0);

    SetAvailable(Command::kDisplaySynthetic, true);
    EXPECT_TRUE(Shows("ToolPlot", Tool::Plot, ButtonFace::Raised));
    Click("ToolPlot");
    EXPECT_EQ(Count(Command::kDisplaySynthetic), 1);
    SetAvailable(Command::kDisplaySynthetic, false);
    Click("ToolPlot");
    EXPECT_EQ(Count(Command::kDisplaySynthetic), 1);
}

TEST_F(ToolBarTest, ReleasingAwayFromTheButtonRunsNothing) {
    QTest::mousePress(Button("ToolOpen"), Qt::LeftButton, {}, QPoint(8, 8));
    QMouseEvent drag(QEvent::MouseMove, QPointF(60, 8), QPointF(60, 8), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Button("ToolOpen"), &drag);
    EXPECT_TRUE(Shows("ToolOpen", Tool::Open, ButtonFace::Raised));
    QTest::mouseRelease(Button("ToolOpen"), Qt::LeftButton, {}, QPoint(60, 8));
    EXPECT_EQ(Count(Command::kOpenProject), 0);
}

TEST_F(ToolBarTest, TipAppearsAfterTheDelayBelowTheStripRightOfThePointer) {
    int overToolbar = 0;
    QObject::connect(strip_, &ToolBarStrip::PointerOverToolbar, [&] { ++overToolbar; });
    Hover("ToolOpen", 5);
    EXPECT_GT(overToolbar, 0);
    ASSERT_TRUE(WaitForTip());
    EXPECT_TRUE(status_->isVisible());
    // Button left 31 + pointer 5 + 200 twips (13 pixels at 15 twips to the pixel).
    EXPECT_EQ(TipLeft(), 31 + 5 + 13);
    const int tipTop = tip_->mapTo(&window_, QPoint(0, 0)).y();
    EXPECT_GE(tipTop, ToolBarStrip::kHeight);
    EXPECT_LE(tipTop, ToolBarStrip::kHeight + 3);

    // Near the right edge of a narrow window the tip is kept inside it.
    window_.resize(310, 160);
    Hover("ToolHelp", 20);
    ASSERT_TRUE(WaitForTip());
    EXPECT_LE(TipLeft() + tip_->width(), window_.width());
}

TEST_F(ToolBarTest, PressHidesTheHelpUntilThePointerMovesAgain) {
    Hover("ToolSave", 5);
    ASSERT_TRUE(WaitForTip());
    QTest::mousePress(Button("ToolSave"), Qt::LeftButton, {}, QPoint(8, 8));
    EXPECT_FALSE(tip_->isVisible());
    EXPECT_FALSE(status_->isVisible());
    QTest::mouseRelease(Button("ToolSave"), Qt::LeftButton, {}, QPoint(8, 8));
    // The tip would show within its delay: it must not come back.
    EXPECT_FALSE(QTest::qWaitFor([&] { return tip_->isVisible() || status_->isVisible(); }, 300));

    Hover("ToolSave", 9);
    ASSERT_TRUE(WaitForTip());
    EXPECT_TRUE(status_->isVisible());
    EXPECT_EQ(TipLeft(), 54 + 9 + 13);
}

TEST_F(ToolBarTest, MovingToAnotherButtonReplacesBothTextsBeforeTheTipShowsAgain) {
    Hover("ToolOpen", 5);
    ASSERT_TRUE(WaitForTip());
    Hover("ToolWell", 3);
    EXPECT_EQ(status_->text(), " Enter well and datum information ");
    EXPECT_EQ(tip_->text(), " Well and Datum Information ");
    // The old tip never stands at the old place with the new text.
    EXPECT_TRUE(!tip_->isVisible() || TipLeft() == 87 + 3 + 13);
    ASSERT_TRUE(WaitForTip());
    EXPECT_EQ(TipLeft(), 87 + 3 + 13);
}

TEST_F(ToolBarTest, LeavingTheButtonsHidesTheTip) {
    Hover("ToolOpen", 5);
    ASSERT_TRUE(WaitForTip());
    // Onto the strip between two groups of buttons: the tip goes, the help line stays.
    QTest::mouseMove(strip_, QPoint(80, 14));
    EXPECT_FALSE(tip_->isVisible());
    EXPECT_TRUE(status_->isVisible());
    EXPECT_FALSE(QTest::qWaitFor([&] { return tip_->isVisible(); }, 300));

    // Off the strip altogether: both go.
    Hover("ToolOpen", 6);
    ASSERT_TRUE(WaitForTip());
    QTest::mouseMove(&window_, QPoint(200, 120));
    EXPECT_FALSE(tip_->isVisible());
    EXPECT_FALSE(status_->isVisible());

    // The window hides them too, for a menu opened or the pointer over the plot; a tip still
    // waiting for its delay does not come afterwards.
    Hover("ToolTops", 4);
    strip_->HideHoverLabels();
    // The tip would show within its delay: it must not come back.
    EXPECT_FALSE(QTest::qWaitFor([&] { return tip_->isVisible() || status_->isVisible(); }, 300));
}

}  // namespace
}  // namespace tessarin
