#include "ui/horizon_dialog.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <fstream>

#include "ui/dialog_helpers.h"

namespace tessarin {
namespace {

using test::Named;
using Rows = std::vector<std::pair<QString, QString>>;

const QString kDataDir = TESSARIN_TEST_DATA_DIR;

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

QLineEdit* Name(const QDialog& dialog, int row) {
    return Named<QLineEdit>(dialog, QStringLiteral("Text1_%1").arg(row));
}
QLineEdit* Depth(const QDialog& dialog, int row) {
    return Named<QLineEdit>(dialog, QStringLiteral("Text2_%1").arg(row));
}

void Type(const QDialog& dialog, int firstRow, const Rows& rows) {
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        Name(dialog, firstRow + i)->setText(rows[i].first);
        Depth(dialog, firstRow + i)->setText(rows[i].second);
    }
}

Rows Shown(const QDialog& dialog) {
    Rows rows;
    for (int i = 0; i < kHorizonRows; ++i) {
        if (!Name(dialog, i)->text().isEmpty() || !Depth(dialog, i)->text().isEmpty()) {
            rows.emplace_back(Name(dialog, i)->text(), Depth(dialog, i)->text());
        }
    }
    return rows;
}

Rows Table(const HorizonEdit& edit) {
    Rows rows;
    for (int k = 1; k <= edit.count; ++k) {
        rows.emplace_back(QString::fromStdString(edit.names[k]),
                          QString::fromStdString(edit.depths[k].ToText()));
    }
    return rows;
}

void Click(const QDialog& dialog, const char* name) {
    QTest::mouseClick(Named<QPushButton>(dialog, name), Qt::LeftButton);
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
        test::ShowActive(dialog);
        Name(dialog, 3)->setText("Top Chalk");
        Depth(dialog, 3)->setFocus();
        QTest::keyClicks(Depth(dialog, 3), c.depth);
        QTest::keyClick(Depth(dialog, 3), Qt::Key_Tab);
        QCoreApplication::processEvents();
        EXPECT_EQ(Depth(dialog, 3)->text(), c.kept ? c.depth : "");
        EXPECT_EQ(Name(dialog, 3)->text(), c.kept ? "Top Chalk" : "");
        EXPECT_EQ(dialog.focusWidget(), c.kept ? Name(dialog, 4) : Name(dialog, 3));
    }
}

TEST(HorizonDialog, OkHandsBackTheRowsSortedByDepth) {
    HorizonDialog dialog(ProjectWithLog(1000, 2000));
    test::ShowActive(dialog);
    Type(dialog, 2, {{"Top B", "1700"}, {"Top A", "1200"}, {"named only", ""}, {"", "1,5oo"}});

    test::ShownMessage shown;
    auto answer = test::CloseNextMessage(shown);
    Click(dialog, "Command1");
    EXPECT_TRUE(answer->answered);
    EXPECT_EQ(shown.text, "The depth \"1,5oo\" in row 6 is not a number.");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.focusWidget(), Depth(dialog, 5));

    Depth(dialog, 5)->setText("1500");
    // Enter confirms from a depth box that was never left: its depth is checked all the same.
    Type(dialog, 6, {{"Deep", "2600"}});
    Depth(dialog, 6)->setFocus();
    QTest::keyClick(Depth(dialog, 6), Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    ASSERT_TRUE(dialog.Result());
    const Rows sorted = {{"start of log", "1000"},
                         {"Top A", "1200"},
                         {"", "1500"},
                         {"Top B", "1700"},
                         {"end of log", "2000"}};
    EXPECT_EQ(Table(*dialog.Result()), sorted);

    Project project = ProjectWithLog(1000, 2000);
    dialog.Result()->ApplyTo(project);
    EXPECT_EQ(project.horizonCount, 5);
    EXPECT_EQ(project.horizonNames[4], "Top B");
    EXPECT_EQ(project.horizonDepths[4].Number(), 1700.0);
}

TEST(HorizonDialog, CancelHandsBackNothingEvenAfterOpenFile) {
    HorizonDialog dialog(ProjectWithLog(0, 3000));
    test::ShowActive(dialog);
    auto answer = test::ChooseFile(kDataDir + "/F03-4_tops.hor");
    Click(dialog, "Command3");
    EXPECT_TRUE(answer->answered);
    const Rows shown = Shown(dialog);
    ASSERT_EQ(shown.size(), 20u);
    EXPECT_EQ(shown[0], (std::pair<QString, QString>{"start of log", "0"}));
    EXPECT_EQ(shown[1], (std::pair<QString, QString>{"end of log", "3000"}));
    EXPECT_EQ(shown[2], (std::pair<QString, QString>{"MFS11", "480"}));
    EXPECT_EQ(shown[19], (std::pair<QString, QString>{"CKEK", "1858"}));

    Click(dialog, "Command2");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(dialog.Result());
}

TEST(HorizonDialog, AFileOfMoreTopsThanTheRowsHoldIsRefused) {
    QTemporaryDir folder;
    const QString path = folder.filePath("many.hor");
    {
        std::ofstream out(path.toStdString());
        for (int i = 1; i <= 19; ++i) {
            out << 100 * i << "           Top " << i << "\r\n";
        }
    }
    HorizonDialog dialog(ProjectWithLog(0, 3000));
    test::ShowActive(dialog);
    Type(dialog, 2, {{"Typed", "1234"}});
    const Rows before = Shown(dialog);
    test::ShownMessage shown;
    auto chosen = test::ChooseFile(path);
    auto message = test::CloseNextMessage(shown);
    Click(dialog, "Command3");
    EXPECT_TRUE(chosen->answered);
    EXPECT_TRUE(message->answered);
    EXPECT_EQ(shown.title, "Open Horizon File");
    EXPECT_EQ(shown.text, "This is not a valid Tessarin horizon file.");
    EXPECT_EQ(shown.icon, QMessageBox::Warning);
    EXPECT_EQ(Shown(dialog), before);
}

TEST(HorizonDialog, TopsOutsideTheLogAreLeftOutAndNamed) {
    QTemporaryDir folder;
    const QString path = folder.filePath("tops.hor");
    std::ofstream(path.toStdString()) << "800           Above\r\n"
                                         "1500          Inside\r\n"
                                         "2600          Below the log\r\n";
    HorizonDialog dialog(ProjectWithLog(1000, 2000));
    test::ShowActive(dialog);
    test::ShownMessage shown;
    auto chosen = test::ChooseFile(path);
    auto message = test::CloseNextMessage(shown);
    Click(dialog, "Command3");
    EXPECT_TRUE(message->answered);
    EXPECT_EQ(shown.title, "Open Horizon File");
    EXPECT_EQ(shown.text,
              "These tops lie outside the log (from 1000 to 2000) and were left out:\n\n"
              "Above at 800\nBelow the log at 2600");
    EXPECT_EQ(Shown(dialog),
              (Rows{{"start of log", "1000"}, {"end of log", "2000"}, {"Inside", "1500"}}));
}

TEST(HorizonDialog, SavedFileOpensAgainWithTheSameHorizons) {
    QTemporaryDir folder;
    Project project = ProjectWithLog(0, 3000);
    project.projectFileName = folder.filePath("well.tsp").toStdString();
    const QString path = folder.filePath("tops.hor");
    {
        HorizonDialog dialog(project);
        test::ShowActive(dialog);
        Type(dialog, 2, {{"Top B", "2000.4"}, {"Top A", "1234.6"}});
        test::FileDialogSeen seen;
        auto answer = test::ChooseFile(path, &seen);
        Click(dialog, "Command4");
        EXPECT_TRUE(answer->answered);
        EXPECT_EQ(seen.title, "Save Horizon File");
        EXPECT_EQ(seen.proposed, QStringList{folder.filePath("well.hor")});
    }
    HorizonDialog reopened(ProjectWithLog(0, 3000));
    test::ShowActive(reopened);
    auto answer = test::ChooseFile(path);
    Click(reopened, "Command3");
    EXPECT_TRUE(answer->answered);
    EXPECT_EQ(
        Shown(reopened),
        (Rows{
            {"start of log", "0"}, {"end of log", "3000"}, {"Top A", "1235"}, {"Top B", "2000"}}));
    Click(reopened, "Command1");
    ASSERT_TRUE(reopened.Result());
    EXPECT_EQ(reopened.Result()->fileName, path.toStdString());
}

}  // namespace
}  // namespace tessarin
