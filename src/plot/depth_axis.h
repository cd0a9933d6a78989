#pragma once

// Where the depth axis puts its ticks and labels between two neighbouring samples.

#include <optional>

#include "model/project.h"

namespace tessarin {

// Depth of sample i as the axis shows it: measured depth, depth below the seismic datum, or
// elevation (subsea, decreasing downwards).
double AxisDepth(const Project& project, int plotDepthType, double kb, double datum, int i);

struct DepthTick {
    double sampleOffset = 0.0;    // from the upper sample, in samples (0 to 1)
    bool isLong = false;          // a multiple of 5 tick intervals
    std::optional<double> label;  // a multiple of 10 tick intervals carries its value
};

// The tick between depths d1 (upper sample) and d2 (the next sample), if a multiple of
// `interval` lies between them. Depths increase downwards unless `decreasing` (subsea). The tick
// position has 0.1-unit precision.
std::optional<DepthTick> TickBetween(double d1, double d2, double interval, bool decreasing);

}  // namespace tessarin
