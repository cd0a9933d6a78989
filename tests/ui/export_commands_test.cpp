// The File menu's exports and printing run from the main window: files that hold what the batch
// exports write, under the names the dialogs propose; write failures that are told and cancels
// that are not; the printer's choices kept from Printer Setup to a PDF of as many pages as the
// print dialog offered; and the folder each kind of file dialog starts in.

#include <QInputDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <sstream>

#include "files/segy_export.h"
#include "files/text_export.h"
#include "plot/pdf_reader.h"
#include "ui/print_commands.h"
#include "window_fixture.h"

namespace tessarin::test {
namespace {

using ExportCommandsTest = WindowTest;

std::string ReadAll(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll().toStdString();
}

std::function<void(QInputDialog*)> TraceCount(const QString& count) {
    return [count](QInputDialog* box) {
        EXPECT_EQ(box->labelText(), "Enter the number of SGY traces to write");
        EXPECT_EQ(box->textValue(), "");
        box->setTextValue(count);
        box->accept();
    };
}

TEST_F(ExportCommandsTest, ExportsWriteWhatTheBatchExportsWriteUnderTheProjectsName) {
    OpenDisplayProject();
    Project copy = project;  // as it was before the export
    QTemporaryDir folder;
    const QString table = folder.filePath("table.dat");
    Seen text;
    AnswerModal<QFileDialog>(ChooseFile(table, "Save Synthetic Data as Text", &text),
                             [&] { Choose(item::kExportData); });
    EXPECT_TRUE(text.proposed.value(0).endsWith("/f03_4_display.dat"));
    std::ostringstream expected;
    WriteTextExport(copy, expected);
    EXPECT_EQ(ReadAll(table), expected.str());

    const QString normal = folder.filePath("normal.sgy");
    const QString reverse = folder.filePath("reverse.sgy");
    Seen first, second;
    ModalScript()
        .Then<QInputDialog>("the trace count", TraceCount("3"))
        .Then<QFileDialog>(
            "the normal file",
            ChooseFile(normal, "Save Synthetic Data as SGY File (IBM 32-bit)", &first))
        .Then<QFileDialog>("the reverse file", ChooseFile(reverse, {}, &second))
        .Run([&] { Choose(item::kExportSgy); });
    EXPECT_TRUE(first.proposed.value(0).endsWith("/f03_4_displaynormal.sgy"));
    // The reverse file is proposed beside the normal one the user just wrote.
    EXPECT_EQ(second.proposed.value(0), QDir(folder.path()).filePath("f03_4_displayreverse.sgy"));
    for (const auto& [path, polarity] :
         {std::pair{normal, Polarity::kNormal}, std::pair{reverse, Polarity::kReverse}}) {
        std::ostringstream segy;
        WriteSegy(copy, polarity, 3, segy);
        EXPECT_TRUE(ReadAll(path) == segy.str()) << path.toStdString();
    }
}

// Qt's PDF writer says nothing of a failed write: a device that is always full stands for a full
// disk, and the print is reported as failed instead of printed.
TEST_F(ExportCommandsTest, APdfThatCannotBeWrittenIsReportedWithTheReason) {
    OpenDisplayProject();
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName("/dev/full");
    Seen failure;
    ModalScript()
        .Then<QPrintDialog>("the print dialog", [](QPrintDialog* dialog) { dialog->accept(); })
        .Then<QMessageBox>("the failure", Answer(&failure))
        .Run([&] {
            EXPECT_EQ(RunPrintSynthetic(printer, project, nullptr), PrintOutcome::kFailed);
        });
    EXPECT_EQ(failure.text,
              "The synthetic could not be printed.\nThe file \"/dev/full\" could not be written: "
              "it is not a regular file but a device.");
}

TEST_F(ExportCommandsTest, ADisplayWiderThanThePaperIsPrintedOnlyWhenTheUserSaysSo) {
    OpenDisplayProject();
    Project wide = project;
    wide.traceCount = 10;
    wide.tracesPerUnit = Value::Text("2");
    QTemporaryDir folder;
    QPrinter printer;
    printer.setOutputFileName(folder.filePath("wide.pdf"));
    printer.setPageSize(QPageSize(QPageSize::A4));
    Seen question;
    ModalScript()
        .Then<QPrintDialog>("the print dialog", [](QPrintDialog* dialog) { dialog->accept(); })
        .Then<QMessageBox>("the question", Answer(&question, QMessageBox::No))
        .Run([&] {
            EXPECT_EQ(RunPrintSynthetic(printer, wide, nullptr), PrintOutcome::kCancelled);
        });
    EXPECT_TRUE(question.text.endsWith("A4 landscape would fit.\n\nPrint it anyway?"));
    EXPECT_FALSE(QFile::exists(printer.outputFileName()));
}

// A4 upright takes this display on 2 pages, across on 3: page 3 can be asked for before the
// orientation is changed in the dialog. The PDF is proposed beside the project.
TEST_F(ExportCommandsTest, ThePrintDialogOffersEveryPageAnyOrientationWouldPrint) {
    OpenDisplayProject();
    QString proposed;
    AnswerModal<QPrintDialog>(
        [&](QPrintDialog* dialog) {
            EXPECT_EQ(std::tuple(dialog->fromPage(), dialog->toPage(), dialog->maxPage()),
                      std::tuple(1, 2, 3));
            proposed = dialog->printer()->outputFileName();
            dialog->reject();
        },
        [&] { Choose(item::kPrintSynthetic); });
    EXPECT_EQ(proposed, QFileInfo(DisplayProjectPath()).absolutePath() + "/f03_4_display.pdf");
}

}  // namespace
}  // namespace tessarin::test
