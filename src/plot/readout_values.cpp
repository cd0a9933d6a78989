#include "plot/readout_values.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "engine/trace_value.h"
#include "model/error.h"
#include "model/numeric.h"

namespace tessarin {
namespace {

// The depth of the log sample at two-way time t, in the plot depth type the user chose.
void FillDepth(const Project& project, double t, ReadoutText& out) {
    out.depthCaption = project.plotDepthType == kSubseaDepth ? kSubseaCaption : kDepthCaption;
    out.depth = kOutsideLog;
    const double k = RoundHalfEven((t - project.firstSampleTime) * 500000.0 /
                                   static_cast<double>(project.sampleIntervalUs));
    if (!(k >= 0 && k <= project.lastSampleIndex) ||
        static_cast<std::size_t>(k) >= project.timeDepth.size()) {
        return;
    }
    const double md = project.timeDepth[static_cast<std::size_t>(k)];
    try {
        double depth = md;
        if (project.plotDepthType == kSeismicDepth) {
            depth = md + project.datumElevation.Number() - project.kbElevation.Number();
        } else if (project.plotDepthType == kSubseaDepth) {
            depth = project.kbElevation.Number() - md;
        }
        out.depth = FormatPattern(depth, "####0");
    } catch (const Error&) {
        // An elevation typed as text that is no number: no depth can be given.
    }
}

// Linear interpolation across a grid from its left edge (minimum) to its right edge (maximum).
double GridValue(double x, double left, double right, double min, double max) {
    return min + (x - left) * (max - min) / (right - left);
}

// Whether the pointer's pixel, `half` twips either side of v, touches [low, high]; v is then
// moved onto the nearest edge when it lies outside.
bool Touches(double& v, double low, double high, double half) {
    if (!(high > low) || v < low - half || v > high + half) {
        return false;
    }
    v = std::clamp(v, low, high);
    return true;
}

// The seismic trace's own value at the pointer's time, as loaded (not scaled for drawing), to
// four significant digits: seismic amplitudes come in any unit and size.
std::string SeismicValue(const Project& project, double t) {
    const std::optional<double> value = TraceValueAt(project.tie->trace, t);
    if (!value) {
        return kOutsideLog;
    }
    char rounded[32];
    std::snprintf(rounded, sizeof rounded, "%.4g", *value);
    return PlainNumber(std::strtod(rounded, nullptr));
}

void FillLogValue(const Project& project, const ReadoutPositions& p, double x, double t,
                  double half, ReadoutText& out) {
    double onGrid = x;
    if (Touches(onGrid, p.velocityGridLeftX, p.velocityGridRightX, half)) {
        x = onGrid;
        out.logCaption = kVelocityCaption;
        out.logValue = FormatPattern(GridValue(x, p.velocityGridLeftX, p.velocityGridRightX,
                                               p.velocityGridMin, p.velocityGridMax),
                                     "####0");
    } else if (p.densityGridDrawn &&
               Touches(onGrid, p.densityGridLeftX, p.densityGridRightX, half)) {
        x = onGrid;
        out.logCaption = kDensityCaption;
        out.logValue = FormatPattern(GridValue(x, p.densityGridLeftX, p.densityGridRightX,
                                               p.densityGridMin, p.densityGridMax),
                                     "#.#0");
    } else if (p.seismicPanelDrawn && project.tie && x >= p.seismicPanelLeftX &&
               x <= p.seismicPanelRightX) {
        out.logCaption = kSeismicCaption;
        out.logValue = SeismicValue(project, t);
    }
}

}  // namespace

ReadoutText ReadoutAt(const Project& project, const ReadoutPositions& p, double x, double y,
                      double pixelTwips) {
    ReadoutText out;
    const double half = pixelTwips / 2;
    if (!p.valid || !Touches(y, p.plotOriginY, p.lastTimingLineY, half)) {
        return out;
    }
    out.inTimeRange = true;
    const double t = p.firstLabelTime + (y - p.plotOriginY) *
                                            (p.lastTimingLineTime - p.firstLabelTime) /
                                            (p.lastTimingLineY - p.plotOriginY);
    out.time = FormatPattern(t, "0.##0");
    FillDepth(project, t, out);
    FillLogValue(project, p, x, t, half, out);
    return out;
}

}  // namespace tessarin
