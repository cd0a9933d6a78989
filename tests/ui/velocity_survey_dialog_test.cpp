#include "ui/velocity_survey_dialog.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>

#include "ui/dialog_helpers.h"
#include "ui/horizon_dialog.h"

namespace tessarin {
namespace {

using namespace test;

Project SurveyProject() {
    Project project;
    project.kbElevation = Value(30);
    project.velocitySurveyDatumElevation = Value(0);
    return project;
}

TEST(VelocitySurveyDialog, OkNeedsTwoCompleteRowsAndSortsThemByDepth) {
    VelocitySurveyDialog dialog(SurveyProject());
    ShowActive(dialog);
    TypeRows(dialog, 0, {{"900", "0.8"}, {"600", ""}, {"300", ""}});
    QTest::keyClick(Box(dialog, 2, 2), Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());  // one complete row: the dialog stays open
    EXPECT_FALSE(dialog.Result());

    TypeRows(dialog, 2, {{"300", "0.3"}, {"600.5", "0.55"}});
    Named<QLineEdit>(dialog, "Text4")->setText("25.5");
    QTest::keyClick(Box(dialog, 2, 3), Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    ASSERT_TRUE(dialog.Result());
    const VelocitySurvey& survey = dialog.Result()->survey;
    ASSERT_EQ(survey.count, 3);  // the row without a time is dropped
    EXPECT_EQ((std::vector<double>{survey.depths[1], survey.depths[2], survey.depths[3]}),
              (std::vector<double>{300, 600.5, 900}));
    EXPECT_EQ((std::vector<double>{survey.times[1], survey.times[2], survey.times[3]}),
              (std::vector<double>{0.3, 0.55, 0.8}));
    EXPECT_EQ(dialog.Result()->kbElevation.Number(), 25.5);
    EXPECT_EQ(ShownRows(dialog),
              (RowTexts{{"300", "0.300"}, {"600.5", "0.550"}, {"900", "0.800"}}));
}

// Tab walks from the last row of the table through the boxes below it to the buttons, as a user
// entering a survey by keyboard expects; the same row of buttons serves the horizon table.
TEST(VelocitySurveyDialog, TabWalksFromTheTableToTheButtons) {
    VelocitySurveyDialog survey(SurveyProject());
    HorizonDialog horizons(Project{});
    const struct {
        QDialog* dialog;
        QStringList order;
    } cases[] = {
        {&survey, {"Text2_19", "Text3", "Text4", "Command3", "Command4", "Command1", "Command2"}},
        {&horizons, {"Text2_19", "Command3", "Command4", "Command1", "Command2"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dialog->objectName().toStdString());
        ShowActive(*c.dialog);
        Named<QWidget>(*c.dialog, c.order.front())->setFocus();
        for (int i = 1; i < c.order.size(); ++i) {
            QTest::keyClick(c.dialog->focusWidget(), Qt::Key_Tab);
            ASSERT_NE(c.dialog->focusWidget(), nullptr);
            EXPECT_EQ(c.dialog->focusWidget()->objectName(), c.order[i]);
        }
        c.dialog->hide();
    }
}

TEST(VelocitySurveyDialog, ABoxThatIsNoNumberIsNamedAndKeepsTheDialogOpen) {
    struct Case {
        QString box, text, message;
    };
    for (const Case& c :
         {Case{"Text4", "1 10", "The KB elevation \"1 10\" is not a number."},
          Case{"Text3", "", "The velocity survey datum elevation \"\" is not a number."},
          Case{"Text2_1", "0,4", "The time in row 2 \"0,4\" is not a number."}}) {
        SCOPED_TRACE(c.box.toStdString());
        VelocitySurveyDialog dialog(SurveyProject());
        ShowActive(dialog);
        TypeRows(dialog, 0, {{"100", "0.1"}, {"400", "0.4"}});
        Named<QLineEdit>(dialog, c.box)->setText(c.text);
        SeenMessage shown;
        AnswerModal<QMessageBox>(Acknowledge(&shown), [&] { Click(dialog, "Command1"); });
        EXPECT_EQ(shown.text, c.message);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_FALSE(dialog.Result());
        EXPECT_EQ(dialog.focusWidget(), Named<QLineEdit>(dialog, c.box));
    }
}

TEST(VelocitySurveyDialog, SavedFileOpensAgainWithTheSameRows) {
    QTemporaryDir folder;
    Project project = SurveyProject();
    project.projectFileName = folder.filePath("well.tsp").toStdString();
    const QString path = folder.filePath("checkshots.vs");
    {
        VelocitySurveyDialog dialog(project);
        ShowActive(dialog);
        TypeRows(dialog, 0, {{"1500", "1.2"}, {"120", "0.125"}, {"", "0.3"}, {"800", "0.75"}});
        Named<QLineEdit>(dialog, "Text3")->setText("-4");
        SeenFileDialog seen;
        AnswerModal<QFileDialog>(ChooseFile(path, &seen), [&] { Click(dialog, "Command4"); });
        EXPECT_EQ(seen.title, "Save Velocity Survey File");
        EXPECT_EQ(seen.proposed, QStringList{folder.filePath("well.vs")});
    }
    VelocitySurveyDialog reopened{Project()};
    ShowActive(reopened);
    AnswerModal<QFileDialog>(ChooseFile(path), [&] { Click(reopened, "Command3"); });
    // Saved in row order, without the row that has no depth.
    EXPECT_EQ(ShownRows(reopened),
              (RowTexts{{"1500", "1.200"}, {"120", "0.125"}, {"800", "0.750"}}));
    EXPECT_EQ(Named<QLineEdit>(reopened, "Text3")->text(), "-4");
}

TEST(VelocitySurveyDialog, OpensARealSurveyAndRefusesABadFile) {
    VelocitySurveyDialog dialog{Project()};
    ShowActive(dialog);
    AnswerModal<QFileDialog>(ChooseFile(QStringLiteral(TESSARIN_TEST_DATA_DIR "/F03-4_survey.vs")),
                             [&] { Click(dialog, "Command3"); });
    const RowTexts rows = ShownRows(dialog);
    ASSERT_EQ(rows.size(), 14u);
    EXPECT_EQ(rows[1], (std::pair<QString, QString>{"449.74", "0.473"}));
    EXPECT_EQ(rows[13], (std::pair<QString, QString>{"2345", "2.234"}));

    QTemporaryDir folder;
    const QString bad = folder.filePath("bad.vs");
    std::ofstream(bad.toStdString()) << "0\n100 0.1\n200\n";
    SeenMessage shown;
    ModalScript()
        .Then<QFileDialog>("Open Velocity Survey File", ChooseFile(bad))
        .Then<QMessageBox>("the refusal", Acknowledge(&shown))
        .Run([&] { Click(dialog, "Command3"); });
    EXPECT_EQ(shown.title, "Open Velocity Survey File");
    EXPECT_EQ(
        shown.text,
        bad + ": This is not a valid Tessarin velocity survey file: it ends early, on line 4.");
    EXPECT_EQ(shown.icon, QMessageBox::Warning);
    EXPECT_EQ(ShownRows(dialog), rows);  // what was shown stays
}

}  // namespace
}  // namespace tessarin
