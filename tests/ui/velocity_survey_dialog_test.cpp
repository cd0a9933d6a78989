#include "ui/velocity_survey_dialog.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <fstream>

#include "ui/dialog_helpers.h"

namespace tessarin {
namespace {

using test::Named;

const QString kDataDir = TESSARIN_TEST_DATA_DIR;

QLineEdit* Depth(const QDialog& dialog, int row) {
    return Named<QLineEdit>(dialog, QStringLiteral("Text1_%1").arg(row));
}
QLineEdit* Time(const QDialog& dialog, int row) {
    return Named<QLineEdit>(dialog, QStringLiteral("Text2_%1").arg(row));
}

void Type(const QDialog& dialog, const std::vector<std::pair<QString, QString>>& rows) {
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        Depth(dialog, i)->setText(rows[i].first);
        Time(dialog, i)->setText(rows[i].second);
    }
}

std::vector<std::pair<QString, QString>> Shown(const QDialog& dialog) {
    std::vector<std::pair<QString, QString>> rows;
    for (int i = 0; i < kVelocitySurveyRows; ++i) {
        if (!Depth(dialog, i)->text().isEmpty() || !Time(dialog, i)->text().isEmpty()) {
            rows.emplace_back(Depth(dialog, i)->text(), Time(dialog, i)->text());
        }
    }
    return rows;
}

void Click(const QDialog& dialog, const char* name) {
    QTest::mouseClick(Named<QPushButton>(dialog, name), Qt::LeftButton);
}

TEST(VelocitySurveyDialog, OkSortsThePointsByDepthAndHandsThemBack) {
    Project project;
    project.measurementUnits = kMetric;
    VelocitySurveyDialog dialog(project);
    test::ShowActive(dialog);
    EXPECT_TRUE(Named<QLabel>(dialog, "Label5")->isVisible());  // metres
    EXPECT_FALSE(Named<QLabel>(dialog, "Label4")->isVisible());

    Type(dialog, {{"900", "0.8"}, {"300", "0.3"}, {"600", ""}, {"600.5", "0.55"}});
    Named<QLineEdit>(dialog, "Text3")->setText("12.5");
    Named<QLineEdit>(dialog, "Text4")->setText("30");
    Click(dialog, "Command1");

    EXPECT_FALSE(dialog.isVisible());
    ASSERT_TRUE(dialog.Result());
    const VelocitySurveyEdit& edit = *dialog.Result();
    ASSERT_EQ(edit.survey.count, 3);  // the row without a time is dropped
    EXPECT_EQ(edit.survey.depths[1], 300.0);
    EXPECT_EQ(edit.survey.depths[2], 600.5);
    EXPECT_EQ(edit.survey.depths[3], 900.0);
    EXPECT_EQ(edit.survey.times[1], 0.3);
    EXPECT_EQ(edit.survey.times[2], 0.55);
    EXPECT_EQ(edit.survey.times[3], 0.8);
    EXPECT_EQ(edit.survey.datumElevation.Number(), 12.5);
    EXPECT_EQ(edit.kbElevation.Number(), 30.0);
    EXPECT_EQ(Shown(dialog), (std::vector<std::pair<QString, QString>>{
                                 {"300", "0.300"}, {"600.5", "0.550"}, {"900", "0.800"}}));

    Project applied = project;
    edit.ApplyTo(applied);
    EXPECT_EQ(applied.velocitySurveyCount, 3);
    EXPECT_EQ(applied.velocitySurveyTimes[3], 0.8);
    EXPECT_EQ(applied.kbElevation.Number(), 30.0);
}

TEST(VelocitySurveyDialog, StaysOpenUntilTwoRowsAreComplete) {
    Project project;
    project.kbElevation = Value(100);
    project.velocitySurveyDatumElevation = Value(0);
    VelocitySurveyDialog dialog(project);
    test::ShowActive(dialog);
    Type(dialog, {{"1000", "0.5"}, {"2000", ""}});
    QTest::keyClick(Time(dialog, 1), Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(dialog.Result());

    QTest::keyClicks(Time(dialog, 1), "0.9");
    QTest::keyClick(Time(dialog, 1), Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    ASSERT_TRUE(dialog.Result());
    EXPECT_EQ(dialog.Result()->survey.count, 2);
    EXPECT_EQ(dialog.Result()->kbElevation.Number(), 100.0);
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
        Project project;
        VelocitySurveyDialog dialog(project);
        test::ShowActive(dialog);
        Type(dialog, {{"100", "0.1"}, {"400", "0.4"}});
        Named<QLineEdit>(dialog, "Text3")->setText("0");
        Named<QLineEdit>(dialog, "Text4")->setText("25");
        Named<QLineEdit>(dialog, c.box)->setText(c.text);
        test::ShownMessage shown;
        auto answer = test::CloseNextMessage(shown);
        Click(dialog, "Command1");
        EXPECT_TRUE(answer->answered);
        EXPECT_EQ(shown.text, c.message);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_FALSE(dialog.Result());
        EXPECT_EQ(dialog.focusWidget(), Named<QLineEdit>(dialog, c.box));
    }
}

TEST(VelocitySurveyDialog, CancelHandsBackNothing) {
    Project project;
    VelocitySurveyDialog dialog(project);
    test::ShowActive(dialog);
    Type(dialog, {{"100", "0.1"}, {"400", "0.4"}});
    QTest::keyClick(Depth(dialog, 0), Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(dialog.Result());
}

TEST(VelocitySurveyDialog, SavedFileOpensAgainWithTheSameRows) {
    QTemporaryDir folder;
    Project project;
    project.projectFileName = folder.filePath("well.tsp").toStdString();
    const QString path = folder.filePath("checkshots.vs");
    {
        VelocitySurveyDialog dialog(project);
        test::ShowActive(dialog);
        Type(dialog, {{"1500", "1.2"}, {"120", "0.125"}, {"", "0.3"}, {"800", "0.75"}});
        Named<QLineEdit>(dialog, "Text3")->setText("-4");
        test::FileDialogSeen seen;
        auto answer = test::ChooseFile(path, &seen);
        Click(dialog, "Command4");
        EXPECT_TRUE(answer->answered);
        EXPECT_EQ(seen.title, "Save Velocity Survey File");
        EXPECT_EQ(seen.proposed, QStringList{folder.filePath("well.vs")});
    }
    VelocitySurveyDialog reopened{Project()};
    test::ShowActive(reopened);
    test::FileDialogSeen seen;
    auto answer = test::ChooseFile(path, &seen);
    Click(reopened, "Command3");
    EXPECT_TRUE(answer->answered);
    EXPECT_EQ(seen.title, "Open Velocity Survey File");
    // Saved in row order, without the row that has no depth.
    EXPECT_EQ(Shown(reopened), (std::vector<std::pair<QString, QString>>{
                                   {"1500", "1.200"}, {"120", "0.125"}, {"800", "0.750"}}));
    EXPECT_EQ(Named<QLineEdit>(reopened, "Text3")->text(), "-4");
}

TEST(VelocitySurveyDialog, OpensARealSurveyAndRefusesABadFile) {
    VelocitySurveyDialog dialog{Project()};
    test::ShowActive(dialog);
    auto answer = test::ChooseFile(kDataDir + "/F03-4_survey.vs");
    Click(dialog, "Command3");
    EXPECT_TRUE(answer->answered);
    const auto rows = Shown(dialog);
    ASSERT_EQ(rows.size(), 14u);
    EXPECT_EQ(rows[1], (std::pair<QString, QString>{"449.74", "0.473"}));
    EXPECT_EQ(rows[13], (std::pair<QString, QString>{"2345", "2.234"}));

    QTemporaryDir folder;
    const QString bad = folder.filePath("bad.vs");
    std::ofstream(bad.toStdString()) << "0\n100 0.1\n200\n";
    test::ShownMessage shown;
    auto chosen = test::ChooseFile(bad);
    auto message = test::CloseNextMessage(shown);
    Click(dialog, "Command3");
    EXPECT_TRUE(chosen->answered);
    EXPECT_TRUE(message->answered);
    EXPECT_EQ(shown.title, "Open Velocity Survey File");
    EXPECT_EQ(shown.text, "This is not a valid Tessarin velocity survey file.");
    EXPECT_EQ(shown.icon, QMessageBox::Warning);
    EXPECT_EQ(Shown(dialog), rows);  // what was shown stays
}

}  // namespace
}  // namespace tessarin
