// The window's Printer Setup and Print Synthetic commands, driven through Qt's own dialogs.

#include "ui/print_commands.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QTemporaryDir>

#include "plot/pdf_reader.h"
#include "plot/plot_fixture.h"
#include "ui/modal_dialogs.h"

namespace tessarin {
namespace {

using test::AnswerModal;

class PrintCommands : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        printer_.setOutputFormat(QPrinter::PdfFormat);
        printer_.setOutputFileName(Path());
        printer_.setPageSize(QPageSize(QPageSize::Letter));
    }
    QString Path() const { return dir_.filePath("synthetic.pdf"); }

    QTemporaryDir dir_;
    QPrinter printer_{QPrinter::HighResolution};
    Project project_ = test::MakeKnownWell();
};

TEST_F(PrintCommands, PrinterSetupChoicesAreUsedByPrintAndCancelChangesNothing) {
    AnswerModal<QPageSetupDialog>(
        [](QPageSetupDialog* dialog) {
            dialog->findChild<QRadioButton*>("landscape")->click();
            dialog->reject();
        },
        [&] { EXPECT_FALSE(RunPrinterSetup(printer_, nullptr)); });
    EXPECT_EQ(printer_.pageLayout().orientation(), QPageLayout::Portrait);
    AnswerModal<QPrintDialog>([](QPrintDialog* dialog) { dialog->reject(); },
                              [&] {
                                  EXPECT_EQ(RunPrintSynthetic(printer_, project_, nullptr),
                                            PrintOutcome::kCancelled);
                              });
    EXPECT_FALSE(QFile::exists(Path()));

    AnswerModal<QPageSetupDialog>(
        [](QPageSetupDialog* dialog) {
            auto* landscape = dialog->findChild<QRadioButton*>("landscape");
            ASSERT_NE(landscape, nullptr);
            landscape->click();
            dialog->accept();
        },
        [&] { EXPECT_TRUE(RunPrinterSetup(printer_, nullptr)); });
    EXPECT_EQ(printer_.pageLayout().orientation(), QPageLayout::Landscape);

    int maxPage = 0;
    AnswerModal<QPrintDialog>(
        [&](QPrintDialog* dialog) {
            maxPage = dialog->maxPage();
            dialog->accept();
        },
        [&] { EXPECT_EQ(RunPrintSynthetic(printer_, project_, nullptr), PrintOutcome::kPrinted); });
    ASSERT_TRUE(QFile::exists(Path()));
    EXPECT_EQ(test::PdfPageSize(Path()), QSizeF(792, 612));
    EXPECT_EQ(test::PdfPageCount(Path()), maxPage);
    EXPECT_TRUE(test::Holds(test::PdfPageText(Path(), 1), "Known Well 1"));
}

TEST_F(PrintCommands, ADisplayThatCannotBePrintedIsReportedBeforeTheDialog) {
    project_.syntheticTrace.clear();
    QString message;
    AnswerModal<QMessageBox>(
        [&](QMessageBox* box) {
            message = box->windowTitle() + ": " + box->text();
            box->accept();
        },
        [&] { EXPECT_EQ(RunPrintSynthetic(printer_, project_, nullptr), PrintOutcome::kFailed); });
    EXPECT_EQ(message,
              "Print Synthetic: The synthetic could not be printed.\nThe synthetic has not been "
              "computed for every sample of the log.");
    EXPECT_FALSE(QFile::exists(Path()));
}

// Qt's PDF writer says nothing of a failed write: a device that is always full stands for a full
// disk, and the print is reported as failed instead of printed.
TEST_F(PrintCommands, APdfThatCannotBeWrittenIsReportedWithTheReason) {
    printer_.setOutputFileName("/dev/full");
    QString message;
    test::ModalScript()
        .Then<QPrintDialog>("the print dialog", [](QPrintDialog* dialog) { dialog->accept(); })
        .Then<QMessageBox>("the failure",
                           [&](QMessageBox* box) {
                               message = box->text();
                               box->accept();
                           })
        .Run([&] {
            EXPECT_EQ(RunPrintSynthetic(printer_, project_, nullptr), PrintOutcome::kFailed);
        });
    EXPECT_EQ(message,
              "The synthetic could not be printed.\nThe file \"/dev/full\" could not be written: "
              "it is not a regular file but a device.");
}

}  // namespace
}  // namespace tessarin
