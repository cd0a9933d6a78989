#include "cli/print_command.h"

#include <CLI/CLI.hpp>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <iostream>

#include "cli/commands.h"
#include "cli/option_checks.h"
#include "cli/render_command.h"
#include "engine/datum.h"
#include "engine/synthetic.h"
#include "model/error.h"
#include "plot/print_display.h"

namespace tessarin::cli {
namespace {

QPageSize::PageSizeId PaperSize(const std::string& paper) {
    return paper == "a4" ? QPageSize::A4 : QPageSize::Letter;
}

}  // namespace

void AddPdfOptions(CLI::App& command, PdfOptions& options) {
    CLI::Option* pdf =
        command
            .add_option("--pdf", options.path,
                        "Print the display into this PDF file through the window's Print "
                        "Synthetic: at the project's time scale, on as many pages as it "
                        "needs, a quarter inch from the paper's edges.")
            ->type_name("FILE");
    command.add_option("--paper", options.paper, "Paper size of the PDF pages.")
        ->type_name("letter|a4")
        ->capture_default_str()
        ->check(OneOfCheck({"letter", "a4"}))
        ->needs(pdf);
    command
        .add_flag("--landscape", options.landscape,
                  "Print the PDF pages in landscape orientation, across the paper; "
                  "otherwise portrait.")
        ->needs(pdf);
}

int WritePdf(Project& project, const PdfOptions& options, std::ostream& err,
             const std::string& prefix) {
    StartQuietGuiApplication();
    if (const auto failure = RecomputeSynthetic(project)) {
        err << prefix << "the synthetic cannot be computed: " << OneLine(*failure) << "\n";
        return kExitFailure;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(*options.path));
    // A quarter inch all round, the edge most office printers cannot print on.
    printer.setPageLayout(
        QPageLayout(QPageSize(PaperSize(options.paper)),
                    options.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                    QMarginsF(18.0, 18.0, 18.0, 18.0), QPageLayout::Point));
    printer.setDocName(QString::fromStdString(project.wellName));
    try {
        // Without a start time the display has no time axis to print.
        ComputeStartTime(project);
        PrintDisplay(printer, project);
    } catch (const Error& e) {
        err << prefix << "the synthetic cannot be printed: " << OneLine(e.what()) << "\n";
        return kExitFailure;
    }
    return kExitOk;
}

}  // namespace tessarin::cli
