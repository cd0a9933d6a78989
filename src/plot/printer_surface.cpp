#include "plot/printer_surface.h"

#include <QPainterPath>
#include <algorithm>
#include <limits>

#include "model/error.h"
#include "plot/paper_fit.h"

namespace tessarin {

namespace {

// A text that only touches the edge of a band (the grid values stand right on the top of the
// panels) does not reach into it.
constexpr double kTouchTolerance = 1.0;

// Pen widths count pixels, as on the screen; on a fine printer (a PDF is 1200 dots per inch) one
// pixel would be a line too faint to read, so a unit of pen width is never finer than this.
constexpr double kFinestPenInches = 1.0 / 300.0;

// Raises the printer's margins to the least that office printers print within: a PDF printed from
// the window keeps the same edge as one from the batch tool, whatever Qt's default margins are.
QPrinter& KeepMinimumMargins(QPrinter& printer) {
    const double least = kPaperMarginTwips / 20.0;  // points
    const QMarginsF margins = printer.pageLayout().margins(QPageLayout::Point);
    const QMarginsF kept(std::max(margins.left(), least), std::max(margins.top(), least),
                         std::max(margins.right(), least), std::max(margins.bottom(), least));
    if (kept != margins) {
        printer.setPageMargins(kept, QPageLayout::Point);
    }
    return printer;
}

}  // namespace

PrinterSurface::PrinterSurface(QPrinter& printer)
    : PainterSurface(1440.0 / KeepMinimumMargins(printer).resolution()), printer_(printer) {
    // The area the painter reaches from its origin: inside the margins, or the whole sheet for a
    // printer set to full page.
    pageWidth_ = printer.width() * TwipsPerPixel();
    pageHeight_ = printer.height() * TwipsPerPixel();
    pixelsPerPenUnit_ = std::max(1.0, kFinestPenInches * printer.resolution());
    SetFont(PlotFont{});
}

PrinterSurface::~PrinterSurface() {
    if (painter_ && painter_->isActive()) {
        painter_->end();
    }
}

void PrinterSurface::Begin() {
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(&printer_)) {
        painter_.reset();
        if (printer_.outputFormat() == QPrinter::PdfFormat) {
            throw Error("The file " + printer_.outputFileName().toStdString() +
                        " could not be written.");
        }
        throw Error("The printer " + printer_.printerName().toStdString() +
                    " could not be started.");
    }
    Attach(painter_.get());
    ApplyClip();
}

void PrinterSurface::Finish() {
    const bool ended = painter_ && painter_->end();
    painter_.reset();
    if (!ended || printer_.printerState() == QPrinter::Error) {
        throw Error("The printer reported an error; the print may be incomplete.");
    }
}

void PrinterSurface::NewSheet() {
    if (painter_ && !printer_.newPage()) {
        throw Error("The printer could not start a new page.");
    }
}

void PrinterSurface::KeepOut(double top, double bottom) {
    keepOuts_.push_back({top, bottom});
    ApplyClip();
}

void PrinterSurface::ClearKeepOuts() {
    keepOuts_.clear();
    ApplyClip();
}

bool PrinterSurface::ReachesKeepOut(double top, double bottom) const {
    for (const Band& band : keepOuts_) {
        if (bottom > band.top + kTouchTolerance && top < band.bottom - kTouchTolerance) {
            return true;
        }
    }
    return false;
}

// Nothing is drawn into the page margins, nor into a band kept out.
void PrinterSurface::ApplyClip() {
    if (!painter_) {
        return;
    }
    QPainterPath allowed;
    allowed.addRect(QRectF(0.0, 0.0, pageWidth_, pageHeight_));
    for (const Band& band : keepOuts_) {
        const double top = std::max(band.top, -1.0);
        const double bottom = std::min(band.bottom, pageHeight_ + 1.0);
        if (bottom > top) {
            QPainterPath cut;
            cut.addRect(QRectF(-1.0, top, pageWidth_ + 2.0, bottom - top));
            allowed = allowed.subtracted(cut);
        }
    }
    painter_->setClipPath(allowed);
}

void PrinterSurface::StartMeasuring() {
    measuredRight_ = -std::numeric_limits<double>::infinity();
}

void PrinterSurface::ShiftX(double dx) {
    if (!painter_) {
        return;
    }
    painter_->resetTransform();
    painter_->scale(1.0 / TwipsPerPixel(), 1.0 / TwipsPerPixel());
    painter_->translate(dx, 0.0);
}

void PrinterSurface::PrintUpwards(double x, double bottomY, const std::string& text) {
    if (!Drawing()) {
        return;
    }
    painter_->save();
    painter_->translate(x, bottomY);
    painter_->rotate(-90.0);
    PainterSurface::DrawText(0.0, 0.0, text);
    painter_->restore();
}

void PrinterSurface::FillPolygon(const std::vector<TwipPoint>& points) {
    for (const TwipPoint& p : points) {
        Reach(p.x);
    }
    if (Drawing()) {
        PainterSurface::FillPolygon(points);
    }
}

QPen PrinterSurface::PrinterPen(Rgb colour) const {
    QPen pen(QColor(colour.red, colour.green, colour.blue));
    pen.setCosmetic(true);
    pen.setWidthF(PenWidth() * pixelsPerPenUnit_);
    pen.setStyle(Style() == PenStyle::kDotted ? Qt::DotLine : Qt::SolidLine);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

void PrinterSurface::PenChanged() {
    if (painter_) {
        painter_->setPen(PrinterPen(Color()));
    }
}

void PrinterSurface::DrawLine(double x1, double y1, double x2, double y2, Rgb colour) {
    Reach(std::max(x1, x2));
    if (!Drawing()) {
        return;
    }
    if (colour != Color()) {
        painter_->setPen(PrinterPen(colour));
    }
    painter_->drawLine(QPointF(x1, y1), QPointF(x2, y2));
    if (colour != Color()) {
        painter_->setPen(PrinterPen(Color()));
    }
}

void PrinterSurface::DrawPolyline(const std::vector<TwipPoint>& points) {
    for (const TwipPoint& p : points) {
        Reach(p.x);
    }
    if (Drawing()) {
        PainterSurface::DrawPolyline(points);
    }
}

void PrinterSurface::DrawBox(double x1, double y1, double x2, double y2) {
    Reach(std::max(x1, x2));
    if (Drawing()) {
        PainterSurface::DrawBox(x1, y1, x2, y2);
    }
}

void PrinterSurface::EraseBox(double x1, double y1, double x2, double y2) {
    if (Drawing()) {
        PainterSurface::EraseBox(x1, y1, x2, y2);
    }
}

void PrinterSurface::DrawPoint(double x, double y) {
    Reach(x);
    if (Drawing()) {
        PainterSurface::DrawPoint(x, y);
    }
}

void PrinterSurface::DrawText(double x, double y, const std::string& text) {
    Reach(x + TextWidth(text));
    if (Drawing() && !ReachesKeepOut(y, y + TextHeight(text))) {
        PainterSurface::DrawText(x, y, text);
    }
}

}  // namespace tessarin
