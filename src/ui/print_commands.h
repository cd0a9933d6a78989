#pragma once

// The window's two printing commands, Printer Setup and Print Synthetic. Both work on the
// window's current printer, which it keeps between commands, so that the paper, orientation and
// margins chosen in Printer Setup are those Print Synthetic starts from.

class QPrinter;
class QWidget;

namespace tessarin {

struct Project;

// Printer Setup: the platform's page setup dialog for `printer` (paper size, orientation,
// margins). OK keeps the choices in the printer; Cancel leaves it as it was. Returns whether the
// user confirmed.
bool RunPrinterSetup(QPrinter& printer, QWidget* parent);

enum class PrintOutcome { kPrinted, kCancelled, kFailed };

// Print Synthetic: the platform's print dialog, started from `printer` (printer, copies, page
// range, paper, and printing into a PDF file); OK keeps the choices in the printer and prints the
// display of `project`, whose synthetic must have been computed, with the wait cursor showing.
// A display wider than the chosen paper is printed only when the user says so, told which paper
// would hold it. Cancel prints nothing. A print that fails is reported in a message box.
PrintOutcome RunPrintSynthetic(QPrinter& printer, const Project& project, QWidget* parent);

}  // namespace tessarin
