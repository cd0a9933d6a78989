// The reflection coefficient track and the normal and reverse polarity trace panels.

#include <algorithm>
#include <span>

#include "model/error.h"
#include "plot/layout.h"
#include "plot/painters.h"
#include "plot/plot_values.h"
#include "plot/wiggle.h"

namespace tessarin {

void PrintPanelTitle(PlotState& state, DrawingSurface& surface, double centreX,
                     const std::string& title) {
    // Centred on its panel, but never into the title before it (panels closed up by a small
    // screen factor): then it starts a blank after that one.
    const double width = surface.TextWidth(title);
    const double left =
        std::max(centreX - width / 2.0, state.panelTitlesRight + surface.TextWidth(" "));
    surface.MoveTo(left, state.Top() - 2.0 * surface.TextHeight("0.2"));
    surface.PrintText(title);
    state.panelTitlesRight = left + width;
}

PanelEdges PanelEdgesAt(const PlotState& state, double width) {
    const double half = width / 2.0 * state.screenCorrection;
    return {state.plotX - half, state.plotX + half};
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

void PaintTraces(const Project& project, PlotState& state, DrawingSurface& surface) {
    const double sc = state.screenCorrection;
    const double spacing = TraceSpacingInches(project);
    const double halfSpan = (project.traceCount - 1) * spacing / 2.0;
    const TracePanels panels = PlaceTracePanels(project, surface, state.plotWidth, sc);
    surface.SetPenStyle(PenStyle::kSolid);

    state.plotWidth = panels.normalCentre;
    state.plotXScale = 1440.0 * sc;
    state.plotX = panels.normalCentre * sc;
    PrintPanelTitle(state, surface, state.plotX, "Normal");
    DrawPanel(project, state, surface, halfSpan, -spacing, 1.0);
    state.normalPanel = PanelEdgesAt(state, panels.panelWidth);

    state.plotWidth = panels.reverseCentre;
    state.plotX = panels.reverseCentre * sc;
    PrintPanelTitle(state, surface, state.plotX, "Reverse");
    DrawPanel(project, state, surface, -halfSpan, spacing, -1.0);
    state.reversePanel = PanelEdgesAt(state, panels.panelWidth);
    // Past the "Reverse" title too, which is wider than a panel of few or no traces.
    state.plotWidth = panels.end;
}

}  // namespace tessarin
