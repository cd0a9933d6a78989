// The Tie menu run from the main window: a trace chosen in Load Seismic Trace goes into the
// project; Apply Shift, Reset Shift and the shift box change the project's bulk shift and redraw
// at once; Apply Phase is greyed for a Ricker wavelet and says why in its tip.

#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>
#include <bit>
#include <cmath>
#include <fstream>
#include <functional>
#include <string>

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

// A 3D volume of inlines 10-12 by crosslines 20-22 in 50 m bins around F03-4's location X =
// 623256, Y = 6082586 (source X/Y 100 m further east); trace k holds 16 samples of k + 1.
std::string VolumeAroundTheWell() {
    std::string bytes(3600, '\0');
    const auto put = [](std::string& to, std::size_t at, int value, int size) {
        for (int k = 0; k < size; ++k) {
            to[at + static_cast<std::size_t>(k)] = static_cast<char>(value >> 8 * (size - 1 - k));
        }
    };
    put(bytes, 3216, 4000, 2);
    put(bytes, 3220, 16, 2);
    put(bytes, 3224, 5, 2);
    for (int k = 0; k < 9; ++k) {
        std::string t(240 + 4 * 16, '\0');
        const int x = 623206 + 50 * (k % 3), y = 6082536 + 50 * (k / 3);
        for (const auto& [at, value] : {std::pair{72, x + 100},
                                        {76, y},
                                        {180, x},
                                        {184, y},
                                        {188, 10 + k / 3},
                                        {192, 20 + k % 3}}) {
            put(t, static_cast<std::size_t>(at), value, 4);
        }
        for (int i = 0; i < 16; ++i) {
            put(t, 240 + 4 * static_cast<std::size_t>(i), std::bit_cast<int>(k + 1.0f), 4);
        }
        bytes += t;
    }
    return bytes;
}

// The dialog starts at the well's X and Y, shows the volume's geometry and blends the four
// traces around the well, in CDP or source coordinates.
TEST_F(TieCommandsTest, TheBlendAroundTheWellFromAVolume) {
    OpenDisplayProject();
    QTemporaryDir dir;
    const QString volume = dir.filePath(QStringLiteral("volume.sgy"));
    std::ofstream(volume.toStdString(), std::ios::binary) << VolumeAroundTheWell();
    for (const int coordinates : {0, 1}) {
        AnswerModal<QDialog>(
            [&](QDialog* d) {
                EXPECT_DOUBLE_EQ(Child<QDoubleSpinBox>(d, "wellY")->value(), 6082586);
                Type(d, "fileName", volume);
                QTest::keyClick(Child<QLineEdit>(d, "fileName"), Qt::Key_Return);
                EXPECT_TRUE(Child<QLabel>(d, "summary")
                                ->text()
                                .contains("Corner inline 12, crossline 22: X 623306, Y 6082636"));
                Child<QComboBox>(d, "coordinates")->setCurrentIndex(coordinates);
                Click(d, "byInterpolated");
                Child<QDoubleSpinBox>(d, "wellX")->setValue(623256 + 12.5 + 100 * coordinates);
                Click(d, "Command1");
            },
            [&] { Choose("mnuloadseis"); });
        ASSERT_TRUE(project.tie);
        const SeismicSource& s = project.tie->source;
        EXPECT_EQ((std::tuple{s.choice, s.coordinates, s.inlinePosition, s.crosslinePosition,
                              s.traceNumber}),
                  (std::tuple{TraceChoice::kInterpolated,
                              static_cast<TraceCoordinates>(coordinates), 11.0, 21.25, 5LL}));
        // A quarter of the way from trace 5 (samples 5) to trace 6 (samples 6).
        EXPECT_NEAR(project.tie->trace.values.at(0), 5.25, 1e-9);
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
