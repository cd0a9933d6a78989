#pragma once

// Printing the display on paper (or into a PDF file), page by page along the time axis, with the
// same painters as the screen. No dialog is shown here: the window runs its print dialog first,
// and the batch tool and the tests hand over a printer set up for a PDF file.

#include <QPrinter>
#include <string>

#include "model/project.h"
#include "plot/paper_fit.h"

namespace tessarin {

struct PrintOptions {
    std::string dateText;       // "Date plotted" in the header; empty for today
    std::string printedAtText;  // date and time on the join labels; empty for now
};

struct PrintedDocument {
    int panelPages = 0;            // pages of the time panels
    bool tablesOnOwnPage = false;  // the tables and wavelet did not fit below the last panels
    double width = 0.0;            // twips the display reaches across, from the printable left edge
    double printableWidth = 0.0;   // twips the paper prints across
    int Pages() const { return panelPages + (tablesOnOwnPage ? 1 : 0); }
    // The display would be cut at the right edge of the paper.
    bool TooWide() const { return width > printableWidth + 1.0; }
};

// Prints the display of a recomputed project (synthetic and start time), with the printer's paper,
// orientation, margins, copies and page range. The header is on page 1; each page shows the
// time panels from its first to its last sample, and consecutive pages share about half an inch
// of time between their join marks; the horizon table and the wavelet follow the last page, on a
// page of their own when they do not fit below it. Every page ends with the well name, "Page k
// of n" and the date; a PDF is titled with the well name and made by "Tessarin VERSION". A seismic
// tie is measured here once, as the recompute measures it for the screen. The project is not
// changed. Throws Error with the reason when the display cannot be printed.
PrintedDocument PrintDisplay(QPrinter& printer, const Project& project,
                             const PrintOptions& options = {});

// The pages PrintDisplay would print on this printer's paper, without printing (to offer a page
// range in the print dialog). Throws Error as PrintDisplay does.
PrintedDocument PlanPrint(QPrinter& printer, const Project& project);

// The most pages the display takes on the printer's paper or any of `offered`, upright or across:
// the print dialog offers pages up to it, since paper and orientation may be changed there after
// the range is set. The printer is left as it was.
int MostPages(QPrinter& printer, const Project& project, const std::vector<Paper>& offered);

// What the user is told when `document` is too wide for the printer's paper: the paper that would
// fit, the printer's own paper size tried first, then `offered`.
std::string TooWideWarning(const QPrinter& printer, const PrintedDocument& document,
                           std::vector<Paper> offered);

}  // namespace tessarin
