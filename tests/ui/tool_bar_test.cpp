// The toolbar strip in a window of its own, with the help strip under it and room below for the
// tip: a click runs its own button's command once, greyed buttons ignore presses, and the tip and
// the help line come and go with the pointer.

#include "ui/tool_bar.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QTest>
#include <QVBoxLayout>

#include "ui/control_names.h"
#include "ui/main_actions.h"

namespace tessarin::test {
namespace {

using namespace tool;

const std::pair<const char*, Command> kCommands[] = {
    {kNew, Command::kNewProject},        {kOpen, Command::kOpenProject},
    {kSave, Command::kSaveProjectAs},    {kWell, Command::kWellInformation},
    {kLogs, Command::kImportLogs},       {kTops, Command::kDefineHorizons},
    {kWave, Command::kSelectWavelet},    {kScales, Command::kSetScales},
    {kPlot, Command::kDisplaySynthetic}, {kSeismic, Command::kLoadSeismicTrace},
    {kPrint, Command::kPrintSynthetic},  {kHelp, Command::kHelpContents},
};

class ToolBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto* layout = new QVBoxLayout(&window_);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        layout->addWidget(strip_);
        layout->addWidget(strip_->HelpStrip());
        layout->addStretch();
        strip_->HelpStrip()->show();
        window_.resize(440, 160);
        window_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
        ASSERT_EQ(strip_->logicalDpiX(), 96);
        status_ = window_.findChild<QLabel*>(kHelpLine);
        tip_ = window_.findChild<QLabel*>(kTip);
        for (const auto& [button, command] : kCommands) {
            QObject::connect(actions_(command), &QAction::triggered, strip_,
                             [this, button] { asked_ << button; });
        }
        // Display, Print and Load Seismic Trace wait for a synthetic, as in a new window.
        SetAvailable(false);
        // Start from a point away from the toolbar, so the first move is a real move.
        QTest::mouseMove(&window_, QPoint(410, 150));
    }

    QWidget* Button(const char* name) { return strip_->findChild<QWidget*>(name); }
    void SetAvailable(bool on) {
        actions_(Command::kDisplaySynthetic)->setEnabled(on);
        actions_(Command::kPrintSynthetic)->setEnabled(on);
        actions_(Command::kLoadSeismicTrace)->setEnabled(on);
    }
    void Hover(const char* name, int x) { QTest::mouseMove(Button(name), QPoint(x, 10)); }
    void Click(const char* name) { QTest::mouseClick(Button(name), Qt::LeftButton, {}, {8, 8}); }
    bool TipComes() {
        return QTest::qWaitFor([this] { return tip_->isVisible(); }, 2000);
    }
    // Neither comes back within the tip's delay.
    bool BothStayHidden() {
        return !QTest::qWaitFor([&] { return tip_->isVisible() || status_->isVisible(); }, 300);
    }
    // 200 twips right of the pointer, at 15 twips to the pixel.
    int TipLeftOver(const char* name, int x) {
        return Button(name)->mapTo(&window_, QPoint(0, 0)).x() + x + 13;
    }
    int TipLeft() const { return tip_->mapTo(&window_, QPoint(0, 0)).x(); }

    QWidget window_;
    MainActions actions_{&window_};
    ToolBarStrip* strip_ = new ToolBarStrip(actions_);
    QLabel* status_ = nullptr;
    QLabel* tip_ = nullptr;
    QStringList asked_;
};

TEST_F(ToolBarTest, EachButtonRunsItsOwnCommandOncePerClickAndGreyedOnesNone) {
    for (const char* greyed : {kPlot, kPrint, kSeismic}) {
        const QImage picture = Button(greyed)->grab().toImage();
        QTest::mousePress(Button(greyed), Qt::LeftButton, {}, {8, 8});
        EXPECT_EQ(Button(greyed)->grab().toImage(), picture) << "a greyed button went down";
        QTest::mouseRelease(Button(greyed), Qt::LeftButton, {}, {8, 8});
        Hover(greyed, 7);
        EXPECT_TRUE(TipComes()) << "greyed, a button still shows its help";
    }
    EXPECT_TRUE(asked_.isEmpty());
    SetAvailable(true);
    for (const auto& [button, command] : kCommands) {
        Click(button);
        EXPECT_EQ(asked_, QStringList{button});
        asked_.clear();
    }
    SetAvailable(false);
    Click(kPlot);
    EXPECT_TRUE(asked_.isEmpty());
}

TEST_F(ToolBarTest, TipComesAfterItsDelayRightOfThePointerAndGoesWithAPressOrTheStrip) {
    Hover(kOpen, 5);
    EXPECT_FALSE(tip_->isVisible());
    ASSERT_TRUE(TipComes());
    EXPECT_TRUE(status_->isVisible());
    EXPECT_EQ(TipLeft(), TipLeftOver(kOpen, 5));
    const int tipTop = tip_->mapTo(&window_, QPoint(0, 0)).y();  // just below the strip
    EXPECT_TRUE(tipTop >= ToolBarStrip::kHeight && tipTop <= ToolBarStrip::kHeight + 3);
    // Another button replaces both texts; the old tip never stands at the old place with them.
    const QString status = status_->text(), tip = tip_->text();
    Hover(kWell, 3);
    EXPECT_NE(status_->text(), status);
    EXPECT_NE(tip_->text(), tip);
    EXPECT_TRUE(!tip_->isVisible() || TipLeft() == TipLeftOver(kWell, 3));
    ASSERT_TRUE(TipComes());
    EXPECT_EQ(TipLeft(), TipLeftOver(kWell, 3));

    // A press hides both until the pointer moves again.
    QTest::mousePress(Button(kWell), Qt::LeftButton, {}, {8, 8});
    EXPECT_FALSE(tip_->isVisible() || status_->isVisible());
    QTest::mouseRelease(Button(kWell), Qt::LeftButton, {}, {8, 8});
    EXPECT_TRUE(BothStayHidden());
    Hover(kWell, 9);
    ASSERT_TRUE(TipComes());
    // Onto the strip between two groups of buttons the tip goes and the help line stays; off the
    // strip both go; near the right edge of a narrow window the tip is kept inside it.
    QTest::mouseMove(strip_, QPoint(80, 14));
    EXPECT_TRUE(!tip_->isVisible() && status_->isVisible());
    QTest::mouseMove(&window_, QPoint(200, 120));
    EXPECT_TRUE(BothStayHidden());
    window_.resize(310, 160);
    Hover(kHelp, 20);
    ASSERT_TRUE(TipComes());
    EXPECT_LE(TipLeft() + tip_->width(), window_.width());
    // The window hides them too, for a menu opened or the pointer over the plot; a tip still
    // waiting for its delay does not come afterwards.
    Hover(kTops, 4);
    strip_->HideHoverLabels();
    EXPECT_TRUE(BothStayHidden());
}

}  // namespace
}  // namespace tessarin::test
