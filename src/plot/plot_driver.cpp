#include "plot/plot_driver.h"

#include <algorithm>

#include "model/error.h"
#include "plot/display_panels.h"
#include "plot/extent_surface.h"
#include "plot/layout.h"
#include "plot/plot_values.h"

namespace tessarin {

void PaintDisplay(const Project& project, PlotState& state, DrawingSurface& surface) {
    for (const DisplayBand band :
         {DisplayBand::kHeader, DisplayBand::kTimePanels, DisplayBand::kBelowTimeAxis}) {
        PaintBand(project, state, surface, band);
    }
}

double PictureWidth(const Project& project, const PlotState& layout, DrawingSurface& metrics) {
    ExtentSurface extent(metrics);
    PlotState trial = layout;
    extent.SetFont(PlotTextFont(project, trial.textPoints));
    PaintDisplay(project, trial, extent);
    return std::max(layout.layoutWidth,
                    extent.Right() + kPictureRightMargin * layout.screenCorrection);
}

void DrawScreenPlot(const Project& project, PlotState& state, PlotPicture& picture) {
    // Laid out apart, so that a plot that cannot be drawn leaves the picture and what the readout
    // knows about it as they were.
    PlotState layout;
    layout.dateText = state.dateText;
    layout.tie = state.tie;
    layout.layoutWidth = ComputeHorizontalLayout(project, picture);
    const double height = ComputeVerticalLayout(project, layout, picture);
    CheckSynthetic(project);
    layout.pictureWidth = PictureWidth(project, layout, picture);
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

std::optional<std::string> DrawDisplay(const Project& project, PlotState& state,
                                       PlotPicture& picture) {
    try {
        DrawScreenPlot(project, state, picture);
    } catch (const Error& failure) {
        return failure.what();
    }
    return std::nullopt;
}

}  // namespace tessarin
