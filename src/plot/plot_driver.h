#pragma once

// Drawing the whole display on the screen picture.

#include <optional>
#include <string>

#include "model/project.h"
#include "plot/painter_surface.h"
#include "plot/plot_state.h"

namespace tessarin {

// Every panel painter in the fixed order, on a cleared surface laid out in `state`.
void PaintDisplay(Project& project, PlotState& state, DrawingSurface& surface);

// The width of the picture for a display laid out in `layout` (text measured on `metrics`): the
// width of the horizontal layout, or, where the drawing reaches further, its right end and a
// margin of kPictureRightMargin (scaled by the screen correction). A screen factor above 1
// spreads the panels past the layout width, and a long well name or horizon table can reach past
// the panels at any factor.
inline constexpr double kPictureRightMargin = 360.0;
double PictureWidth(Project& project, const PlotState& layout, DrawingSurface& metrics);

// The screen plot driver: lays the display out vertically, sizes and clears the picture and calls
// every panel painter in order. The horizontal layout (project.plotWidth) must be computed first.
// Throws Error with the reason when the plot cannot be drawn: a failure in the layout, or in
// painting (met first while the picture's width is measured), leaves the picture as it was.
void DrawScreenPlot(Project& project, PlotState& state, PlotPicture& picture);

// The display steps of a recompute, for a synthetic already computed: the horizontal layout, then
// the screen plot driver. Returns the reason when the plot could not be drawn.
std::optional<std::string> DrawDisplay(Project& project, PlotState& state, PlotPicture& picture);

// A whole recompute: the synthetic (reflectivity, convolution, AGC, horizon times), then the
// display steps. Returns the reason when either fails; what was done before the failure stays.
std::optional<std::string> RecomputeAndDisplay(Project& project, PlotState& state,
                                               PlotPicture& picture);

}  // namespace tessarin
