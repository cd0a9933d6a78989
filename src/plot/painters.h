#pragma once

// The panel painters of the display, called in the order of the panel list (display_panels.h).
// Each starts from the layout in `state`, advances state.plotWidth past its panel and records in
// state what later painters and the pointer readout need. The project is only read: what a painter
// needs beyond it is computed before drawing, by the recompute or the layout. Values that are not
// numbers throw Error.

#include "model/project.h"
#include "plot/plot_state.h"
#include "plot/surface.h"

namespace tessarin {

void PaintHeader(const Project& project, PlotState& state, DrawingSurface& surface);
void PaintDepthAxis(const Project& project, PlotState& state, DrawingSurface& surface);
void PaintReflectionCoefficients(const Project& project, PlotState& state, DrawingSurface& surface);
void PaintTraces(const Project& project, PlotState& state, DrawingSurface& surface);
void PaintVelocityTrack(const Project& project, PlotState& state, DrawingSurface& surface);
void PaintDensityTrack(const Project& project, PlotState& state, DrawingSurface& surface);
void PaintHorizonMarkers(const Project& project, PlotState& state, DrawingSurface& surface);
void PaintTimingLines(const Project& project, PlotState& state, DrawingSurface& surface);
void PaintTables(const Project& project, PlotState& state, DrawingSurface& surface);
void PaintWavelet(const Project& project, PlotState& state, DrawingSurface& surface);

// Prints a panel title centred on x, two text lines above the top of the time panels, clear of
// the title before it (state.panelTitlesRight, which it advances).
void PrintPanelTitle(PlotState& state, DrawingSurface& surface, double centreX,
                     const std::string& title);

// The edges of a panel `width` layout twips wide centred on state.plotX.
PanelEdges PanelEdgesAt(const PlotState& state, double width);

}  // namespace tessarin
