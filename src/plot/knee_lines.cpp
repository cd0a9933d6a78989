#include "plot/knee_lines.h"

#include <cmath>

#include "engine/stretch.h"

namespace tessarin {
namespace {

// Green: apart from the black traces, the blue horizons and the red tie window marks.
constexpr Rgb kKneeColour{0, 150, 60};

double SyntheticInterval(const Project& project) {
    return 2.0 * project.sampleIntervalUs / 1000000.0;
}

}  // namespace

double DisplayY(const Project& project, const PlotState& state, double time) {
    return state.SampleY((time - project.firstSampleTime) / SyntheticInterval(project));
}

double DisplayTime(const Project& project, const PlotState& state, double y) {
    const double sample =
        (y - state.plotOriginY) / state.screenTwipsPerSample - state.firstLabelSampleOffset;
    return project.firstSampleTime + sample * SyntheticInterval(project);
}

bool OverSyntheticPanels(const PlotState& state, double x) {
    return x >= state.normalPanel.left && x <= state.reversePanel.right;
}

bool OverSeismicPanel(const PlotState& state, double x) {
    return state.seismicPanel.right > state.seismicPanel.left && x >= state.seismicPanel.left &&
           x <= state.seismicPanel.right;
}

void DrawKneeLine(const PlotState& state, DrawingSurface& surface, double syntheticY,
                  double seismicY, bool selected) {
    const PenStyle style = surface.Style();
    const int width = surface.PenWidth();
    surface.SetPenStyle(PenStyle::kSolid);
    surface.SetPenWidth(selected ? 3 : 1);
    surface.Line(state.normalPanel.left, syntheticY, state.reversePanel.right, syntheticY,
                 kKneeColour);
    surface.Line(state.reversePanel.right, syntheticY, state.seismicPanel.left, seismicY,
                 kKneeColour);
    surface.Line(state.seismicPanel.left, seismicY, state.seismicPanel.right, seismicY,
                 kKneeColour);
    surface.SetPenStyle(style);
    surface.SetPenWidth(width);
}

void PaintStretchKnees(const Project& project, PlotState& state, DrawingSurface& surface) {
    const double top = state.SampleY(state.firstPlotSample);
    const double bottom = state.SampleY(state.lastPlotSample);
    for (const StretchKnee& knee : KneesOf(project)) {
        // The stretched synthetic carries the knee's event to its new time, beside the seismic's.
        const double y = DisplayY(project, state, knee.newTime);
        if (y >= top && y <= bottom) {
            DrawKneeLine(state, surface, y, y);
        }
    }
}

std::optional<int> KneeNear(const Project& project, const PlotState& state, double x, double y,
                            double reach) {
    if (x < state.normalPanel.left - reach || x > state.seismicPanel.right + reach) {
        return std::nullopt;
    }
    std::optional<int> nearest;
    double best = reach;
    const std::vector<StretchKnee>& knees = KneesOf(project);
    for (std::size_t k = 0; k < knees.size(); ++k) {
        const double off = std::fabs(DisplayY(project, state, knees[k].newTime) - y);
        if (off <= best) {
            best = off;
            nearest = static_cast<int>(k);
        }
    }
    return nearest;
}

}  // namespace tessarin
