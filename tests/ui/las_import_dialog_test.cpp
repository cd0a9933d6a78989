#include "ui/las_import_dialog.h"

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QWheelEvent>
#include <fstream>

#include "import/import_error.h"
#include "ui/dialog_helpers.h"

namespace tessarin {
namespace {

using test::Named;

const std::string kDataDir = TESSARIN_TEST_DATA_DIR;
const QString kSonicCaption = " Select SONIC curve and double click or click OK ";

std::unique_ptr<LasImportDialog> DialogFor(const std::string& name) {
    LasFile file = LoadLasFile(kDataDir + "/" + name);
    LasHeader header = ReadLasHeader(file);
    return std::make_unique<LasImportDialog>(std::move(file), std::move(header), kSonicCaption);
}

QStringList Mnemonics(const QListWidget& list) {
    QStringList names;
    for (int i = 0; i < list.count(); ++i) {
        names << list.item(i)->text().section(QLatin1Char('.'), 0, 0).trimmed();
    }
    return names;
}

// The data lines of a LAS file as the user reads them in an editor, split into fields.
std::vector<QStringList> DataLines(const std::string& name) {
    std::ifstream in(kDataDir + "/" + name);
    std::string line;
    while (std::getline(in, line) && line.rfind("~A", 0) != 0) {
    }
    std::vector<QStringList> lines;
    while (std::getline(in, line)) {
        lines.push_back(QString::fromStdString(line).simplified().split(QLatin1Char(' ')));
    }
    return lines;
}

// The viewer's lines with text, each as its depth and value fields.
std::vector<QStringList> ViewerLines(const LasImportDialog& dialog) {
    std::vector<QStringList> lines;
    for (const QString& line : Named<QLabel>(dialog, "Label3")->text().split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty()) {
            lines.push_back(line.simplified().split(QLatin1Char(' ')));
        }
    }
    return lines;
}

TEST(LasImportDialog, ListsTheCurvesAndDepthsOfRealFiles) {
    struct Case {
        std::string file;
        QStringList mnemonics;
        QString start, stop;
        int scrollMaximum, largeChange;
    };
    const std::vector<Case> cases = {
        {"F03-4_logs.las",
         {"DEPTH", "RHOB", "DT", "GR", "AI", "AI_rel", "PHIE"},
         "30",
         "1900",
         1247,
         100},
        {"P-135_time.LAS",
         {"DEPT", "Sonic_despiked", "RHOB_despiked", "TWT"},
         "197.5104",
         "951.8904",
         495,
         25},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const auto dialog = DialogFor(c.file);
        EXPECT_EQ(dialog->windowTitle(),
                  QString::fromStdString("Import LAS File " + kDataDir + "/" + c.file));
        EXPECT_EQ(Named<QGroupBox>(*dialog, "Frame1")->title(), kSonicCaption);
        const auto* list = Named<QListWidget>(*dialog, "List1");
        EXPECT_EQ(Mnemonics(*list), c.mnemonics);
        EXPECT_EQ(list->currentRow(), 1);  // the first curve after the depth
        EXPECT_EQ(Named<QLineEdit>(*dialog, "Text1")->text(), c.start);
        EXPECT_EQ(Named<QLineEdit>(*dialog, "Text2")->text(), c.stop);
        const auto* scroll = Named<QScrollBar>(*dialog, "VScroll1");
        EXPECT_EQ(scroll->maximum(), c.scrollMaximum);
        EXPECT_EQ(scroll->pageStep(), c.largeChange);
    }
}

TEST(LasImportDialog, ViewerShowsTheChosenCurveWhereverItIsScrolled) {
    const auto dialog = DialogFor("F03-4_logs.las");
    const std::vector<QStringList> file = DataLines("F03-4_logs.las");
    auto* list = Named<QListWidget>(*dialog, "List1");
    auto* scroll = Named<QScrollBar>(*dialog, "VScroll1");

    // Each scroll step is ten data lines; the last steps show the last eleven lines.
    struct Case {
        int row, scrollValue;
        std::size_t firstLine;
    };
    for (const Case c : {Case{2, 0, 0}, Case{2, 50, 500}, Case{4, 50, 500}, Case{2, 1247, 12456},
                         Case{6, 623, 6230}}) {
        SCOPED_TRACE(testing::Message() << "row " << c.row << " scroll " << c.scrollValue);
        list->setCurrentRow(c.row);
        scroll->setValue(c.scrollValue);
        const std::vector<QStringList> shown = ViewerLines(*dialog);
        ASSERT_EQ(shown.size(), 11u);
        for (std::size_t i = 0; i < shown.size(); ++i) {
            const QStringList& line = file[c.firstLine + i];
            EXPECT_EQ(shown[i], (QStringList{line[0], line[c.row]}));
        }
    }

    // The wheel over the viewer scrolls it down.
    scroll->setValue(10);
    auto* viewer = Named<QLabel>(*dialog, "Label3");
    const QPointF at(viewer->width() / 2.0, viewer->height() / 2.0);
    QWheelEvent wheel(at, viewer->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewer, &wheel);
    EXPECT_GT(scroll->value(), 10);
    EXPECT_EQ(ViewerLines(*dialog).front().front(), file[scroll->value() * 10].front());
}

TEST(LasImportDialog, DoubleClickImportsTheCurveOverTheTypedRange) {
    const auto dialog = DialogFor("F03-4_logs.las");
    test::ShowActive(*dialog);
    auto* start = Named<QLineEdit>(*dialog, "Text1");
    auto* stop = Named<QLineEdit>(*dialog, "Text2");
    start->setText("500");
    stop->setText("1000");
    auto* list = Named<QListWidget>(*dialog, "List1");
    const QRect dt = list->visualItemRect(list->item(2));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, dt.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, dt.center());
    // A double click ends with the button let go; the tests that follow start with none held.
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, dt.center());

    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    ASSERT_TRUE(dialog->Choice());
    const LogFileChoice& choice = *dialog->Choice();
    EXPECT_EQ(choice.lasCurveIndex, 2);
    EXPECT_EQ(choice.lasStartDepth, 500.0);
    EXPECT_EQ(choice.lasStopDepth, 1000.0);

    // The choice is what the import needs: the sonic (DT) over 500 to 1000 m.
    LogImport import{Project()};
    NoProgress progress;
    import.ImportSonic(choice, progress);
    const Project& imported = import.Working();
    EXPECT_NEAR(imported.timeDepth.front(), 500.0, 0.2);
    EXPECT_NEAR(imported.timeDepth[imported.lastSampleIndex], 1000.0, 2.0);
    EXPECT_NEAR(imported.timeSonic.front(), 500.0, 100.0);  // microseconds per metre, not g/cc
}

TEST(LasImportDialog, EnterConfirmsAndADepthThatIsNoNumberIsRefused) {
    const auto dialog = DialogFor("P-135_time.LAS");
    test::ShowActive(*dialog);
    auto* start = Named<QLineEdit>(*dialog, "Text1");
    start->setFocus();
    start->setText("2oo");
    test::SeenMessage shown;
    test::AnswerModal<QMessageBox>(test::Acknowledge(&shown),
                                   [&] { QTest::keyClick(start, Qt::Key_Return); });
    EXPECT_EQ(shown.text, "The start depth \"2oo\" is not a number.");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->Choice());

    start->setText("200");
    QTest::keyClick(start, Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    ASSERT_TRUE(dialog->Choice());
    EXPECT_EQ(dialog->Choice()->lasCurveIndex, 1);
    EXPECT_EQ(dialog->Choice()->lasStartDepth, 200.0);
}

TEST(LasImportDialog, ChooseShowsTheReadersMessageForABadHeader) {
    test::SeenMessage shown;
    test::AnswerModal<QMessageBox>(test::Acknowledge(&shown), [] {
        EXPECT_FALSE(LasImportDialog::Choose(
            nullptr, QString::fromStdString(kDataDir + "/sample_wrapped.las"), kSonicCaption));
    });
    EXPECT_EQ(shown.title, "File Format Error");
    EXPECT_EQ(shown.icon, QMessageBox::Warning);
    EXPECT_EQ(shown.text, QString::fromStdString(kDataDir + "/sample_wrapped.las: ") +
                              import_message::kWrapped);
}

}  // namespace
}  // namespace tessarin
