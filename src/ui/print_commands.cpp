#include "ui/print_commands.h"

#include <QApplication>
#include <QMessageBox>
#include <QPageRanges>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

#include "model/error.h"
#include "model/project.h"
#include "plot/pdf_file.h"
#include "plot/print_display.h"
#include "ui/wait_cursor.h"

namespace tessarin {

namespace {

constexpr const char* kPrintTitle = "Print Synthetic";

// The paper sizes a display too wide for the chosen one is measured against.
const std::vector<Paper> kOfferedPapers{kLetterPaper, kA4Paper, kLegalPaper, kTabloidPaper,
                                        kA3Paper};

}  // namespace

bool RunPrinterSetup(QPrinter& printer, QWidget* parent) {
    QPageSetupDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

namespace {

PrintOutcome ReportFailure(QWidget* parent, const Error& failure) {
    QMessageBox::warning(parent, kPrintTitle,
                         QString("The synthetic could not be printed.\n%1").arg(failure.what()));
    return PrintOutcome::kFailed;
}

// A display wider than the paper chosen in the print dialog would lose its right part: the user
// is told which paper would hold it and may still print it cut.
bool PrintCutDisplay(QPrinter& printer, const Project& project, QWidget* parent) {
    const PrintedDocument plan = PlanPrint(printer, project);
    if (!plan.TooWide()) {
        return true;
    }
    const std::string warning = TooWideWarning(printer, plan, kOfferedPapers);
    return QMessageBox::question(
               parent, kPrintTitle, QString::fromStdString(warning) + "\n\nPrint it anyway?",
               QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace

PrintOutcome RunPrintSynthetic(QPrinter& printer, const Project& project, QWidget* parent) {
    // A display that cannot be printed is reported before the user chooses anything.
    int pages = 0;
    int most = 0;
    try {
        pages = PlanPrint(printer, project).Pages();
        most = MostPages(printer, project, kOfferedPapers);
    } catch (const Error& failure) {
        return ReportFailure(parent, failure);
    }
    // Every print starts from all pages; a range chosen for the last one no longer applies. The
    // range offered reaches as far as other paper or the other orientation could take the
    // display, and the pages are counted again, for the paper chosen, once the dialog closes.
    printer.setPrintRange(QPrinter::AllPages);
    printer.setPageRanges(QPageRanges());
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setMinMax(1, most);
    printer.setFromTo(1, pages);
    if (dialog.exec() != QDialog::Accepted) {
        return PrintOutcome::kCancelled;
    }
    try {
        if (!PrintCutDisplay(printer, project, parent)) {
            return PrintOutcome::kCancelled;
        }
        const WaitCursor wait;
        if (PrintsToPdfFile(printer)) {
            PrintDisplayToPdfFile(printer, project);
        } else {
            PrintDisplay(printer, project);
        }
    } catch (const Error& failure) {
        return ReportFailure(parent, failure);
    }
    return PrintOutcome::kPrinted;
}

}  // namespace tessarin
