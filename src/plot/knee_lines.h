#pragma once

// The knees of a stretch on the display: a line across the synthetic's normal and reverse panels
// and the seismic panel at each knee's new time, where the stretched synthetic's event now meets
// the seismic's. While the user pairs two events by hand the line runs from the synthetic's
// event to the seismic's, and the window draws it over the picture with the same painter. Also
// the display's geometry the user's pointer is read against: which panel a point is over and
// which time it stands at.

#include <optional>
#include <vector>

#include "model/project.h"
#include "plot/plot_state.h"
#include "plot/surface.h"

namespace tessarin {

// A knee's line: `syntheticY` across the normal and reverse panels, `seismicY` across the
// seismic panel, joined across the gap between them. `selected` draws it heavier.
void DrawKneeLine(const PlotState& state, DrawingSurface& surface, double syntheticY,
                  double seismicY, bool selected = false);

// Every knee of the project's stretch, within the drawn times (on paper, the page's).
void PaintStretchKnees(const Project& project, PlotState& state, DrawingSurface& surface);

// The y of a time on the display, and the time at a y (seconds, the display's times).
double DisplayY(const Project& project, const PlotState& state, double time);
double DisplayTime(const Project& project, const PlotState& state, double y);

// Whether x lies over the synthetic's normal or reverse panel (or the gap between them), or
// over the seismic panel.
bool OverSyntheticPanels(const PlotState& state, double x);
bool OverSeismicPanel(const PlotState& state, double x);

// The knee whose line passes within `reach` twips of (x, y), the nearest if several do.
std::optional<int> KneeNear(const Project& project, const PlotState& state, double x, double y,
                            double reach);

}  // namespace tessarin
