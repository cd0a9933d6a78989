#include "plot/seismic_trace_panel.h"

#include <algorithm>
#include <cmath>
#include <span>

#include "model/error.h"
#include "plot/layout.h"
#include "plot/painters.h"
#include "plot/wiggle.h"

namespace tessarin {
namespace {

// The gap between the reverse and the seismic panel, as between the normal and reverse panels.
constexpr double kPanelGap = 360.0;

// The window marks: dark red, two pixels wide, so that they read on screen and on paper (grey on
// a black-and-white printer) apart from the black traces and the blue horizons. Each is a tick
// out from the panel's edge and a short leg into the window, in the gap beside the panel, never
// over its traces.
constexpr Rgb kTieWindowColour{192, 0, 0};
constexpr int kTieWindowPenWidth = 2;
constexpr double kTieTickLength = 120.0;
constexpr double kTieLegLength = 140.0;

// The two-way seconds between synthetic samples.
double SyntheticInterval(const Project& project) {
    return 2.0 * project.sampleIntervalUs / 1000000.0;
}

// The synthetic's sample position (fractional) of two-way time t.
double SampleAt(const Project& project, double t) {
    return (t - project.firstSampleTime) / SyntheticInterval(project);
}

// The seismic samples within the drawn time range, from the first drawn synthetic sample to the
// last (on paper, the page's): the seismic never reaches into the header, the tables or across a
// page's join.
std::span<const double> DrawnSamples(const Project& project, const PlotState& state,
                                     std::size_t& first) {
    const SampledTrace& trace = project.tie->trace;
    if (trace.values.empty() || !(trace.interval > 0.0)) {
        return {};
    }
    const double dt = SyntheticInterval(project);
    const double from = project.firstSampleTime + state.firstPlotSample * dt;
    const double to = project.firstSampleTime + state.lastPlotSample * dt;
    constexpr double kOnSample = 1e-6;
    const double last = static_cast<double>(trace.values.size() - 1);
    const double j0 =
        std::max(0.0, std::ceil((from - trace.firstTime) / trace.interval - kOnSample));
    const double j1 =
        std::min(last, std::floor((to - trace.firstTime) / trace.interval + kOnSample));
    if (!(j0 <= j1)) {
        return {};
    }
    first = static_cast<std::size_t>(j0);
    return std::span<const double>(trace.values)
        .subspan(first, static_cast<std::size_t>(j1 - j0) + 1);
}

void DrawSeismicTraces(const Project& project, const PlotState& state, DrawingSurface& surface) {
    std::size_t first = 0;
    const std::span<const double> samples = DrawnSamples(project, state, first);
    const SampledTrace& trace = project.tie->trace;
    const double spacing = TraceSpacingInches(project);
    WiggleGeometry wiggle;
    wiggle.xPerUnit = state.plotXScale;
    wiggle.gain = NumberOf(project.amplitudeScale, "amplitude") * state.tie.seismicGain;
    wiggle.firstY = state.SampleY(SampleAt(project, trace.TimeAt(first)));
    wiggle.yStep = trace.interval / SyntheticInterval(project) * state.screenTwipsPerSample;
    // Offsets from right to left, as the normal panel draws them.
    const double halfSpan = (project.traceCount - 1) * spacing / 2.0;
    for (int t = 0; t < project.traceCount; ++t) {
        wiggle.zeroX = state.plotX + (halfSpan - t * spacing) * state.plotXScale;
        DrawWiggle(surface, samples, wiggle);
    }
}

// One bracket at a panel edge: `outward` -1 for the left edge, +1 for the right; `inward` +1
// for the window's start (the leg points down into the window), -1 for its end.
void Bracket(DrawingSurface& surface, double edgeX, double outward, double y, double inward,
             double correction) {
    const double outerX = edgeX + outward * kTieTickLength * correction;
    surface.Line(edgeX, y, outerX, y, kTieWindowColour);
    surface.Line(outerX, y, outerX, y + inward * kTieLegLength * correction, kTieWindowColour);
}

}  // namespace

SeismicPanelPlace PlaceSeismicPanel(const Project& project, DrawingSurface& surface, double start,
                                    double correction) {
    SeismicPanelPlace place;
    place.width = project.traceCount * 1440.0 * TraceSpacingInches(project);
    const double half =
        std::max(place.width, surface.TextWidth(kSeismicPanelTitle) / correction) / 2.0;
    place.centre = start + kPanelGap + half;
    place.end = place.centre + half;
    return place;
}

bool ShowsSeismic(const Project& project) {
    return project.tie.has_value();
}

void PaintSeismicTrace(const Project& project, PlotState& state, DrawingSurface& surface) {
    if (!state.tie.computed) {
        throw Error("The seismic trace has not been scaled to the synthetic.");
    }
    const double sc = state.screenCorrection;
    const SeismicPanelPlace place = PlaceSeismicPanel(project, surface, state.plotWidth, sc);
    surface.SetPenStyle(PenStyle::kSolid);
    state.plotWidth = place.centre;
    state.plotXScale = 1440.0 * sc;
    state.plotX = place.centre * sc;
    PrintPanelTitle(state, surface, state.plotX, kSeismicPanelTitle);
    DrawSeismicTraces(project, state, surface);

    state.seismicPanel = PanelEdgesAt(state, place.width);
    state.readout.seismicPanelDrawn = true;
    state.readout.seismicPanelLeftX = state.seismicPanel.left;
    state.readout.seismicPanelRightX = state.seismicPanel.right;
    state.plotWidth = place.end;
}

void PaintTieWindowMarks(const Project& project, PlotState& state, DrawingSurface& surface) {
    if (!state.tie.window) {
        return;
    }
    // The pen is left as the timing lines left it, for the panels below the time axis.
    const PenStyle style = surface.Style();
    const int width = surface.PenWidth();
    surface.SetPenStyle(PenStyle::kSolid);
    surface.SetPenWidth(kTieWindowPenWidth);
    const std::pair<double, double> ends[] = {{state.tie.window->start, 1.0},
                                              {state.tie.window->end, -1.0}};
    for (const auto& [time, inward] : ends) {
        const double i = SampleAt(project, time);
        // On paper only the page's own times.
        if (i < state.firstPlotSample - 1e-6 || i > state.lastPlotSample + 1e-6) {
            continue;
        }
        const double y = state.SampleY(i);
        for (const PanelEdges& panel :
             {state.normalPanel, state.reversePanel, state.seismicPanel}) {
            Bracket(surface, panel.left, -1.0, y, inward, state.screenCorrection);
            Bracket(surface, panel.right, 1.0, y, inward, state.screenCorrection);
        }
    }
    surface.SetPenStyle(style);
    surface.SetPenWidth(width);
}

}  // namespace tessarin
