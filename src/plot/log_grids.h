#pragma once

// The value ranges of the velocity and density grids, chosen from the log's own range.

#include <string>

#include "model/project.h"

namespace tessarin {

struct LogGrid {
    double min = 0.0;    // value at the left edge
    double max = 0.0;    // value at the right edge
    double step = 0.0;   // between grid lines
    double scale = 0.0;  // layout twips per value unit
    std::string title;
    std::string valueFormat;    // digit pattern of the grid values
    double valueDivisor = 1.0;  // grid values are shown divided by this

    int Divisions() const;
};

// For velocities from `low` to `high` (ft/s or m/s by the measurement units).
LogGrid VelocityGrid(const Project& project, double low, double high);

// From project.minDensity and maxDensity (g/cc).
LogGrid DensityGrid(const Project& project);

}  // namespace tessarin
