#include "plot/surface.h"

namespace tessarin {

void DrawingSurface::Clear() {
    EraseAll();
    MoveTo(0.0, 0.0);
}

void DrawingSurface::Line(double x1, double y1, double x2, double y2) {
    Line(x1, y1, x2, y2, colour_);
}

void DrawingSurface::Line(double x1, double y1, double x2, double y2, Rgb colour) {
    DrawLine(x1, y1, x2, y2, colour);
    MoveTo(x2, y2);
}

void DrawingSurface::LineTo(double x, double y) {
    Line(currentX_, currentY_, x, y, colour_);
}

void DrawingSurface::LineTo(double x, double y, Rgb colour) {
    Line(currentX_, currentY_, x, y, colour);
}

void DrawingSurface::Polyline(const std::vector<TwipPoint>& points) {
    if (points.empty()) {
        return;
    }
    DrawPolyline(points);
    MoveTo(points.back().x, points.back().y);
}

void DrawingSurface::Box(double x1, double y1, double x2, double y2) {
    DrawBox(x1, y1, x2, y2);
    MoveTo(x2, y2);
}

void DrawingSurface::Point(double x, double y) {
    DrawPoint(x, y);
    MoveTo(x, y);
}

void DrawingSurface::PrintLine(const std::string& text) {
    DrawText(currentX_, currentY_, text);
    MoveTo(0.0, currentY_ + TextHeight(text));
}

void DrawingSurface::PrintText(const std::string& text) {
    DrawText(currentX_, currentY_, text);
    MoveTo(currentX_ + TextWidth(text), currentY_);
}

void DrawingSurface::SetPenWidth(int pixels) {
    penWidth_ = pixels < 1 ? 1 : pixels;
    PenChanged();
}

void DrawingSurface::SetPenStyle(PenStyle style) {
    penStyle_ = style;
    PenChanged();
}

void DrawingSurface::SetColor(Rgb colour) {
    colour_ = colour;
    PenChanged();
}

void DrawingSurface::SetFont(const PlotFont& font) {
    font_ = font;
    FontChanged();
}

void DrawingSurface::SetFontSize(double points) {
    font_.points = points;
    FontChanged();
}

void DrawingSurface::SetBold(bool bold) {
    font_.bold = bold;
    FontChanged();
}

void DrawingSurface::SetItalic(bool italic) {
    font_.italic = italic;
    FontChanged();
}

}  // namespace tessarin
