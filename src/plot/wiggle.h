#pragma once

// A seismic trace drawn as a wiggle with its positive lobes filled black (variable area), as the
// synthetic traces and the wavelet panel show it.

#include <span>

#include "plot/surface.h"

namespace tessarin {

struct WiggleGeometry {
    double zeroX = 0.0;     // x of the trace's zero line
    double xPerUnit = 0.0;  // twips of deflection per unit of gain x value
    double gain = 1.0;      // deflection of a sample is gain x value; negative mirrors the trace
    double firstY = 0.0;    // y of values[0]
    double yStep = 0.0;     // twips between samples
};

// Draws a short line at the first sample from the zero line to the wiggle, the wiggle through all
// values, and every lobe of positive deflection closed along the zero line and filled.
void DrawWiggle(DrawingSurface& surface, std::span<const double> values,
                const WiggleGeometry& geometry);

}  // namespace tessarin
