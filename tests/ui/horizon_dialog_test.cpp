#include "ui/horizon_dialog.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>

#include "ui/dialog_helpers.h"

namespace tessarin {
namespace {

using namespace test;

// A log sampled every 10 m from `top` to `bottom`, with the log's ends as the horizon table.
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
    return project;
}

RowTexts Table(const HorizonEdit& edit) {
    RowTexts rows;
    for (int k = 1; k <= edit.count; ++k) {
        rows.emplace_back(QString::fromStdString(edit.names[k]),
                          QString::fromStdString(edit.depths[k].ToText()));
    }
    return rows;
}

// Chooses `path` with Open File; a file that is refused shows `message`.
void OpenFile(HorizonDialog& dialog, const QString& path, SeenMessage* message = nullptr) {
    ModalScript script;
    script.Then<QFileDialog>("Open Horizon File", ChooseFile(path));
    if (message) {
        script.Then<QMessageBox>("the refusal", Acknowledge(message));
    }
    script.Run([&] { Click(dialog, "Command3"); });
}

TEST(HorizonDialog, LeavingADepthOutsideTheLogEmptiesItsRow) {
    struct Case {
        QString depth;
        bool kept;
    };
    for (const Case& c : {Case{"2500", false}, Case{"999.9", false}, Case{"1000", true},
                          Case{"2000", true}, Case{"1500.5", true}, Case{"abc", true}}) {
        SCOPED_TRACE(c.depth.toStdString());
        HorizonDialog dialog(ProjectWithLog(1000, 2000));
        ShowActive(dialog);
        Box(dialog, 1, 3)->setText("Top Chalk");
        Box(dialog, 2, 3)->setFocus();
        QTest::keyClicks(Box(dialog, 2, 3), c.depth);
        QTest::keyClick(Box(dialog, 2, 3), Qt::Key_Tab);
        QCoreApplication::processEvents();
        EXPECT_EQ(ShownRows(dialog).size(), c.kept ? 3u : 2u);
        EXPECT_EQ(dialog.focusWidget(), Box(dialog, 1, c.kept ? 4 : 3));
    }
}

TEST(HorizonDialog, OkHandsBackTheRowsSortedByDepth) {
    HorizonDialog dialog(ProjectWithLog(1000, 2000));
    ShowActive(dialog);
    TypeRows(dialog, 2, {{"Top B", "1700"}, {"Top A", "1200"}, {"named only", ""}, {"", "1,5oo"}});
    SeenMessage shown;
    AnswerModal<QMessageBox>(Acknowledge(&shown), [&] { Click(dialog, "Command1"); });
    EXPECT_EQ(shown.text, "The depth \"1,5oo\" in row 6 is not a number.");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.focusWidget(), Box(dialog, 2, 5));

    Box(dialog, 2, 5)->setText("1500");
    // Enter confirms from a depth box that was never left: its depth is checked all the same.
    TypeRows(dialog, 6, {{"Deep", "2600"}});
    Box(dialog, 2, 6)->setFocus();
    QTest::keyClick(Box(dialog, 2, 6), Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    ASSERT_TRUE(dialog.Result());
    EXPECT_EQ(Table(*dialog.Result()), (RowTexts{{"start of log", "1000"},
                                                 {"Top A", "1200"},
                                                 {"", "1500"},
                                                 {"Top B", "1700"},
                                                 {"end of log", "2000"}}));
}

TEST(HorizonDialog, CancelHandsBackNothingEvenAfterOpenFile) {
    HorizonDialog dialog(ProjectWithLog(0, 3000));
    ShowActive(dialog);
    OpenFile(dialog, QStringLiteral(TESSARIN_TEST_DATA_DIR "/F03-4_tops.hor"));
    const RowTexts shown = ShownRows(dialog);
    ASSERT_EQ(shown.size(), 20u);
    EXPECT_EQ(shown[0], (std::pair<QString, QString>{"start of log", "0"}));
    EXPECT_EQ(shown[1], (std::pair<QString, QString>{"end of log", "3000"}));
    EXPECT_EQ(shown[16], (std::pair<QString, QString>{"NMRF (Mid_Mio_Unc)", "1246"}));
    Click(dialog, "Command2");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(dialog.Result());
}

TEST(HorizonDialog, OpenFileRefusesTooManyTopsAndNamesThoseOutsideTheLog) {
    QTemporaryDir folder;
    const QString many = folder.filePath("many.hor");
    {
        // Nineteen tops inside the log are one more than the rows can show.
        std::ofstream out(many.toStdString());
        for (int i = 1; i <= 19; ++i) {
            out << 1000 + 50 * i << "           Top " << i << "\r\n";
        }
    }
    HorizonDialog dialog(ProjectWithLog(1000, 2000));
    ShowActive(dialog);
    TypeRows(dialog, 2, {{"Typed", "1234"}});
    const RowTexts typed = ShownRows(dialog);
    SeenMessage shown;
    OpenFile(dialog, many, &shown);
    EXPECT_EQ(shown.title, "Open Horizon File");
    EXPECT_EQ(shown.text, many +
                              ": This is not a valid Tessarin horizon file: it holds more than "
                              "18 horizons within the log.");
    EXPECT_EQ(shown.icon, QMessageBox::Warning);
    EXPECT_EQ(ShownRows(dialog), typed);  // nothing typed is lost to a refused file

    const QString wide = folder.filePath("wide.hor");
    std::ofstream(wide.toStdString()) << "800           Above\r\n"
                                         "1500          Inside\r\n"
                                         "2600          Below the log\r\n";
    OpenFile(dialog, wide, &shown);
    EXPECT_EQ(shown.title, "Open Horizon File");
    EXPECT_EQ(shown.text,
              "2 horizons lie outside the log (1000 to 2000 ft) and were left out: \"Above\" at "
              "800 ft, \"Below the log\" at 2600 ft.");
    EXPECT_EQ(ShownRows(dialog),
              (RowTexts{{"start of log", "1000"}, {"end of log", "2000"}, {"Inside", "1500"}}));
}

TEST(HorizonDialog, SavedFileOpensAgainWithTheSameHorizons) {
    QTemporaryDir folder;
    Project project = ProjectWithLog(0, 3000);
    project.projectFileName = folder.filePath("well.tsp").toStdString();
    const QString path = folder.filePath("tops.hor");
    {
        HorizonDialog dialog(project);
        ShowActive(dialog);
        TypeRows(dialog, 2, {{"Top B", "2000.4"}, {"Top A", "1234.6"}});
        SeenFileDialog seen;
        AnswerModal<QFileDialog>(ChooseFile(path, &seen), [&] { Click(dialog, "Command4"); });
        EXPECT_EQ(seen.title, "Save Horizon File");
        EXPECT_EQ(seen.proposed, QStringList{folder.filePath("well.hor")});
    }
    HorizonDialog reopened(ProjectWithLog(0, 3000));
    ShowActive(reopened);
    OpenFile(reopened, path);
    EXPECT_EQ(
        ShownRows(reopened),
        (RowTexts{
            {"start of log", "0"}, {"end of log", "3000"}, {"Top A", "1235"}, {"Top B", "2000"}}));
    Click(reopened, "Command1");
    ASSERT_TRUE(reopened.Result());
    EXPECT_EQ(reopened.Result()->fileName, path.toStdString());
}

}  // namespace
}  // namespace tessarin
