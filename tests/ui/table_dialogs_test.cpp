// Define Horizons and Velocity Survey, whose tables the user fills row by row, and Import LAS
// File: what each refuses and names, what its rows and choices hand back, and the order in which
// Tab walks through a table.

#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QTemporaryDir>
#include <fstream>

#include "import/import_error.h"
#include "ui/dialog_driver.h"
#include "ui/horizon_dialog.h"
#include "ui/las_import_dialog.h"
#include "ui/velocity_survey_dialog.h"

namespace tessarin::test {
namespace {

const QString kDataDir = TESSARIN_TEST_DATA_DIR "/";
const QString kSonicCaption = " Select SONIC curve and double click or click OK ";

// A log sampled every 10 ft from `top` to `bottom`, with the log's ends as the horizon table.
Project ProjectWithLog(double top, double bottom) {
    Project project;
    project.lastSampleIndex = static_cast<std::int16_t>((bottom - top) / 10);
    for (int i = 0; i <= project.lastSampleIndex; ++i) {
        project.timeDepth.push_back(top + 10 * i);
    }
    project.horizonCount = 2;
    project.horizonNames[1] = "start of log";
    project.horizonDepths[1] = Value(top);
    project.horizonNames[2] = "end of log";
    project.horizonDepths[2] = Value(bottom);
    project.kbElevation = Value(30);
    project.velocitySurveyDatumElevation = Value(0);
    return project;
}

std::unique_ptr<LasImportDialog> LasDialog(const QString& name) {
    LasFile file = LoadLasFile((kDataDir + name).toStdString());
    LasHeader header = ReadLasHeader(file);
    return std::make_unique<LasImportDialog>(std::move(file), std::move(header), kSonicCaption);
}

// A box that is no number is named, and takes the focus to be corrected; Enter (OK) hands
// nothing back while it stands.
TEST(TableDialogs, ABoxThatIsNoNumberIsNamedAndTakesTheFocus) {
    HorizonDialog horizons(ProjectWithLog(1000, 2000));
    VelocitySurveyDialog survey(ProjectWithLog(1000, 2000));
    TypeRows(&survey, 0, {{"100", "0.1"}, {"400", "0.4"}});
    const auto las = LasDialog("P-135_time.LAS");
    const std::tuple<QDialog*, QString, QString, QString> cases[] = {
        {&horizons, "Text2_5", "1,5oo", "The depth \"1,5oo\" in row 6 is not a number."},
        {&survey, survey::kKb, "1 10", "The KB elevation \"1 10\" is not a number."},
        {&survey, survey::kDatumElevation, "",
         "The velocity survey datum elevation \"\" is not a number."},
        {&survey, "Text2_1", "0,4", "The time in row 2 \"0,4\" is not a number."},
        {las.get(), las::kStartDepth, "2oo", "The start depth \"2oo\" is not a number."},
        {las.get(), las::kStartDepth, "2000",
         "The start depth 2000 must be above the end depth 951.8904.  The file's depths run from "
         "197.5104 to 951.8904."},
    };
    for (const auto& [dialog, box, text, message] : cases) {
        ShowActive(dialog);
        const QString before = TextIn(dialog, box);
        Type(dialog, box, text);
        const QString shown = MessageFrom([&] { PressKey(dialog, box, Qt::Key_Return); });
        EXPECT_TRUE(shown.endsWith(": " + message)) << shown;
        EXPECT_TRUE(dialog->isVisible()) << message;
        EXPECT_EQ(dialog->focusWidget(), BoxOf(dialog, box)) << message;
        Type(dialog, box, before);
    }
    EXPECT_FALSE(horizons.Values() || survey.Values() || las->Choice());
    PressKey(las.get(), las::kStartDepth, Qt::Key_Return);
    ASSERT_TRUE(las->Choice());
    EXPECT_EQ(las->Choice()->lasCurveIndex, 1);  // the first curve after the depth
}

// A depth outside the log is named with the log's range and stays selected to be corrected; OK
// refuses it as well. A depth that is no number is named at once.
TEST(HorizonDialog, LeavingADepthOutsideTheLogSaysSoAndKeepsItSelected) {
    const QString outside = " lies outside the log (1000 to 2000 ft).";
    for (const auto& [depth, reason] :
         {std::pair{"2500", "The depth 2500" + outside},
          {"999.9", "The depth 999.9" + outside},
          {"1000", QString()},
          {"2000", QString()},
          {"1500.5", QString()},
          {"abc", QString("The depth \"abc\" in row 4 is not a number.")}}) {
        HorizonDialog dialog(ProjectWithLog(1000, 2000));
        ShowActive(&dialog);
        Box(&dialog, 1, 3)->setText("Top Chalk");
        Box(&dialog, 2, 3)->setFocus();
        QTest::keyClicks(Box(&dialog, 2, 3), depth);
        QTest::keyClick(Box(&dialog, 2, 3), Qt::Key_Tab);
        QCoreApplication::processEvents();  // the focus comes back once the box has been left
        const bool outsideLog = reason.endsWith(outside);
        EXPECT_EQ(ShownRows(&dialog).size(), 3u) << depth;
        const auto* refusal = Child<QLabel>(&dialog, kRefusalReason);
        EXPECT_EQ(refusal->isVisible() ? refusal->text() : QString(), reason);
        EXPECT_EQ(dialog.focusWidget(), outsideLog ? Box(&dialog, 2, 3) : Box(&dialog, 1, 4))
            << depth;
        EXPECT_EQ(Box(&dialog, 2, 3)->selectedText(), outsideLog ? QString(depth) : QString());
        if (outsideLog) {
            Click(&dialog, kOk);
            EXPECT_TRUE(dialog.isVisible() && !dialog.Values()) << depth;
        }
    }
}

TEST(HorizonDialog, OpenFileRefusesTooManyTopsNamesThoseOutsideTheLogAndCancelKeepsNothing) {
    QTemporaryDir folder;
    const QString many = folder.filePath("many.hor"), wide = folder.filePath("wide.hor");
    {
        // Nineteen tops inside the log are one more than the rows can show.
        std::ofstream out(many.toStdString());
        for (int i = 1; i <= 19; ++i) {
            out << 1000 + 50 * i << "           Top " << i << "\r\n";
        }
    }
    std::ofstream(wide.toStdString()) << "800           Above\r\n"
                                         "1500          Inside\r\n"
                                         "2600          Below the log\r\n";
    HorizonDialog dialog(ProjectWithLog(1000, 2000));
    ShowActive(&dialog);
    TypeRows(&dialog, 2, {{"Typed", "1234"}});
    const RowTexts typed = ShownRows(&dialog);
    const auto open = [&](const QString& path, Seen* refusal) {
        ModalScript()
            .Then<QFileDialog>("Open Horizon File", ChooseFile(path))
            .Then<QMessageBox>("the refusal", Answer(refusal))
            .Run([&] { Click(&dialog, kOpenFile); });
    };
    Seen shown;
    open(many, &shown);
    EXPECT_EQ(shown.title + ": " + shown.text,
              "Open Horizon File: " + many +
                  ": This is not a valid Tessarin horizon file: it holds more than 18 horizons "
                  "within the log.");
    EXPECT_EQ(ShownRows(&dialog), typed);  // nothing typed is lost to a refused file
    open(wide, &shown);
    EXPECT_EQ(shown.text,
              "2 horizons lie outside the log (1000 to 2000 ft) and were left out: \"Above\" at "
              "800 ft, \"Below the log\" at 2600 ft.");
    EXPECT_EQ(ShownRows(&dialog),
              (RowTexts{{"start of log", "1000"}, {"end of log", "2000"}, {"Inside", "1500"}}));
    Click(&dialog, kCancel);
    EXPECT_FALSE(dialog.isVisible() || dialog.Values());
}

TEST(VelocitySurveyDialog, OkNeedsTwoCompleteRowsAndSortsThemByDepth) {
    VelocitySurveyDialog dialog(ProjectWithLog(0, 1000));
    ShowActive(&dialog);
    TypeRows(&dialog, 0, {{"900", "0.8"}, {"600", ""}, {"300", ""}});
    // One complete row: the dialog says what it needs and stays open.
    EXPECT_EQ(MessageFrom([&] { PressKey(&dialog, "Text2_2", Qt::Key_Return); }),
              "Velocity Survey: The velocity survey needs at least two rows that hold both a "
              "depth and a time.");
    EXPECT_TRUE(dialog.isVisible());
    TypeRows(&dialog, 2, {{"300", "0.3"}, {"600.5", "0.55"}});
    Type(&dialog, survey::kKb, "25.5");
    PressKey(&dialog, "Text2_3", Qt::Key_Return);
    ASSERT_TRUE(dialog.Values());
    const VelocitySurvey& survey = dialog.Values()->survey;
    ASSERT_EQ(survey.count, 3);  // the row without a time is dropped
    EXPECT_EQ((std::vector<double>{survey.depths[1], survey.depths[2], survey.depths[3],
                                   survey.times[1], survey.times[2], survey.times[3]}),
              (std::vector<double>{300, 600.5, 900, 0.3, 0.55, 0.8}));
    EXPECT_EQ(dialog.Values()->kbElevation.Number(), 25.5);
    EXPECT_EQ(ShownRows(&dialog),
              (RowTexts{{"300", "0.300"}, {"600.5", "0.550"}, {"900", "0.800"}}));
}

TEST(LasImportDialog, ListsTheCurvesAndDepthsOfARealFileAndRefusesAWrappedOne) {
    const auto dialog = LasDialog("F03-4_logs.las");
    EXPECT_EQ(dialog->windowTitle(), "Import LAS File " + kDataDir + "F03-4_logs.las");
    const auto* list = Child<QListWidget>(dialog.get(), las::kCurves);
    QStringList mnemonics;
    for (int i = 0; i < list->count(); ++i) {
        mnemonics << list->item(i)->text().section(QLatin1Char('.'), 0, 0).trimmed();
    }
    // Chosen at first: the first curve after the depth. The viewer scrolls by ten lines.
    const auto* scroll = Child<QScrollBar>(dialog.get(), las::kScroll);
    EXPECT_EQ(
        QString("%1; %2 from %3 to %4; %5 by %6")
            .arg(mnemonics.join(' '), mnemonics.value(list->currentRow()),
                 TextIn(dialog.get(), las::kStartDepth), TextIn(dialog.get(), las::kStopDepth))
            .arg(scroll->maximum())
            .arg(scroll->pageStep()),
        "DEPTH RHOB DT GR AI AI_rel PHIE; RHOB from 30 to 1900; 1247 by 100");
    EXPECT_EQ(MessageFrom([] {
                  EXPECT_FALSE(LasImportDialog::Choose(nullptr, kDataDir + "sample_wrapped.las",
                                                       kSonicCaption));
              }),
              "File Format Error: " + kDataDir + "sample_wrapped.las: " + import_message::kWrapped);
}

}  // namespace
}  // namespace tessarin::test
