#include "plot/depth_axis.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/numeric.h"
#include "plot/layout.h"
#include "plot/painters.h"
#include "plot/plot_values.h"

namespace tessarin {

double AxisDepth(const Project& project, int plotDepthType, double kb, double datum, int i) {
    const double md = project.timeDepth[static_cast<std::size_t>(i)];
    switch (plotDepthType) {
        case kSeismicDepth:
            return md + datum - kb;
        case kSubseaDepth:
            return kb - md;
        default:
            return md;
    }
}

namespace {

// Whether a multiple of `step` lies from d1 (inclusive) towards d2.
bool Crosses(double d1, double d2, double step, bool decreasing) {
    const double q1 = d1 / step;
    if (q1 == std::floor(q1)) {
        return true;
    }
    const double q2 = d2 / step;
    return decreasing ? std::floor(q1) > std::floor(q2) : std::floor(q1) < std::floor(q2);
}

// Distance from d1 to the next multiple of `step` in the direction of the axis, in tenths of a
// unit. The remainder is taken toward minus infinity so that ticks also fall between their
// samples where the depths are negative.
double TickDistance(double d1, double step, bool decreasing) {
    const double period = RoundHalfEven(10.0 * step);
    double remainder = std::fmod(RoundHalfEven(10.0 * d1), period);
    if (remainder < 0.0) {
        remainder += period;
    }
    if (decreasing) {
        return remainder / 10.0;
    }
    return remainder == 0.0 ? 0.0 : (period - remainder) / 10.0;
}

}  // namespace

std::optional<DepthTick> TickBetween(double d1, double d2, double interval, bool decreasing) {
    if (!Crosses(d1, d2, interval, decreasing)) {
        return std::nullopt;
    }
    DepthTick tick;
    const double distance = TickDistance(d1, interval, decreasing);
    const double span = decreasing ? d1 - d2 : d2 - d1;
    tick.sampleOffset = distance == 0.0 ? 0.0 : std::clamp(distance / span, 0.0, 1.0);
    tick.isLong = Crosses(d1, d2, 5.0 * interval, decreasing);
    const double labelStep = 10.0 * interval;
    if (Crosses(d1, d2, labelStep, decreasing)) {
        const double q = d1 / labelStep;
        tick.label = (decreasing ? std::floor(q) : std::ceil(q)) * labelStep;
    }
    return tick;
}

namespace {

const char* DepthTitle(int plotDepthType) {
    switch (plotDepthType) {
        case kSeismicDepth:
            return "Depth (Seismic)";
        case kSubseaDepth:
            return "Subsea";
        default:
            return "Depth (MD)";
    }
}

}  // namespace

void PaintDepthAxis(const Project& project, PlotState& state, DrawingSurface& surface) {
    const double sc = state.screenCorrection;
    state.plotWidth = 1440.0 * project.leftMarginInches + surface.TextWidth("00000") / sc;
    state.plotX = state.plotWidth * sc;
    const double x = state.plotX;
    surface.SetPenStyle(PenStyle::kSolid);

    const std::string title = DepthTitle(project.plotDepthType);
    const double titleLeft = x - surface.TextWidth("Depth");
    surface.MoveTo(titleLeft, state.Top() - 2.0 * surface.TextHeight("0.2"));
    surface.PrintText(title);
    state.panelTitlesRight = titleLeft + surface.TextWidth(title);

    const double kb = NumberOf(project.kbElevation, "KB elevation");
    const double datum = NumberOf(project.datumElevation, "seismic datum elevation");
    const bool decreasing = project.plotDepthType == kSubseaDepth;
    const double interval = project.depthTickInterval;
    const double halfLabel = surface.TextHeight("0.0") / 2.0;
    const double labelGap = 1.5 * surface.TextWidth("0");

    // Where dense ticks bring labels closer than a text line, a label that would touch the one
    // above it is left out; its tick stays.
    double labelAboveBottom = -std::numeric_limits<double>::infinity();
    surface.MoveTo(x, state.SampleY(state.firstPlotSample));
    if (interval > 0.0) {
        double d2 = AxisDepth(project, project.plotDepthType, kb, datum, state.firstPlotSample);
        for (int i = state.firstPlotSample; i < state.lastPlotSample; ++i) {
            const double d1 = d2;
            d2 = AxisDepth(project, project.plotDepthType, kb, datum, i + 1);
            const auto tick = TickBetween(d1, d2, interval, decreasing);
            if (!tick) {
                continue;
            }
            const double y = state.SampleY(i + tick->sampleOffset);
            surface.LineTo(x, y);
            surface.LineTo(x + (tick->isLong ? 100.0 : 50.0) * sc, y);
            if (tick->label && y - halfLabel > labelAboveBottom) {
                const std::string text = PlainNumber(*tick->label);
                surface.MoveTo(x - surface.TextWidth(text) - labelGap, y - halfLabel);
                surface.PrintText(text);
                labelAboveBottom = y + halfLabel;
            }
            surface.MoveTo(x, y);
        }
    }
    surface.LineTo(x, state.SampleY(state.lastPlotSample));
    state.plotWidth += 1120.0;
}

}  // namespace tessarin
