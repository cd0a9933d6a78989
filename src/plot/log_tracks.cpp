// The velocity and density log tracks: a dotted grid with its values, a title and the log curve
// against time.

#include <algorithm>
#include <vector>

#include "model/numeric.h"
#include "plot/layout.h"
#include "plot/log_grids.h"
#include "plot/painters.h"
#include "plot/plot_values.h"

namespace tessarin {

namespace {

double GridX(const PlotState& state, double value) {
    return state.plotX + value * state.plotXScale;
}

// Places a track whose value 0 lies at `origin` (layout twips).
void PlaceTrack(PlotState& state, const LogGrid& grid, double origin) {
    state.plotWidth = origin;
    state.plotXScale = grid.scale * state.screenCorrection;
    state.plotX = origin * state.screenCorrection;
}

// Dotted grid lines from the top of the time panels to the timing line after the last sample,
// each with its value above it in small print.
void DrawGrid(const Project& project, const PlotState& state, DrawingSurface& surface,
              const LogGrid& grid) {
    surface.SetPenWidth(project.gridPenWidth);
    surface.SetPenStyle(PenStyle::kDotted);
    surface.SetFontSize(kGridValuePoints);
    const double top = state.Top();
    const double bottom = state.GridBottom();
    const double valueY = top - surface.TextHeight("0.2");
    for (int j = 0; j <= grid.Divisions(); ++j) {
        const double value = grid.min + j * grid.step;
        const std::string text = FormatPattern(value / grid.valueDivisor, grid.valueFormat);
        const double x = GridX(state, value);
        surface.MoveTo(x - surface.TextWidth(text) / 2.0, valueY);
        surface.PrintText(text);
        surface.Line(x, top, x, bottom);
    }
    surface.SetFont(PlotTextFont(project, state.textPoints));
}

void DrawGridTitle(PlotState& state, DrawingSurface& surface, const LogGrid& grid) {
    PrintPanelTitle(state, surface, GridX(state, (grid.min + grid.max) / 2.0), grid.title);
}

// The grid spans the log's velocities and a specified datum velocity, at which the curve comes
// down to the log. The ranges are compared in single precision.
LogGrid ShownVelocityGrid(const Project& project, bool specified, double datumVelocity) {
    double low = project.minVelocity;
    double high = project.maxVelocity;
    if (specified) {
        const auto datumV = static_cast<float>(datumVelocity);
        if (static_cast<float>(low) > datumV) {
            low = datumVelocity;
        }
        if (static_cast<float>(high) < datumV) {
            high = datumVelocity;
        }
    }
    return VelocityGrid(project, low, high);
}

}  // namespace

void PaintVelocityTrack(const Project& project, PlotState& state, DrawingSurface& surface) {
    const bool specified = project.datumType == kSpecifiedDatum;
    const double datumVelocity =
        specified ? NumberOf(project.datumVelocity, "datum velocity") : 0.0;
    const LogGrid grid = ShownVelocityGrid(project, specified, datumVelocity);
    const double start = state.plotWidth;
    const double sc = state.screenCorrection;
    const double titleWidth = surface.TextWidth(grid.title) / sc;
    const double origin =
        std::max(start + 510.0 - grid.min * grid.scale,
                 start + 225.0 + titleWidth / 2.0 - grid.scale * (grid.min + grid.max) / 2.0);
    PlaceTrack(state, grid, origin);

    // The curve, from the top of the panels down to the first sample at the velocity above it.
    surface.SetPenWidth(project.logPenWidth);
    surface.SetPenStyle(PenStyle::kSolid);
    const int first = state.firstPlotSample;
    const auto& velocity = project.intervalVelocity;
    const double aboveLog = specified ? datumVelocity : velocity[static_cast<std::size_t>(first)];
    std::vector<TwipPoint> curve;
    curve.reserve(static_cast<std::size_t>(state.lastPlotSample - first + 3));
    curve.push_back({GridX(state, aboveLog), state.Top()});
    curve.push_back({GridX(state, aboveLog), state.SampleY(first)});
    for (int i = first; i <= state.lastPlotSample; ++i) {
        curve.push_back({GridX(state, velocity[static_cast<std::size_t>(i)]), state.SampleY(i)});
    }
    surface.Polyline(curve);

    DrawGridTitle(state, surface, grid);
    DrawGrid(project, state, surface, grid);
    surface.SetPenStyle(PenStyle::kSolid);
    surface.SetPenWidth(1);

    ReadoutPositions& readout = state.readout;
    readout.velocityGridMin = grid.min;
    readout.velocityGridMax = grid.max;
    readout.velocityGridLeftX = GridX(state, grid.min);
    readout.velocityGridRightX = GridX(state, grid.max);
    const double titleEnd = origin + grid.scale * (grid.min + grid.max) / 2.0 + titleWidth / 2.0;
    state.plotWidth = std::max(origin + grid.max * grid.scale + 150.0, titleEnd);
}

void PaintDensityTrack(const Project& project, PlotState& state, DrawingSurface& surface) {
    const LogGrid grid = DensityGrid(project);
    const double start = state.plotWidth;
    const double titleWidth = surface.TextWidth(grid.title) / state.screenCorrection;
    const double origin =
        std::max(start + 420.0 - grid.min * grid.scale,
                 start + 225.0 + titleWidth / 2.0 - grid.scale * (grid.min + grid.max) / 2.0);
    PlaceTrack(state, grid, origin);

    DrawGrid(project, state, surface, grid);
    DrawGridTitle(state, surface, grid);

    // The curve in pieces: samples without density (-1) leave gaps.
    surface.SetPenWidth(project.logPenWidth);
    surface.SetPenStyle(PenStyle::kSolid);
    const auto density = [&](int i) { return project.timeDensity[static_cast<std::size_t>(i)]; };
    const int first = state.firstPlotSample;
    std::vector<TwipPoint> piece;
    if (density(first) > 0.0) {
        piece.push_back({GridX(state, density(first)), state.Top()});
        piece.push_back({GridX(state, density(first)), state.SampleY(first)});
    }
    for (int i = first + 1; i <= state.lastPlotSample; ++i) {
        if (density(i) <= 0.0) {
            continue;
        }
        if (density(i - 1) <= 0.0) {
            surface.Polyline(piece);
            piece.clear();
        }
        piece.push_back({GridX(state, density(i)), state.SampleY(i)});
    }
    surface.Polyline(piece);
    surface.SetPenWidth(1);

    ReadoutPositions& readout = state.readout;
    readout.densityGridDrawn = true;
    readout.densityGridMin = grid.min;
    readout.densityGridMax = grid.max;
    readout.densityGridLeftX = GridX(state, grid.min);
    readout.densityGridRightX = GridX(state, grid.max);
    state.plotWidth = origin + grid.max * grid.scale;
}

}  // namespace tessarin
