#include "plot/display_panels.h"

#include <algorithm>
#include <array>

#include "model/error.h"
#include "plot/knee_lines.h"
#include "plot/layout.h"
#include "plot/painters.h"
#include "plot/plot_values.h"
#include "plot/seismic_trace_panel.h"

namespace tessarin {

namespace {

bool ShowsDensity(const Project& project) {
    return project.impedanceType == kSonicDensity;
}

// The left margin, the depth labels and the axis column up to the reflection coefficients.
double DepthAxisRoom(const Project& project, DrawingSurface& surface, double start,
                     double correction) {
    return start + 1440.0 * project.leftMarginInches + surface.TextWidth("00000") / correction +
           1120.0;
}

double ReflectionRoom(const Project&, DrawingSurface&, double start, double) {
    return start + 750.0;
}

// Placed as the trace painter places them.
double TracesRoom(const Project& project, DrawingSurface& surface, double start,
                  double correction) {
    if (project.traceCount < 0) {
        throw Error("The number of traces cannot be negative.");
    }
    return PlaceTracePanels(project, surface, start, correction).end;
}

// Only a project with a seismic trace has the panel: without one the display is as it always was.
double SeismicRoom(const Project& project, DrawingSurface& surface, double start,
                   double correction) {
    return ShowsSeismic(project) ? PlaceSeismicPanel(project, surface, start, correction).end
                                 : start;
}

// Room for the velocity grid at its widest (25000 ft/s or 7500 m/s).
double VelocityRoom(const Project& project, DrawingSurface&, double start, double) {
    if (project.measurementUnits == kMetric) {
        const double scale = project.velocityLogWidth / 6000.0;
        return std::max(start + 7500.0 * scale, start + 150.0 + 9000.0 * scale / 2.0);
    }
    const double scale = project.velocityLogWidth / 22000.0;
    return std::max(start + 25000.0 * scale, start + 150.0 + 29000.0 * scale / 2.0);
}

// Reserved also where no density track is drawn: a sonic-only display is as wide as one with
// density.
double DensityRoom(const Project& project, DrawingSurface&, double start, double) {
    return start + 3.5 * project.densityLogWidth;
}

// The markers' bend and the widest horizon name.
double HorizonMarkersRoom(const Project& project, DrawingSurface& surface, double start,
                          double correction) {
    const double bend = start + 141.0;
    double widestName = 0.0;
    for (int h = 1; h <= HorizonsInTable(project); ++h) {
        widestName = std::max(widestName, surface.TextWidth(project.horizonNames[h]));
    }
    return bend + (widestName / correction + 1000.0);
}

constexpr std::array kPanels = {
    DisplayPanel{DisplayBand::kHeader, nullptr, nullptr, PaintHeader},
    DisplayPanel{DisplayBand::kTimePanels, nullptr, DepthAxisRoom, PaintDepthAxis},
    DisplayPanel{DisplayBand::kTimePanels, nullptr, ReflectionRoom, PaintReflectionCoefficients},
    DisplayPanel{DisplayBand::kTimePanels, nullptr, TracesRoom, PaintTraces},
    DisplayPanel{DisplayBand::kTimePanels, ShowsSeismic, SeismicRoom, PaintSeismicTrace},
    DisplayPanel{DisplayBand::kTimePanels, nullptr, VelocityRoom, PaintVelocityTrack},
    DisplayPanel{DisplayBand::kTimePanels, ShowsDensity, DensityRoom, PaintDensityTrack},
    DisplayPanel{DisplayBand::kTimePanels, nullptr, HorizonMarkersRoom, PaintHorizonMarkers},
    DisplayPanel{DisplayBand::kTimePanels, nullptr, nullptr, PaintTimingLines},
    // Over the timing lines and horizon markers, which may lie at the window's very times.
    DisplayPanel{DisplayBand::kTimePanels, ShowsSeismic, nullptr, PaintTieWindowMarks},
    DisplayPanel{DisplayBand::kTimePanels, ShowsSeismic, nullptr, PaintStretchKnees},
    DisplayPanel{DisplayBand::kBelowTimeAxis, nullptr, nullptr, PaintTables},
    DisplayPanel{DisplayBand::kBelowTimeAxis, nullptr, nullptr, PaintWavelet},
};

}  // namespace

std::span<const DisplayPanel> DisplayPanels() {
    return kPanels;
}

void PaintBand(const Project& project, PlotState& state, DrawingSurface& surface,
               DisplayBand band) {
    for (const DisplayPanel& panel : kPanels) {
        if (panel.band == band && (!panel.shown || panel.shown(project))) {
            panel.paint(project, state, surface);
        }
    }
}

}  // namespace tessarin
