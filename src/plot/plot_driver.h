#pragma once

// Drawing the whole display on the screen picture.

#include <optional>
#include <string>

#include "model/project.h"
#include "plot/painter_surface.h"
#include "plot/plot_state.h"

namespace tessarin {

// Every panel of the display the project shows, in the order of the panel list, on a cleared
// surface laid out in `state`.
void PaintDisplay(const Project& project, PlotState& state, DrawingSurface& surface);

// The width of the picture for a display laid out in `layout` (text measured on `metrics`): the
// width of the horizontal layout (layout.layoutWidth), or, where the drawing reaches further, its
// right end and a margin of kPictureRightMargin (scaled by the screen correction). A screen factor
// above 1 spreads the panels past the layout width, and a long well name or horizon table can
// reach past the panels at any factor.
inline constexpr double kPictureRightMargin = 360.0;
double PictureWidth(const Project& project, const PlotState& layout, DrawingSurface& metrics);

// The screen plot driver: lays the display out across and down, sizes and clears the picture and
// calls every panel painter in order. Throws Error with the reason when the plot cannot be
// drawn: a failure in the layout, or in painting (met first while the picture's width is
// measured), leaves the picture as it was.
void DrawScreenPlot(const Project& project, PlotState& state, PlotPicture& picture);

// The display steps of a recompute, for a synthetic and start time already computed: the screen
// plot driver. Returns the reason when the plot could not be drawn.
std::optional<std::string> DrawDisplay(const Project& project, PlotState& state,
                                       PlotPicture& picture);

// A whole recompute: the synthetic (reflectivity, convolution, AGC, horizon times) and its start
// time below the datum, then the display steps. Returns the reason when any fails; what was done
// before the failure stays.
std::optional<std::string> RecomputeAndDisplay(Project& project, PlotState& state,
                                               PlotPicture& picture);

}  // namespace tessarin
