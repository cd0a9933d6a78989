#pragma once

// The panels of the display in one list, in the order they are painted: the screen paints them
// all, the printer paints each where it stands on paper, and the horizontal layout adds up the
// room they take. A new panel is one entry.

#include <span>

#include "model/project.h"
#include "plot/plot_state.h"
#include "plot/surface.h"

namespace tessarin {

// Where a panel stands: in the header band (on paper the first page only), among the time panels
// (on every page, cut at its samples), or below the time axis (on paper after the last page).
enum class DisplayBand { kHeader, kTimePanels, kBelowTimeAxis };

struct DisplayPanel {
    DisplayBand band;
    // Whether the project shows the panel; null for a panel every display shows.
    bool (*shown)(const Project& project);
    // The panel's room in the horizontal layout: the x (layout twips) where the next panel starts
    // when this one starts at `start`, for text measured on `surface` and divided by
    // `correction`. Throws Error for scales that give no layout. Null for a panel that takes no
    // room across the display.
    double (*room)(const Project& project, DrawingSurface& surface, double start,
                   double correction);
    void (*paint)(const Project& project, PlotState& state, DrawingSurface& surface);
};

// Left to right, then below the time axis.
std::span<const DisplayPanel> DisplayPanels();

// Paints the panels of `band` that the project shows, in the order of the list.
void PaintBand(const Project& project, PlotState& state, DrawingSurface& surface, DisplayBand band);

}  // namespace tessarin
