#pragma once

// Reading back a printed PDF with poppler's tools (pdfinfo, pdftotext, pdftoppm), as a user's
// viewer would show it.

#include <QImage>
#include <QSizeF>
#include <QString>
#include <string>

namespace tessarin::test {

int PdfPageCount(const QString& path);
// A field of the document's information as pdfinfo shows it ("Title", "Creator").
QString InfoField(const QString& path, const QString& field);
// The size of page 1 in points.
QSizeF PdfPageSize(const QString& path);
// The text of one page (1-based), each run of blanks and line ends made one blank.
std::string PdfPageText(const QString& path, int page);
// One page as a grey picture at `dotsPerInch`.
QImage PdfPageImage(const QString& path, int page, int dotsPerInch);

// Whether `text` holds `part`.
inline bool Holds(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

}  // namespace tessarin::test
