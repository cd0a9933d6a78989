// The window's Print Synthetic into a PDF file on a full disk: the old file stays whole and the
// message gives the system's reason.

#include <gtest/gtest.h>

#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

#include "files/export_fixture.h"
#include "files/full_disk.h"
#include "plot/plot_fixture.h"
#include "ui/modal_dialogs.h"
#include "ui/print_commands.h"

namespace tessarin {
namespace {

TEST(PrintCommandsFullDisk, APdfThatCannotBeWrittenKeepsTheOldFileAndSaysWhy) {
    const test::FullDisk disk;
    if (!disk.Mounted())
        GTEST_SKIP() << disk.Reason();
    const std::string path = disk.File("synthetic.pdf").string();
    test::WriteWholeFile(path, "old");
    disk.Fill();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(path));
    QString message;
    test::ModalScript()
        .Then<QPrintDialog>("print", [](QPrintDialog* dialog) { dialog->accept(); })
        .Then<QMessageBox>("failure",
                           [&](QMessageBox* box) {
                               message = box->text();
                               box->accept();
                           })
        .Run([&] {
            EXPECT_EQ(RunPrintSynthetic(printer, test::MakeKnownWell(), nullptr),
                      PrintOutcome::kFailed);
        });
    EXPECT_EQ(message.toStdString(), "The synthetic could not be printed.\nThe file \"" + path +
                                         "\" could not be written: No space left on device.");
    EXPECT_EQ(test::ReadWholeFile(path), "old");
}

}  // namespace
}  // namespace tessarin
