// tessarin-cli-display.so: the half of `tessarin-cli export` that draws. It draws the display
// exactly as the program's screen does and prints it through the same code as the window's Print
// Synthetic; the tool loads it only when an export asks for a picture or a PDF.

#include "cli/display_module.h"

#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <iostream>

#include "app/gui_application.h"
#include "cli/commands.h"
#include "engine/datum.h"
#include "engine/synthetic.h"
#include "model/error.h"
#include "plot/bitmap_export.h"
#include "plot/painter_surface.h"
#include "plot/pdf_file.h"
#include "plot/plot_driver.h"
#include "plot/print_display.h"

namespace tessarin::cli {
namespace {

// Qt's notes about the environment (a missing runtime folder and the like) are not for the users
// of the batch tool; only real failures are printed.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::cerr << message.toStdString() << "\n";
    }
}

// The offscreen GUI application that fonts, pictures and printers need, once.
void StartQuietGuiApplication() {
    if (!QGuiApplication::instance()) {
        qInstallMessageHandler(QuietMessages);
        EnsureGuiApplication("tessarin-cli");
    }
}

int DrawPictures(Project& project, const PictureOptions& options, std::ostream& err,
                 const std::string& prefix) {
    StartQuietGuiApplication();
    PlotState state;
    PlotPicture picture;
    if (const auto failure = RecomputeAndDisplay(project, state, picture)) {
        err << prefix << "the synthetic cannot be displayed: " << *failure << "\n";
        return kExitFailure;
    }
    try {
        if (options.bmpPath) {
            SaveBitmap(picture.Image(), *options.bmpPath);
        }
        if (options.pngPath) {
            SavePng(picture.Image(), *options.pngPath);
        }
    } catch (const Error& e) {
        err << prefix << e.what() << "\n";
        return kExitFailure;
    }
    return kExitOk;
}

QPageSize::PageSizeId PaperSize(const std::string& paper) {
    return paper == "a4" ? QPageSize::A4 : QPageSize::Letter;
}

int PrintPdf(Project& project, const PdfOptions& options, std::ostream& err,
             const std::string& prefix) {
    StartQuietGuiApplication();
    if (const auto failure = RecomputeSynthetic(project)) {
        err << prefix << "the synthetic cannot be computed: " << OneLine(*failure) << "\n";
        return kExitFailure;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(*options.path));
    // The edge most office printers cannot print on is left free.
    printer.setPageLayout(QPageLayout(
        QPageSize(PaperSize(options.paper)),
        options.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
        QMarginsF(1.0, 1.0, 1.0, 1.0) * (kPaperMarginTwips / 20.0), QPageLayout::Point));
    printer.setDocName(QString::fromStdString(project.wellName));
    try {
        // Without a start time the display has no time axis to print.
        ComputeStartTime(project);
        const PrintedDocument printed = PrintDisplayToPdfFile(printer, project);
        if (printed.TooWide()) {
            err << prefix << "warning: " << *options.path << ": "
                << OneLine(TooWideWarning(printer, printed, {kLetterPaper, kA4Paper})) << "\n";
        }
    } catch (const Error& e) {
        err << prefix << "the synthetic cannot be printed: " << OneLine(e.what()) << "\n";
        return kExitFailure;
    }
    return kExitOk;
}

constexpr DisplayModule kModule{DrawPictures, PrintPdf};

}  // namespace
}  // namespace tessarin::cli

extern "C" __attribute__((visibility("default"))) const tessarin::cli::DisplayModule*
TessarinCliDisplayModule() {
    return &tessarin::cli::kModule;
}
