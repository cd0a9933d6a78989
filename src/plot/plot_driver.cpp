#include "plot/plot_driver.h"

#include "model/error.h"
#include "plot/layout.h"
#include "plot/painters.h"
#include "plot/plot_values.h"

namespace tessarin {

void PaintDisplay(Project& project, PlotState& state, DrawingSurface& surface) {
    PaintHeader(project, state, surface);
    PaintDepthAxis(project, state, surface);
    PaintReflectionCoefficients(project, state, surface);
    PaintTraces(project, state, surface);
    PaintVelocityTrack(project, state, surface);
    if (project.impedanceType == kSonicDensity) {
        PaintDensityTrack(project, state, surface);
    }
    PaintHorizonMarkers(project, state, surface);
    PaintTimingLines(project, state, surface);
    PaintTables(project, state, surface);
    PaintWavelet(project, state, surface);
}

void DrawScreenPlot(Project& project, PlotState& state, PlotPicture& picture) {
    // Laid out apart, so that a plot that cannot be drawn leaves the picture and what the readout
    // knows about it as they were.
    PlotState layout;
    layout.dateText = state.dateText;
    const double height = ComputeVerticalLayout(project, layout, picture);
    CheckSynthetic(project);
    layout.pictureWidth = project.plotWidth;
    layout.pictureHeight = height;
    picture.Resize(layout.pictureWidth, layout.pictureHeight);
    state = layout;
    picture.Clear();
    picture.SetPenWidth(1);
    picture.SetPenStyle(PenStyle::kSolid);
    picture.SetColor(kBlack);
    picture.SetFont(PlotTextFont(project, state.textPoints));

    PaintDisplay(project, state, picture);
}

std::optional<std::string> DrawDisplay(Project& project, PlotState& state, PlotPicture& picture) {
    try {
        ComputeHorizontalLayout(project, picture);
        DrawScreenPlot(project, state, picture);
    } catch (const Error& failure) {
        return failure.what();
    }
    return std::nullopt;
}

}  // namespace tessarin
