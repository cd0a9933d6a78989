#include "cli/print_command.h"

#include <CLI/CLI.hpp>

#include "cli/option_checks.h"

namespace tessarin::cli {

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

}  // namespace tessarin::cli
