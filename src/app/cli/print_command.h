#pragma once

// The PDF option of `tessarin-cli export`: --pdf FILE [--paper letter|a4] [--landscape] prints
// the display into a PDF file through the same printing code as the window's Print Synthetic.

#include <iosfwd>
#include <optional>
#include <string>

#include "model/project.h"

namespace CLI {
class App;
}

namespace tessarin::cli {

struct PdfOptions {
    std::optional<std::string> path;
    std::string paper = "letter";
    bool landscape = false;
};

// Adds --pdf, --paper and --landscape, with their help, to `command`.
void AddPdfOptions(CLI::App& command, PdfOptions& options);

// Recomputes the synthetic of an opened project and prints its display into the PDF file asked
// for. Failures are printed to `err` with `prefix`; returns the exit status. Loads the display
// module (display_module.h) on first use.
int WritePdf(Project& project, const PdfOptions& options, std::ostream& err,
             const std::string& prefix);

}  // namespace tessarin::cli
