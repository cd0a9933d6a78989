#pragma once

// The seismic trace at the well, drawn beside the synthetic's reverse polarity panel, and the tie
// window marked on the synthetic and seismic panels.

#include "model/project.h"
#include "plot/plot_state.h"
#include "plot/surface.h"

namespace tessarin {

inline constexpr const char* kSeismicPanelTitle = "Seismic";

// Where the seismic panel stands when it starts at `start` (layout twips, just past the reverse
// panel and its title), for text measured on `surface` and x scaled by `correction`: as far from
// the reverse panel as the reverse panel is from the normal one, and as wide as a panel of
// traces or its title, whichever is wider.
struct SeismicPanelPlace {
    double width = 0.0;  // of the traces
    double centre = 0.0;
    double end = 0.0;
};
SeismicPanelPlace PlaceSeismicPanel(const Project& project, DrawingSurface& surface, double start,
                                    double correction);

// Whether the display has a seismic panel: the project holds a seismic trace.
bool ShowsSeismic(const Project& project);

// traceCount copies of the seismic trace, drawn as the normal panel draws the synthetic, at the
// trace's own samples and times, multiplied by state.tie.seismicGain. Throws Error when the
// recompute has not worked out the tie display.
void PaintSeismicTrace(const Project& project, PlotState& state, DrawingSurface& surface);

// Brackets at the tie window's start and end just outside both edges of the normal, reverse and
// seismic panels, when the tie could be measured.
void PaintTieWindowMarks(const Project& project, PlotState& state, DrawingSurface& surface);

}  // namespace tessarin
