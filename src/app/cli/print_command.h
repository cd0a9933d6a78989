#pragma once

// The PDF option of `tessarin-cli export`: --pdf FILE [--paper letter|a4] [--landscape] prints
// the display into a PDF file through the same printing code as the window's Print Synthetic.

#include <iosfwd>
#include <set>
#include <string>

#include "cli/args.h"
#include "model/project.h"

namespace tessarin::cli {

// Options that take a value, and the flag.
const std::set<std::string>& PdfValueOptions();
const std::set<std::string>& PdfFlagOptions();

// Whether the arguments ask for a PDF. Throws UsageError for paper options without --pdf or a
// paper size the command does not know.
bool WantsPdf(const Args& args);

// Recomputes the synthetic of an opened project and prints its display into the PDF file asked
// for. Failures are printed to `err` with `prefix`; returns the exit status.
int WritePdf(Project& project, const Args& args, std::ostream& err, const std::string& prefix);

}  // namespace tessarin::cli
