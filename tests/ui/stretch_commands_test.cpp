// The stretch in the window: the display project tied to its own synthetic with a drift that
// climbs down the well. Every edit of the knees (Auto Stretch, Clear Stretch, the table, the
// display in Stretch Mode) goes through the undo stack, crossing knees are refused and leave the
// knees as they were, the velocity limit is a setting, and the stretch is saved as a survey the
// survey reader reads.

#include <QDoubleSpinBox>
#include <QLabel>
#include <QMessageBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>
#include <algorithm>
#include <cmath>

#include "engine/auto_stretch.h"
#include "engine/project_tie.h"
#include "engine/stretch.h"
#include "engine/synthetic_trace.h"
#include "engine/trace_value.h"
#include "import/stretch_survey.h"
#include "plot/knee_lines.h"
#include "ui/modal_dialogs.h"
#include "ui/plot_view.h"
#include "ui/stretch_panel.h"
#include "ui/tie_window.h"
#include "window_fixture.h"

namespace tessarin::test {
namespace {

// 0 ms above 0.5 s, 12 ms below 1.5 s, linear between.
double Drift(double t) {
    return 0.012 * std::clamp(t - 0.5, 0.0, 1.0);
}

class StretchTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        OpenDisplayProject();
        const SampledTrace synthetic = SyntheticTrace(project);
        SampledTrace seismic = synthetic;
        for (std::size_t i = 0; i < seismic.values.size(); ++i) {
            const double t = seismic.TimeAt(i);
            seismic.values[i] = TraceValueAt(synthetic, t - Drift(t)).value_or(0.0);
        }
        SetTieTrace(project, {.path = "drifted.txt"}, seismic);
        window->Recompute();
        Choose("mnutiewin");
        dock = window->TieWindowDock();
        table = Child<QTableWidget>(dock, "kneesTable");
    }

    const std::vector<StretchKnee>& Knees() const { return KneesOf(project); }
    // Knees to start from, set outside the undo stack.
    void StartWith(const std::vector<StretchKnee>& knees) {
        SetStretch(project, knees);
        window->Recompute();
    }
    QString Figure(const char* name) const { return Child<QLabel>(dock, name)->text(); }
    void Undo() const { Choose("mnuundo"); }
    void Redo() const { Choose("mnuredo"); }

    // Types `text` into a cell of the knees' table as a user does.
    void TypeCell(int row, int column, const QString& text) const {
        ExpectNoDialog([&] { table->item(row, column)->setText(text); });
    }

    // Scrolls the picture so that y (picture twips) is in view.
    void ScrollTo(double y) const {
        PlotView* view = window->View();
        view->VerticalBar()->setValue(static_cast<int>((y - 150 * view->TwipsPerPixel()) / 10));
    }
    // The point of the plot surface whose pixel holds (x, y), picture twips.
    QPoint SurfacePoint(double x, double y) const {
        PlotView* view = window->View();
        const double pixel = view->TwipsPerPixel();
        const QPoint offset = view->PictureOffsetPixels();
        const QPoint at(static_cast<int>(std::floor(x / pixel - offset.x())),
                        static_cast<int>(std::floor(y / pixel - offset.y())));
        EXPECT_TRUE(view->Surface()->rect().contains(at)) << at.x() << ", " << at.y();
        return at;
    }
    double TimeAt(QPoint at) const {
        return DisplayTime(project, window->Plot(), window->View()->PictureTwips(at).y());
    }
    double SyntheticX() const { return window->Plot().normalPanel.right; }
    double SeismicX() const {
        const PanelEdges& seismic = window->Plot().seismicPanel;
        return (seismic.left + seismic.right) / 2;
    }

    TieDock* dock = nullptr;
    QTableWidget* table = nullptr;
};

TEST_F(StretchTest, AutoStretchAndClearStretchAreUndoneAndRedone) {
    const AutoStretchResult expected = AutoStretch(project);
    ASSERT_GE(expected.knees.size(), 3u);
    ExpectNoDialog([&] { Click(dock, "autoStretch"); });
    EXPECT_EQ(Knees(), expected.knees);
    EXPECT_EQ(table->rowCount(), static_cast<int>(expected.knees.size()));
    EXPECT_EQ(Figure("rBefore"), QString::number(expected.rBefore, 'f', 2));
    EXPECT_EQ(Figure("rAfter"), QString::number(expected.rAfter, 'f', 2));
    EXPECT_EQ(Figure("largestStrain"), QString::number(expected.largestStrain, 'f', 3));
    EXPECT_TRUE(project.projectChanged);
    // The stretched synthetic ties better: the window's own measure follows.
    EXPECT_NEAR(window->TieMeasured()->zeroLagR, expected.rAfter, 0.01);

    Click(dock, "clearStretch");
    EXPECT_TRUE(Knees().empty());
    EXPECT_EQ(table->rowCount(), 0);
    // The figures belong to the knees they were measured with.
    EXPECT_EQ(Figure("rAfter"), "–");
    Undo();
    EXPECT_EQ(Knees(), expected.knees);
    EXPECT_EQ(Figure("rAfter"), QString::number(expected.rAfter, 'f', 2));
    Click(dock, "undoStretch");
    EXPECT_TRUE(Knees().empty());
    EXPECT_FALSE(Action("mnuundo")->isEnabled());
    Redo();
    EXPECT_EQ(Knees(), expected.knees);
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(Knees().empty());
}

TEST_F(StretchTest, TableEditsAreTakenMarkedPastTheLimitAndCrossingOnesRefused) {
    StartWith({{0.8, 0.8}, {1.0, 1.0}, {1.2, 1.2}});
    TypeCell(1, kNewTimeColumn, "1.004");
    ASSERT_EQ(Knees().size(), 3u);
    EXPECT_DOUBLE_EQ(Knees()[1].newTime, 1.004);
    EXPECT_EQ(table->item(1, kShiftColumn)->text(), "+4.0");
    // 0.2 s made 0.204 s: 2 % slower above the knee, 2 % faster below it.
    EXPECT_EQ(table->item(1, kVelocityChangeColumn)->text(), "-2.0");
    EXPECT_EQ(table->item(2, kVelocityChangeColumn)->text(), "+2.0");
    EXPECT_FALSE(Child<QLabel>(dock, "stretchWarning")->isVisible());

    TypeCell(2, kSyntheticTimeColumn, "1.16");  // 0.16 s made 0.196 s: past 10 %
    for (int row = 0; row < 3; ++row) {
        const bool marked = row == 2;
        EXPECT_EQ(table->item(row, kNewTimeColumn)->toolTip().contains("10 %"), marked) << row;
        EXPECT_EQ(table->item(row, 0)->background().color() != QColor(Qt::white) &&
                      table->item(row, 0)->background().style() != Qt::NoBrush,
                  marked)
            << row;
    }
    EXPECT_TRUE(Child<QLabel>(dock, "stretchWarning")->isVisible());
    // A wider limit is kept as a setting and clears the marks.
    Child<QDoubleSpinBox>(dock, "velocityLimit")->setValue(25);
    EXPECT_DOUBLE_EQ(ReadStretchVelocityLimit(settings), 25);
    EXPECT_FALSE(Child<QLabel>(dock, "stretchWarning")->isVisible());
    EXPECT_TRUE(table->item(2, kNewTimeColumn)->toolTip().isEmpty());

    const std::vector<StretchKnee> before = Knees();
    TypeCell(2, kNewTimeColumn, "0.9");  // above the knee at 1.004 s
    EXPECT_EQ(Knees(), before);
    EXPECT_EQ(table->item(2, kNewTimeColumn)->text(), "1.2000");
    const QString refusal = Figure("stretchRefusal");
    EXPECT_TRUE(refusal.contains("1.004") && refusal.contains("0.9")) << refusal.toStdString();
    Undo();
    EXPECT_DOUBLE_EQ(Knees()[2].syntheticTime, 1.2);
}

TEST_F(StretchTest, StretchModeAddsMovesSelectsAndDeletesKneesOnTheDisplay) {
    QWidget* surface = window->View()->Surface();
    Click(dock, "stretchMode");
    ASSERT_TRUE(Action("mnustretchmode")->isChecked());
    const double pixelTime = window->View()->TwipsPerPixel() / window->Plot().screenTwipsPerSample *
                             2 * project.sampleIntervalUs / 1e6;
    const auto y = [&](double t) { return DisplayY(project, window->Plot(), t); };
    ScrollTo(y(1.0));

    const QPoint press = SurfacePoint(SyntheticX(), y(1.0));
    const QPoint release = SurfacePoint(SeismicX(), y(1.008));
    const double pressed = TimeAt(press);
    const double released = TimeAt(release);
    QTest::mousePress(surface, Qt::LeftButton, {}, press);
    QTest::mouseMove(surface, release);
    QTest::mouseRelease(surface, Qt::LeftButton, {}, release);
    ASSERT_EQ(Knees().size(), 1u);
    EXPECT_NEAR(Knees()[0].syntheticTime, pressed, 1e-9);
    EXPECT_NEAR(Knees()[0].newTime, released, 1e-9);
    EXPECT_NEAR(pressed, 1.0, pixelTime);
    EXPECT_NEAR(released, 1.008, pixelTime);

    // The stretched synthetic's event is now at 1.008 s: a second knee pressed there comes from
    // where the stretch carried it.
    const QPoint moveFrom = SurfacePoint(SeismicX(), y(Knees()[0].newTime));
    const QPoint moveTo = SurfacePoint(SeismicX(), y(1.03));
    QTest::mousePress(surface, Qt::LeftButton, {}, moveFrom);
    QTest::mouseMove(surface, moveTo);
    QTest::mouseRelease(surface, Qt::LeftButton, {}, moveTo);
    ASSERT_EQ(Knees().size(), 1u);
    EXPECT_NEAR(Knees()[0].syntheticTime, pressed, 1e-9);
    EXPECT_NEAR(Knees()[0].newTime, TimeAt(moveTo), 1e-9);

    const QPoint second = SurfacePoint(SyntheticX(), y(1.3));
    QTest::mousePress(surface, Qt::LeftButton, {}, second);
    QTest::mouseRelease(surface, Qt::LeftButton, {}, SurfacePoint(SeismicX(), y(1.3)));
    ASSERT_EQ(Knees().size(), 2u);
    EXPECT_NEAR(Knees()[1].syntheticTime, UnstretchedTime({Knees()[0]}, TimeAt(second)), 1e-9);

    // A click on the first knee's line selects it, and Delete removes it.
    QTest::mouseClick(surface, Qt::LeftButton, {}, SurfacePoint(SeismicX(), y(Knees()[0].newTime)));
    EXPECT_EQ(table->selectedItems().front()->row(), 0);
    const StretchKnee kept = Knees()[1];
    QTest::keyClick(surface, Qt::Key_Delete);
    ASSERT_EQ(Knees().size(), 1u);
    EXPECT_EQ(Knees()[0], kept);

    Undo();  // the delete
    EXPECT_EQ(Knees().size(), 2u);
    Undo();  // the second knee
    Undo();  // the move
    ASSERT_EQ(Knees().size(), 1u);
    EXPECT_NEAR(Knees()[0].newTime, released, 1e-9);
    Undo();  // the first knee
    EXPECT_TRUE(Knees().empty());
}

TEST_F(StretchTest, SaveStretchAsVelocitySurveyWritesWhatTheSurveyReaderReads) {
    StartWith({{0.8, 0.8}, {1.2, 1.206}});
    QTemporaryDir folder;
    const QString path = folder.filePath("stretch.vs");
    AnswerModal<QFileDialog>(ChooseFile(path, "Save Stretch as Velocity Survey"),
                             [&] { Choose("mnusavestretch"); });
    const VelocitySurvey read = ReadVelocitySurveyFile(path.toStdString());
    // As the file holds them: the survey file keeps whole depths and milliseconds.
    const VelocitySurvey expected =
        ReadVelocitySurveyText(VelocitySurveyFileText(StretchSurvey(project)));
    ASSERT_EQ(read.count, 4);
    EXPECT_EQ(read.count, expected.count);
    EXPECT_EQ(read.depths, expected.depths);
    EXPECT_EQ(read.times, expected.times);
}

TEST_F(StretchTest, UseStretchAsVelocitySurveyAsksThenKeepsTheStretchedTimesWithoutKnees) {
    ExpectNoDialog([&] { Click(dock, "autoStretch"); });
    const std::vector<StretchKnee> knees = Knees();
    const VelocitySurvey survey = StretchSurvey(project);
    const SampledTrace stretched = SyntheticTrace(project);
    AnswerModal<QMessageBox>(Answer(nullptr, QMessageBox::No), [&] { Choose("mnusestretch"); });
    EXPECT_EQ(Knees(), knees);

    AnswerModal<QMessageBox>(Answer(nullptr, QMessageBox::Yes), [&] { Choose("mnusestretch"); });
    EXPECT_TRUE(Knees().empty());
    ASSERT_EQ(project.velocitySurveyCount, survey.count);
    EXPECT_DOUBLE_EQ(project.velocitySurveyTimes[2], survey.times[2]);
    // The synthetic keeps its stretched events, now from the survey, and the knees' steps are
    // gone: they were steps of the logs before.
    const SampledTrace surveyed = SyntheticTrace(project);
    double peak = 0;
    for (const double v : stretched.values) {
        peak = std::max(peak, std::fabs(v));
    }
    for (double t = 0.7; t < 1.5; t += 0.05) {
        EXPECT_NEAR(TraceValueAt(surveyed, t).value_or(9), TraceValueAt(stretched, t).value_or(0),
                    0.05 * peak)
            << t;
    }
    EXPECT_FALSE(Action("mnuundo")->isEnabled());
    EXPECT_FALSE(Action("mnusestretch")->isEnabled());
}

}  // namespace
}  // namespace tessarin::test
