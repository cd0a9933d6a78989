#pragma once

// Printing the display into a PDF file without ever leaving a broken one. Qt's PDF writer does
// not report a failed write (a full disk gave a cut-off PDF under the final name and a success),
// so the PDF is printed into memory, checked whole, and written through the same
// write-to-a-temporary-file-and-rename path as every other file the program saves.

#include <QPrinter>
#include <string>

#include "model/project.h"
#include "plot/print_display.h"

namespace tessarin {

// True when the printer writes a PDF file rather than printing on paper.
bool PrintsToPdfFile(const QPrinter& printer);

// PrintDisplay into the PDF file the printer is set to write (its output file name). The file is
// replaced only by a whole PDF; otherwise it stays as it was and Error says why, with the
// system's reason ("No space left on device").
PrintedDocument PrintDisplayToPdfFile(QPrinter& printer, const Project& project,
                                      const PrintOptions& options = {});

// True when `bytes` look like a whole PDF document: a header and the end-of-file mark.
bool IsWholePdf(std::string_view bytes);

}  // namespace tessarin
