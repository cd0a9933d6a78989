#include "plot/wiggle.h"

#include <vector>

namespace tessarin {

namespace {

class Wiggle {
public:
    Wiggle(std::span<const double> values, const WiggleGeometry& g) : values_(values), g_(g) {}

    std::size_t Size() const { return values_.size(); }
    double Deflection(std::size_t k) const { return g_.gain * values_[k]; }
    double X(std::size_t k) const { return g_.zeroX + Deflection(k) * g_.xPerUnit; }
    double Y(double k) const { return g_.firstY + k * g_.yStep; }
    TwipPoint At(std::size_t k) const { return {X(k), Y(static_cast<double>(k))}; }
    TwipPoint OnZeroLine(double k) const { return {g_.zeroX, Y(k)}; }

    // Where the wiggle crosses zero between samples k and k + 1 (of opposite sides, or one 0).
    double Crossing(std::size_t k) const {
        const double a = Deflection(k);
        const double b = Deflection(k + 1);
        return static_cast<double>(k) + a / (a - b);
    }

private:
    std::span<const double> values_;
    WiggleGeometry g_;
};

void FillLobes(DrawingSurface& surface, const Wiggle& wiggle) {
    std::vector<TwipPoint> lobe;
    const std::size_t last = wiggle.Size() - 1;
    for (std::size_t k = 0; k <= last; ++k) {
        if (!(wiggle.Deflection(k) > 0.0)) {
            continue;
        }
        if (lobe.empty()) {
            lobe.push_back(k == 0 ? wiggle.OnZeroLine(0.0)
                                  : wiggle.OnZeroLine(wiggle.Crossing(k - 1)));
        }
        lobe.push_back(wiggle.At(k));
        if (k == last) {
            lobe.push_back(wiggle.OnZeroLine(static_cast<double>(k)));
        } else if (!(wiggle.Deflection(k + 1) > 0.0)) {
            lobe.push_back(wiggle.OnZeroLine(wiggle.Crossing(k)));
        } else {
            continue;
        }
        surface.FillPolygon(lobe);
        lobe.clear();
    }
}

}  // namespace

void DrawWiggle(DrawingSurface& surface, std::span<const double> values,
                const WiggleGeometry& geometry) {
    if (values.empty()) {
        return;
    }
    const Wiggle wiggle(values, geometry);
    // From the zero line out to the first sample, then through every sample: one curve.
    std::vector<TwipPoint> line;
    line.reserve(values.size() + 1);
    line.push_back(wiggle.OnZeroLine(0.0));
    for (std::size_t k = 0; k < values.size(); ++k) {
        line.push_back(wiggle.At(k));
    }
    surface.Polyline(line);
    FillLobes(surface, wiggle);
}

}  // namespace tessarin
