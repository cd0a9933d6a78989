#pragma once

// A surface that draws nothing and finds how far to the right a drawing reaches. The display is
// painted on it before the picture is sized, so that the picture holds what is drawn: panels
// spread by a screen factor above 1, a long well name, wide tables.
//
// Text and straight lines (titles, names, tables, grids, timing lines, markers) count. Curves
// (polylines and filled polygons: the traces, the log curves, the wavelet) do not: a trace's
// swing is not limited and may run past its panel at a large amplitude, and the picture does not
// grow after it.

#include "plot/surface.h"

namespace tessarin {

class ExtentSurface : public DrawingSurface {
public:
    // Text is measured with the metrics of `metrics`, which takes this surface's font changes.
    explicit ExtentSurface(DrawingSurface& metrics) : metrics_(metrics) {}

    // The largest x of anything drawn so far (the right end of text), 0 before anything.
    double Right() const { return right_; }

    double TextWidth(const std::string& text) const override { return metrics_.TextWidth(text); }
    double TextHeight(const std::string& text) const override { return metrics_.TextHeight(text); }
    void FillPolygon(const std::vector<TwipPoint>&) override {}
    double TwipsPerPixel() const override { return metrics_.TwipsPerPixel(); }

protected:
    void EraseAll() override { right_ = 0.0; }
    void DrawLine(double x1, double, double x2, double, Rgb) override;
    void DrawPolyline(const std::vector<TwipPoint>&) override {}
    void DrawBox(double x1, double, double x2, double) override;
    void EraseBox(double, double, double, double) override {}
    void DrawPoint(double x, double) override { Reach(x); }
    void DrawText(double x, double, const std::string& text) override;
    void PenChanged() override {}
    void FontChanged() override { metrics_.SetFont(Font()); }

private:
    void Reach(double x);

    DrawingSurface& metrics_;
    double right_ = 0.0;
};

}  // namespace tessarin
