// The reflection coefficient track and the normal and reverse polarity trace panels.

#include <algorithm>
#include <span>

#include "model/error.h"
#include "plot/layout.h"
#include "plot/painters.h"
#include "plot/plot_values.h"
#include "plot/wiggle.h"

namespace tessarin {

void PrintPanelTitle(const PlotState& state, DrawingSurface& surface, double centreX,
                     const std::string& title) {
    surface.MoveTo(centreX - surface.TextWidth(title) / 2.0,
                   state.Top() - 2.0 * surface.TextHeight("0.2"));
    surface.PrintText(title);
}

void PaintReflectionCoefficients(const Project& project, PlotState& state,
                                 DrawingSurface& surface) {
    if (!(project.maxAbsReflection > 0.0)) {
        throw Error("The reflection coefficients have not been computed.");
    }
    surface.SetPenStyle(PenStyle::kSolid);
    state.plotX = state.plotWidth * state.screenCorrection;
    state.plotXScale = 1440.0 / 2.0 * state.screenCorrection;
    const double x = state.plotX;
    PrintPanelTitle(state, surface, x, "RC");

    // The largest coefficient reaches 0.3 inch from the zero line.
    const double reach = 0.6 * state.plotXScale / project.maxAbsReflection;
    for (int i = state.firstPlotSample; i <= state.lastPlotSample; ++i) {
        const double y = state.SampleY(i);
        surface.Line(x, y, x + reach * project.reflectionCoefficients[i], y);
    }
    surface.Line(x, state.SampleY(state.firstPlotSample), x, state.SampleY(state.lastPlotSample));
    state.plotWidth += 750.0;
}

namespace {

// One polarity panel centred on state.plotX: traces at offsets from `firstOffset` in steps of
// `offsetStep` inches; `polarity` -1 mirrors the traces, so that their negative lobes are filled.
void DrawPanel(const Project& project, const PlotState& state, DrawingSurface& surface,
               double firstOffset, double offsetStep, double polarity) {
    const int first = state.firstPlotSample;
    const std::span<const double> samples(
        project.syntheticTrace.data() + first,
        static_cast<std::size_t>(state.lastPlotSample - first + 1));
    WiggleGeometry wiggle;
    wiggle.xPerUnit = state.plotXScale;
    wiggle.gain = polarity * NumberOf(project.amplitudeScale, "amplitude");
    wiggle.firstY = state.SampleY(first);
    wiggle.yStep = state.screenTwipsPerSample;
    for (int t = 0; t < project.traceCount; ++t) {
        const double offset = firstOffset + t * offsetStep;
        wiggle.zeroX = state.plotX + polarity * offset * state.plotXScale;
        DrawWiggle(surface, samples, wiggle);
    }
}

}  // namespace

void PaintTraces(Project& project, PlotState& state, DrawingSurface& surface) {
    const double sc = state.screenCorrection;
    project.traceSpacingInches = TraceSpacingInches(project);
    const double spacing = project.traceSpacingInches;
    const double halfSpan = (project.traceCount - 1) * spacing / 2.0;
    const double panel = project.traceCount * 1440.0 * spacing;
    surface.SetPenStyle(PenStyle::kSolid);

    state.plotWidth += panel / 2.0;
    const double normalCentre = state.plotWidth;
    state.plotXScale = 1440.0 * sc;
    state.plotX = normalCentre * sc;
    PrintPanelTitle(state, surface, state.plotX, "Normal");
    DrawPanel(project, state, surface, halfSpan, -spacing, 1.0);

    const double reverseCentre = std::max(
        normalCentre + 360.0 + panel,
        normalCentre + (surface.TextWidth("Normal") / 2.0 + surface.TextWidth("Reverse")) / sc);
    state.plotWidth = reverseCentre;
    state.plotX = reverseCentre * sc;
    PrintPanelTitle(state, surface, state.plotX, "Reverse");
    DrawPanel(project, state, surface, -halfSpan, spacing, -1.0);
    state.plotWidth = reverseCentre + panel / 2.0;
}

}  // namespace tessarin
