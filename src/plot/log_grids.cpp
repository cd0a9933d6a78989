#include "plot/log_grids.h"

#include <cmath>

namespace tessarin {

int LogGrid::Divisions() const {
    return static_cast<int>(std::lround((max - min) / step));
}

namespace {

LogGrid EnglishVelocityGrid(const Project& project, double low, double high) {
    LogGrid grid;
    grid.title = "Velocity (kft/s)";
    grid.valueFormat = "##";
    grid.valueDivisor = 1000.0;
    grid.scale = project.velocityLogWidth / 22000.0;
    if (low < 5000.0) {
        grid.min = 4000.0;
        grid.step = 4000.0;
        grid.max = high <= 12000.0   ? 12000.0
                   : high <= 16000.0 ? 16000.0
                   : high <= 20000.0 ? 20000.0
                                     : 24000.0;
    } else {
        grid.min = low < 10000.0 ? 5000.0 : 10000.0;
        grid.step = 5000.0;
        grid.max = high <= 15000.0 ? 15000.0 : high <= 20000.0 ? 20000.0 : 25000.0;
    }
    return grid;
}

LogGrid MetricVelocityGrid(const Project& project, double low, double high) {
    LogGrid grid;
    grid.title = "Velocity (km/s)";
    grid.valueFormat = "##.0";
    grid.valueDivisor = 1000.0;
    grid.scale = project.velocityLogWidth / 6000.0;
    grid.min = low >= 3000.0 ? 3000.0 : 1500.0;
    grid.step = 1500.0;
    grid.max = high <= 4500.0 ? 4500.0 : high <= 6000.0 ? 6000.0 : 7500.0;
    return grid;
}

}  // namespace

LogGrid VelocityGrid(const Project& project, double low, double high) {
    return project.measurementUnits == kMetric ? MetricVelocityGrid(project, low, high)
                                               : EnglishVelocityGrid(project, low, high);
}

LogGrid DensityGrid(const Project& project) {
    LogGrid grid;
    grid.title = "Density (g/cc)";
    grid.valueFormat = "#.0";
    grid.scale = project.densityLogWidth;
    grid.min = project.minDensity >= 2.0 ? 2.0 : 1.5;
    grid.max = project.maxDensity <= 2.5 ? 2.5 : project.maxDensity <= 3.0 ? 3.0 : 3.5;
    grid.step = 0.5;
    return grid;
}

}  // namespace tessarin
