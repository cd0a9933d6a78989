#pragma once

// The drawing surface over a printer page (a PDF file is a printer too). The same painters draw on
// it as on the screen picture; what differs is kept here: coordinates are the page's twips from
// the top left corner of its printable area, pixels are the printer's own (for the trace fills),
// and the panels can be kept off parts of the page so that nothing is drawn across a join between
// two pages.

#include <QPrinter>
#include <algorithm>
#include <memory>
#include <vector>

#include "plot/painter_surface.h"

namespace tessarin {

class PrinterSurface : public PainterSurface {
public:
    // Text is measured for the printer, but nothing is printed until Begin(). Margins narrower
    // than a quarter inch are widened to it.
    explicit PrinterSurface(QPrinter& printer);
    ~PrinterSurface() override;

    // Opens the printer (for a PDF, creates the file). Throws Error when it cannot be opened.
    void Begin();
    // Ends the document. Throws Error when the printer reports a failure.
    void Finish();

    // The printable area of a page, in twips.
    double PageWidth() const { return pageWidth_; }
    double PageHeight() const { return pageHeight_; }

    // Moves on to the next sheet of paper; the first sheet needs no call.
    void NewSheet();
    // While hidden, nothing is drawn (a page outside the chosen page range); positions and text
    // measures go on as usual.
    void SetHidden(bool hidden) { hidden_ = hidden; }

    // Keeps what is drawn next out of the band of y from `top` to `bottom` (twips, across the
    // whole page). Lines and fills are cut at its edges; a text that would reach into it is left
    // out whole, so that no text is printed cut in half.
    void KeepOut(double top, double bottom);
    void ClearKeepOuts();

    // The rightmost x reached by what was drawn (or would have been, while hidden) since the
    // last call of StartMeasuring.
    void StartMeasuring();
    double MeasuredRight() const { return measuredRight_; }

    // Moves everything drawn next `dx` twips to the right (left when negative).
    void ShiftX(double dx);

    // Prints `text` turned a quarter turn to read upwards, its baseline side facing right: it runs
    // from (x, bottomY) up, and its height spans x to x + TextHeight.
    void PrintUpwards(double x, double bottomY, const std::string& text);

    void FillPolygon(const std::vector<TwipPoint>& points) override;

protected:
    void PenChanged() override;
    void DrawLine(double x1, double y1, double x2, double y2, Rgb colour) override;
    void DrawPolyline(const std::vector<TwipPoint>& points) override;
    void DrawBox(double x1, double y1, double x2, double y2) override;
    void EraseBox(double x1, double y1, double x2, double y2) override;
    void DrawPoint(double x, double y) override;
    void DrawText(double x, double y, const std::string& text) override;

private:
    struct Band {
        double top;
        double bottom;
    };
    bool Drawing() const { return painter_ && !hidden_; }
    QPen PrinterPen(Rgb colour) const;
    bool ReachesKeepOut(double top, double bottom) const;
    void Reach(double x) { measuredRight_ = std::max(measuredRight_, x); }
    void ApplyClip();

    QPrinter& printer_;
    std::unique_ptr<QPainter> painter_;
    double pageWidth_ = 0.0;
    double pageHeight_ = 0.0;
    double pixelsPerPenUnit_ = 1.0;
    bool hidden_ = false;
    std::vector<Band> keepOuts_;
    double measuredRight_ = 0.0;
};

}  // namespace tessarin
