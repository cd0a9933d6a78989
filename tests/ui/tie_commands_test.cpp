// The Tie menu run from the main window: a trace chosen in Load Seismic Trace goes into the
// project; Apply Shift, Reset Shift and the shift box change the project's bulk shift and redraw
// at once; Apply Phase is greyed for a Ricker wavelet and says why in its tip.

#include <QApplication>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>
#include <cmath>
#include <functional>

#include "engine/project_tie.h"
#include "engine/synthetic_trace.h"
#include "ui/dialog_driver.h"
#include "ui/tie_window.h"
#include "window_fixture.h"

namespace tessarin::test {
namespace {

using TieCommandsTest = WindowTest;

// Four traces: inlines 100-101 by crosslines 200-201, CDP X/Y 620000 + 25 k, 6080000 - 25 k.
const QString kSegy = QStringLiteral(TESSARIN_TEST_DATA_DIR "/seismic_ibm.sgy");

struct TraceCase {
    const char* option;  // the way of choosing
    std::function<void(QDialog*)> choose;
    long long traceNumber;
    int inlineNumber, crosslineNumber;
    double distance;
};

TEST_F(TieCommandsTest, TheTraceChosenInTheDialogGoesIntoTheProject) {
    OpenDisplayProject();
    const TraceCase cases[] = {
        {"byLines",
         [](QDialog* d) {
             Child<QSpinBox>(d, "inlineNumber")->setValue(101);
             Child<QSpinBox>(d, "crosslineNumber")->setValue(200);
         },
         3, 101, 200, 0},
        {"byNumber", [](QDialog* d) { Child<QSpinBox>(d, "traceNumber")->setValue(2); }, 2, 100,
         201, 0},
        {"byNearest",
         [](QDialog* d) {
             Child<QDoubleSpinBox>(d, "wellX")->setValue(620080);
             Child<QDoubleSpinBox>(d, "wellY")->setValue(6079925);
         },
         4, 101, 201, 5},
    };
    for (const TraceCase& c : cases) {
        SCOPED_TRACE(c.option);
        project.tie.reset();
        project.projectChanged = false;
        AnswerModal<QDialog>(
            [&](QDialog* d) {
                EXPECT_EQ(d->objectName(), "seisform");
                Type(d, "fileName", kSegy);
                // Enter reads the file for the choice; it does not take its first trace.
                QTest::keyClick(Child<QLineEdit>(d, "fileName"), Qt::Key_Return);
                ASSERT_TRUE(d->isVisible());
                EXPECT_TRUE(Child<QLabel>(d, "summary")->text().contains("100 to 101"));
                Click(d, c.option);
                c.choose(d);
                Click(d, "Command1");
            },
            [&] { Choose("mnuloadseis"); });
        ASSERT_TRUE(project.tie);
        const SeismicSource& s = project.tie->source;
        EXPECT_EQ(s.traceNumber, c.traceNumber);
        EXPECT_EQ(s.inlineNumber, c.inlineNumber);
        EXPECT_EQ(s.crosslineNumber, c.crosslineNumber);
        EXPECT_NEAR(s.distance, c.distance, 1e-6);
        EXPECT_EQ(project.tie->trace.values.size(), 16u);
        EXPECT_DOUBLE_EQ(project.tie->trace.firstTime, 0.5);
        EXPECT_TRUE(project.projectChanged);
        EXPECT_TRUE(window->TieWindowDock()->isVisible());
    }
}

TEST_F(TieCommandsTest, CancelLeavesTheProjectWithoutATrace) {
    OpenDisplayProject();
    AnswerModal<QDialog>(
        [&](QDialog* d) {
            Type(d, "fileName", kSegy);
            QTest::keyClick(Child<QLineEdit>(d, "fileName"), Qt::Key_Return);
            Click(d, "Command2");
        },
        [&] { Choose("mnuloadseis"); });
    EXPECT_FALSE(project.tie);
    EXPECT_FALSE(project.projectChanged);
}

class TieShiftTest : public WindowTest {
protected:
    // The display project tied to its own synthetic read 8 ms later.
    void SetUp() override {
        WindowTest::SetUp();
        OpenDisplayProject();
        SampledTrace seismic = SyntheticTrace(project);
        seismic.firstTime += 0.008;
        SetTieTrace(project, {.path = "later.txt"}, seismic);
        window->Recompute();
        Choose("mnutiewin");
        dock = window->TieWindowDock();
        ASSERT_TRUE(dock->isVisible());
        shiftBox = Child<QDoubleSpinBox>(dock, "tieShift");
        ExpectLag(0.008);
    }

    void ExpectLag(double seconds) const {
        ASSERT_TRUE(window->TieMeasured()) << window->TieProblem().toStdString();
        EXPECT_NEAR(window->TieMeasured()->bestLag.lag, seconds, 0.0005);
    }

    // Runs `command`, which must store `shift`, mark the project changed and redraw.
    void ExpectShift(const std::function<void()>& command, double shift) {
        project.projectChanged = false;
        const int drawn = window->DisplayCount();
        ExpectNoDialog(command);
        ASSERT_TRUE(project.tie);
        EXPECT_NEAR(project.tie->shiftSeconds, shift, 1e-9);
        EXPECT_TRUE(project.projectChanged);
        EXPECT_GT(window->DisplayCount(), drawn);
        EXPECT_NEAR(shiftBox->value(), shift * 1000, 1e-6);
        ExpectLag(0.008 - shift);
    }

    TieDock* dock = nullptr;
    QDoubleSpinBox* shiftBox = nullptr;
};

TEST_F(TieShiftTest, ApplyResetAndTheBoxMoveTheWellAndRedraw) {
    EXPECT_FALSE(Action("mnuresetshift")->isEnabled());
    {
        SCOPED_TRACE("the wheel over the box, not clicked into, is for scrolling the window");
        const QPointF at(5, 5);
        QWheelEvent wheel(at, shiftBox->mapToGlobal(at), {}, {0, 120}, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(shiftBox, &wheel);
        EXPECT_EQ(shiftBox->value(), 0);
        EXPECT_EQ(project.tie->shiftSeconds, 0);
    }
    const double lag = window->TieMeasured()->bestLag.lag;
    {
        SCOPED_TRACE("Apply Shift, by the tie window's button");
        ExpectShift([&] { Click(dock, "applyShift"); }, std::round(lag * 1e4) / 1e4);
    }
    EXPECT_TRUE(Action("mnuresetshift")->isEnabled());
    {
        SCOPED_TRACE("the box, a step of the arrow");
        shiftBox->setValue(2.5);
        ExpectShift([&] { shiftBox->stepUp(); }, 0.0026);
    }
    {
        SCOPED_TRACE("Reset Shift, from the menu");
        ExpectShift([&] { Choose("mnuresetshift"); }, 0);
    }
    EXPECT_FALSE(Action("mnuresetshift")->isEnabled());
}

TEST_F(TieShiftTest, ApplyPhaseIsGreyedForARickerWaveletWithTheReasonInItsTip) {
    QAction* applyPhase = Action("mnuapplyphase");
    EXPECT_TRUE(applyPhase->isEnabled());
    project.waveletType = kRickerWavelet;
    window->Recompute();
    EXPECT_FALSE(applyPhase->isEnabled());
    EXPECT_TRUE(applyPhase->toolTip().contains("Ricker")) << applyPhase->toolTip().toStdString();
    EXPECT_FALSE(Child<QToolButton>(dock, "applyPhase")->isEnabled());
    project.waveletType = kBandpassWavelet;
    window->Recompute();
    EXPECT_TRUE(applyPhase->isEnabled());
}

}  // namespace
}  // namespace tessarin::test
