#include "plot/extent_surface.h"

#include <algorithm>

namespace tessarin {

void ExtentSurface::DrawLine(double x1, double, double x2, double, Rgb) {
    Reach(std::max(x1, x2));
}

void ExtentSurface::DrawBox(double x1, double, double x2, double) {
    Reach(std::max(x1, x2));
}

void ExtentSurface::DrawText(double x, double, const std::string& text) {
    Reach(x + TextWidth(text));
}

void ExtentSurface::Reach(double x) {
    right_ = std::max(right_, x);
}

}  // namespace tessarin
