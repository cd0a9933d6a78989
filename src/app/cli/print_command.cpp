#include "cli/print_command.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <iostream>

#include "cli/commands.h"
#include "cli/render_command.h"
#include "engine/synthetic.h"
#include "model/error.h"
#include "plot/print_display.h"

namespace tessarin::cli {

const std::set<std::string>& PdfValueOptions() {
    static const std::set<std::string> options = {"--pdf", "--paper"};
    return options;
}

const std::set<std::string>& PdfFlagOptions() {
    static const std::set<std::string> options = {"--landscape"};
    return options;
}

namespace {

QPageSize::PageSizeId PaperSize(const Args& args) {
    const std::string paper = args.Value("--paper").value_or("letter");
    if (paper == "letter") {
        return QPageSize::Letter;
    }
    if (paper == "a4") {
        return QPageSize::A4;
    }
    throw UsageError{"--paper must be letter or a4, not \"" + paper + "\""};
}

}  // namespace

bool WantsPdf(const Args& args) {
    const bool pdf = args.Has("--pdf");
    if (!pdf && (args.Has("--paper") || args.Has("--landscape"))) {
        throw UsageError{"--paper and --landscape go with --pdf FILE"};
    }
    if (pdf) {
        PaperSize(args);
    }
    return pdf;
}

int WritePdf(Project& project, const Args& args, std::ostream& err, const std::string& prefix) {
    StartQuietGuiApplication();
    if (const auto failure = RecomputeSynthetic(project)) {
        err << prefix << "the synthetic cannot be computed: " << OneLine(*failure) << "\n";
        return kExitFailure;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(*args.Value("--pdf")));
    // A quarter inch all round, the edge most office printers cannot print on.
    printer.setPageLayout(
        QPageLayout(QPageSize(PaperSize(args)),
                    args.Has("--landscape") ? QPageLayout::Landscape : QPageLayout::Portrait,
                    QMarginsF(18.0, 18.0, 18.0, 18.0), QPageLayout::Point));
    printer.setDocName(QString::fromStdString(project.wellName));
    try {
        PrintDisplay(printer, project);
    } catch (const Error& e) {
        err << prefix << "the synthetic cannot be printed: " << OneLine(e.what()) << "\n";
        return kExitFailure;
    }
    return kExitOk;
}

}  // namespace tessarin::cli
