// The commands that take a computed synthetic out of the program: the text export, the SEG-Y
// export and printing. A file that could not be written is always said so, since the user would
// otherwise look for it; a cancelled dialog ends the command quietly.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>

#include "files/segy_export.h"
#include "files/text_export.h"
#include "model/error.h"
#include "model/numeric.h"
#include "plot/bitmap_export.h"
#include "plot/paper_fit.h"
#include "ui/file_dialogs.h"
#include "ui/main_window.h"
#include "ui/print_commands.h"
#include "ui/wait_cursor.h"

namespace tessarin {
namespace {

const char* const kTextFilter = "Project Files (*.dat)|*.dat|All Files (*.*)|*.*";
const char* const kSegyFilter = "SGY Files (*.sgy)|*.sgy|All Files (*.*)|*.*";

std::string FilePath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

QPrinter& MainWindow::Printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        // Printer Setup starts from the quarter inch every print keeps at least.
        const double margin = kPaperMarginTwips / 20.0;
        printer_->setPageMargins(QMarginsF(margin, margin, margin, margin), QPageLayout::Point);
    }
    return *printer_;
}

void MainWindow::PrinterSetup() {
    RunPrinterSetup(Printer(), this);
}

void MainWindow::PrintSynthetic() {
    if (!progress_.synthesisShown) {
        return;
    }
    // A print into a PDF file is proposed beside the project, under its name, as Save Bitmap
    // proposes the bitmap; a print on paper is left going to its printer.
    const QString proposed = Q(ProposedPdfName(project_.projectFileName));
    const bool pdfOnly = QPrinterInfo::availablePrinterNames().isEmpty();
    if (!proposed.contains(QLatin1Char('*')) &&
        (pdfOnly || Printer().outputFormat() == QPrinter::PdfFormat)) {
        Printer().setOutputFileName(proposed);
    }
    RunPrintSynthetic(Printer(), project_, this);
}

void MainWindow::ExportData() {
    if (!progress_.synthesisShown) {
        return;
    }
    const QString path = AskSaveFileName(
        this, {QStringLiteral("text export"), QStringLiteral("Save Synthetic Data as Text"),
               Q(ProposedTextExportName(project_)), QString::fromUtf8(kTextFilter), 1,
               QStringLiteral("dat")});
    if (path.isEmpty()) {
        return;
    }
    try {
        const WaitCursor wait;
        ExportTextFile(project_, FilePath(path));
    } catch (const Error& failure) {
        QMessageBox::warning(this, QStringLiteral("Export Data"), Q(failure.what()));
    }
}

void MainWindow::ExportSegy() {
    if (!progress_.synthesisShown) {
        return;
    }
    const QString title = QStringLiteral("Export SGY");
    try {
        // A synthetic that cannot go into a SEG-Y trace is told before anything is asked.
        PlanSegyTrace(project_);
    } catch (const Error& failure) {
        QMessageBox::warning(this, title, Q(failure.what()));
        return;
    }
    const auto answer = AskText(QStringLiteral("Number of SGY traces"),
                                QStringLiteral("Enter the number of SGY traces to write"), {});
    if (!answer) {
        return;
    }
    int traceCount = 0;
    try {
        traceCount = TextToInt16(answer->toStdString());
    } catch (const Error&) {
        QApplication::beep();
        return;
    }
    QString chosenFolder;
    for (const Polarity polarity : {Polarity::kNormal, Polarity::kReverse}) {
        // The reverse file is proposed beside the normal one, wherever the user put that.
        QString proposed = Q(ProposedSegyName(project_, polarity));
        if (!chosenFolder.isEmpty()) {
            proposed = QDir(chosenFolder).filePath(QFileInfo(proposed).fileName());
        }
        const QString path = AskSaveFileName(
            this,
            {QStringLiteral("segy"), QStringLiteral("Save Synthetic Data as SGY File (IBM 32-bit)"),
             proposed, QString::fromUtf8(kSegyFilter), 1, QStringLiteral("sgy")});
        if (path.isEmpty()) {
            return;
        }
        chosenFolder = QFileInfo(path).absolutePath();
        try {
            const WaitCursor wait;
            ExportSegyFile(project_, polarity, traceCount, FilePath(path));
        } catch (const Error& failure) {
            QMessageBox::warning(this, title, Q(failure.what()));
            return;
        }
    }
}

}  // namespace tessarin
