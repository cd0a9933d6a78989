// The File menu's exports and printing run from the main window: files that read back, write
// failures that are told, and the printer kept from Printer Setup to Print Synthetic.

#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

#include "files/segy_export.h"
#include "files/text_export.h"
#include "plot/pdf_reader.h"
#include "ui/dialog_helpers.h"
#include "ui/file_dialogs.h"
#include "ui/install_paths.h"
#include "ui/tool_bar.h"
#include "ui/tool_pictures.h"
#include "window_fixture.h"

namespace tessarin::test {
namespace {

using ExportCommandsTest = WindowTest;

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

int BigEndian16(const QByteArray& bytes, int offset) {
    return (static_cast<unsigned char>(bytes[offset]) << 8) |
           static_cast<unsigned char>(bytes[offset + 1]);
}

// The IBM float at `offset`: sign, exponent of 16 biased by 64, 24-bit fraction.
double IbmValue(const QByteArray& bytes, int offset) {
    const auto byte = [&](int k) { return static_cast<unsigned char>(bytes[offset + k]); };
    const double fraction = ((byte(1) << 16) | (byte(2) << 8) | byte(3)) / 16777216.0;
    const double value = fraction * std::pow(16.0, (byte(0) & 0x7f) - 64);
    return (byte(0) & 0x80) ? -value : value;
}

// Whether a toolbar button shows its greyed picture.
bool Greyed(MainWindow& window, const char* name, Tool tool) {
    QWidget* button = window.ToolbarStrip()->findChild<QWidget*>(name);
    const QImage shown = button->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage greyed =
        DrawToolPicture(tool, ButtonFace::Greyed, button->devicePixelRatioF(), button->palette())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    return shown == greyed;
}

void ClickButton(MainWindow& window, const char* name) {
    QTest::mouseClick(window.ToolbarStrip()->findChild<QWidget*>(name), Qt::LeftButton, {},
                      QPoint(8, 8));
}

TEST_F(ExportCommandsTest, ExportDataWritesOneRowPerSampleUnderTheProjectsName) {
    OpenDisplayProject();
    QTemporaryDir folder;
    const QString path = folder.filePath("table.dat");
    SeenFileDialog chosen;
    AnswerModal<QFileDialog>(ChooseFile(path, &chosen), [&] { Choose("mnusavetrace"); });
    EXPECT_EQ(chosen.title, "Save Synthetic Data as Text");
    EXPECT_TRUE(chosen.proposed.value(0).endsWith("/f03_4_display.dat"));

    const QList<QByteArray> lines = ReadAll(path).split('\n');
    ASSERT_GT(lines.size(), 5);
    EXPECT_TRUE(lines[0].startsWith("F03-4 "));
    EXPECT_EQ(lines[4], QByteArray(kTextExportHeading) + "\r");
    // Five lines of header, a row for each of samples 0 to n, and nothing after the last line end.
    EXPECT_EQ(lines.size(), 5 + project.lastSampleIndex + 1 + 1);
    EXPECT_TRUE(lines.last().isEmpty());
}

TEST_F(ExportCommandsTest, ExportSgyWritesTheTracesAskedForInBothPolarities) {
    OpenDisplayProject();
    QTemporaryDir folder;
    const QString normal = folder.filePath("normal.sgy");
    const QString reverse = folder.filePath("reverse.sgy");
    SeenFileDialog first;
    SeenFileDialog second;
    ModalScript()
        .Then<QInputDialog>("the trace count",
                            [&](QInputDialog* box) {
                                EXPECT_EQ(box->windowTitle(), "Number of SGY traces");
                                EXPECT_EQ(box->labelText(),
                                          "Enter the number of SGY traces to write");
                                EXPECT_EQ(box->textValue(), "");
                                box->setTextValue("3");
                                box->accept();
                            })
        .Then<QFileDialog>("the normal file", ChooseFile(normal, &first))
        .Then<QFileDialog>("the reverse file", ChooseFile(reverse, &second))
        .Run([&] { Choose("mnusgyibm"); });
    EXPECT_EQ(first.title, "Save Synthetic Data as SGY File (IBM 32-bit)");
    EXPECT_TRUE(first.proposed.value(0).endsWith("/f03_4_displaynormal.sgy"));
    // The reverse file is proposed beside the normal one the user just wrote.
    EXPECT_EQ(second.proposed.value(0), QDir(folder.path()).filePath("f03_4_displayreverse.sgy"));

    const int samples = PlanSegyTrace(project).sampleCount;
    for (const QString& path : {normal, reverse}) {
        SCOPED_TRACE(path.toStdString());
        const QByteArray bytes = ReadAll(path);
        ASSERT_EQ(bytes.size(), 3600 + 3 * (240 + 4 * samples));
        EXPECT_EQ(BigEndian16(bytes, 3216), 2000);  // 2 ms
        EXPECT_EQ(BigEndian16(bytes, 3220), samples);
        for (int trace = 0; trace < 3; ++trace) {
            EXPECT_EQ(BigEndian16(bytes, 3600 + trace * (240 + 4 * samples) + 114), samples);
        }
    }
    // The same trace, once with each sign (the cut to whole millionths may differ by one).
    const QByteArray a = ReadAll(normal);
    const QByteArray b = ReadAll(reverse);
    int opposite = 0;
    for (int i = 3840; i + 4 <= 3840 + 4 * samples; i += 4) {
        const double normalValue = IbmValue(a, i);
        EXPECT_NEAR(normalValue, -IbmValue(b, i), 1.01 / 256) << "sample at byte " << i;
        opposite += normalValue != 0 ? 1 : 0;
    }
    EXPECT_GT(opposite, samples / 2);
}

TEST_F(ExportCommandsTest, AnExportThatCannotBeWrittenIsToldAndACancelledOneIsNot) {
    OpenDisplayProject();
    auto folder = std::make_unique<QTemporaryDir>();
    const QString path = folder->filePath("table.dat");
    // The folder goes away between the choice and the writing.
    SeenMessage told;
    ModalScript()
        .Then<QFileDialog>("Save Synthetic Data as Text",
                           [&](QFileDialog* dialog) {
                               folder.reset();
                               EnterFileName(dialog, path);
                           })
        .Then<QMessageBox>("the failure", Acknowledge(&told))
        .Run([&] { Choose("mnusavetrace"); });
    EXPECT_EQ(told.title, "Export Data");
    EXPECT_TRUE(told.text.contains("table.dat")) << told.text.toStdString();
    EXPECT_EQ(told.icon, QMessageBox::Warning);

    // Cancelling the trace count, or the save dialog, ends the command without a word: a
    // message after the cancel would come out of turn.
    ModalScript()
        .Then<QInputDialog>("the trace count", [](QInputDialog* input) { input->reject(); })
        .Run([&] { Choose("mnusgyibm"); });
    ModalScript()
        .Then<QInputDialog>("the trace count",
                            [](QInputDialog* input) {
                                input->setTextValue("2");
                                input->accept();
                            })
        .Then<QFileDialog>("the normal file", CancelFileDialog())
        .Run([&] { Choose("mnusgyibm"); });
}

TEST_F(ExportCommandsTest, PrintersChoicesStayFromSetupToPrintAndPrintingMakesAPdf) {
    OpenDisplayProject();
    QTemporaryDir folder;
    const QString pdf = folder.filePath("synthetic.pdf");
    window->Printer().setOutputFormat(QPrinter::PdfFormat);
    window->Printer().setOutputFileName(pdf);
    window->Printer().setPageSize(QPageSize(QPageSize::Letter));

    AnswerModal<QPageSetupDialog>(
        [](QPageSetupDialog* dialog) {
            dialog->findChild<QRadioButton*>("landscape")->click();
            dialog->accept();
        },
        [&] { Choose("mnuprintset"); });

    // Cancelled from the toolbar: nothing printed.
    AnswerModal<QPrintDialog>([](QPrintDialog* dialog) { dialog->reject(); },
                              [&] { ClickButton(*window, "ToolPrint"); });
    EXPECT_FALSE(QFile::exists(pdf));

    int pages = 0;
    AnswerModal<QPrintDialog>(
        [&pages](QPrintDialog* dialog) {
            pages = dialog->maxPage();
            dialog->accept();
        },
        [&] { Choose("mnuprint"); });
    ASSERT_TRUE(QFile::exists(pdf));
    EXPECT_EQ(PdfPageSize(pdf), QSizeF(792, 612));  // landscape letter, as set up
    EXPECT_EQ(PdfPageCount(pdf), pages);
    EXPECT_GT(pages, 1);
    EXPECT_TRUE(Holds(PdfPageText(pdf, 1), "F03-4"));
}

TEST_F(ExportCommandsTest, ToolbarPlotAndPrintStayGreyedUntilTheyCanRun) {
    const auto expectGreyed = [this](bool plot, bool print) {
        EXPECT_EQ(Greyed(*window, "ToolPlot", Tool::Plot), plot);
        EXPECT_EQ(Greyed(*window, "ToolPrint", Tool::Print), print);
        EXPECT_EQ(Action("mnucalc")->isEnabled(), !plot);
        EXPECT_EQ(Action("mnuprint")->isEnabled(), !print);
    };
    expectGreyed(true, true);
    const int drawn = window->DisplayCount();
    // A greyed button does nothing: a print dialog would come out of turn.
    ExpectNoDialog([&] {
        ClickButton(*window, "ToolPlot");
        ClickButton(*window, "ToolPrint");
    });
    EXPECT_EQ(window->DisplayCount(), drawn);

    LoadKnownWellLogs();
    expectGreyed(false, true);
    ExpectNoDialog([&] { ClickButton(*window, "ToolPrint"); });
    ClickButton(*window, "ToolPlot");
    EXPECT_EQ(window->DisplayCount(), drawn + 1);
    ASSERT_TRUE(window->Progress().synthesisShown);
    expectGreyed(false, false);

    AnswerModal<QPrintDialog>([](QPrintDialog* d) { d->reject(); },
                              [&] { ClickButton(*window, "ToolPrint"); });
}

TEST_F(ExportCommandsTest, OpenProjectStartsAmongTheExamplesUntilAProjectFolderIsKnown) {
    QTemporaryDir install;
    ASSERT_TRUE(QDir(install.path()).mkpath("bin"));
    EXPECT_EQ(FindExamplesFolder(install.filePath("bin")), "");
    ASSERT_TRUE(QDir(install.path()).mkpath("share/tessarin/examples"));
    const QString examples = FindExamplesFolder(install.filePath("bin"));
    EXPECT_EQ(examples, QDir(install.path()).filePath("share/tessarin/examples"));

    window->SetExamplesFolder(examples);
    QSettings().remove("Folders/project");
    const auto startsIn = [this]() {
        SeenFileDialog shown;
        AnswerModal<QFileDialog>(CancelFileDialog({}, &shown), [&] { Choose("mnuopenproj"); });
        return shown.folder;
    };
    EXPECT_EQ(startsIn(), examples);

    QTemporaryDir projects;
    RememberFolder("project", projects.filePath("well.tsp"));
    EXPECT_EQ(startsIn(), QDir(projects.path()).absolutePath());
}

}  // namespace
}  // namespace tessarin::test
