#pragma once

// The coordinate system of the display: how tall the header band is, how the panels sit from
// left to right, how two-way time maps to y, how large the picture is, and the vertical scroll
// range of the window that shows it.

#include <optional>
#include <string>

#include "model/project.h"
#include "plot/plot_state.h"
#include "plot/surface.h"

namespace tessarin {

// Plot text sizes, in points.
inline constexpr double kPlotTextPoints = 8.25;
inline constexpr double kTitlePoints = 14.0;
inline constexpr double kGridValuePoints = 7.0;

// The plot font of the project at the given size.
PlotFont PlotTextFont(const Project& project, double points);

// The screen correction as a factor (single precision, as stored). Throws Error when it is not a
// positive number.
double ScreenCorrectionFactor(const Project& project);

// The height of the header band: ten lines of plot text, one title line and 400 twips. The
// surface is left with the plot font at `points`.
double ComputeHeaderHeight(const Project& project, DrawingSurface& surface,
                           double points = kPlotTextPoints);

// Trace spacing in inches from the traces per inch (or per centimetre in metric units).
double TraceSpacingInches(const Project& project);

// The normal and reverse polarity panels placed from `start` (layout twips, just past the
// reflection coefficients) for text measured on `surface` and x scaled by `correction`: the
// reverse panel keeps clear of the "Normal" title, and the pair ends past the wider of the
// reverse panel and its title, so that the next panel's title cannot run into it.
struct TracePanels {
    double panelWidth = 0.0;
    double normalCentre = 0.0;
    double reverseCentre = 0.0;
    double end = 0.0;
};
TracePanels PlaceTracePanels(const Project& project, DrawingSurface& surface, double start,
                             double correction);

// The horizontal layout: the picture width in layout twips (before the screen correction).
// Throws Error for scales that give no layout.
double ComputeHorizontalLayout(const Project& project, DrawingSurface& surface);

// Twips per time sample on paper: the time scale in inches (or centimetres) per second.
double TwipsPerSample(const Project& project);

// The vertical layout shared by screen and paper, for x positions scaled by `correction` and plot
// text of `points`: header height, scales, the first time label from the start time the
// recompute set (project.firstSampleTime), the time panels from sample 0 to the last, and the
// lowest of the three candidate bottoms, which it returns. Throws Error when the plot cannot be
// laid out.
double ComputeTimeLayout(const Project& project, PlotState& state, DrawingSurface& surface,
                         double correction, double points);

// The end of the time panels (Y1) of a layout from sample 0 to `n`: the time axis runs on to the
// next whole 100 ms after the last sample, and half a line for its label.
double TimePanelsBottom(const PlotState& state, int n);

// The vertical layout of the screen plot: header height, scales, first time label and the three
// candidate bottoms. Fills `state` and returns the picture height in twips. Throws Error when the
// plot cannot be laid out; nothing has been drawn then.
double ComputeVerticalLayout(const Project& project, PlotState& state, DrawingSurface& surface);

// The largest picture side, in pixels, that the display draws.
inline constexpr int kMaxPicturePixels = 32767;

// The largest time scale, in the project's units and rounded down to hundredths, whose screen
// picture is at most kMaxPicturePixels high on `surface`. Throws Error when the plot cannot be
// laid out for another reason.
double LargestDrawableTimeScale(const Project& project, DrawingSurface& surface);

// Why the project's time scale gives a picture too tall to draw on `surface`, naming the largest
// that fits; nothing when it fits, or when the plot cannot be laid out for another reason (the
// drawing tells that one).
std::optional<std::string> TimeScaleTooLarge(const Project& project, DrawingSurface& surface);

// A project opened with a time scale too large to draw (saved by an older version) takes the
// largest that fits, so that it opens with its synthetic, and is marked changed. Returns what to
// tell the user, or nothing when the scale fits.
std::optional<std::string> FitTimeScaleToPicture(Project& project, DrawingSurface& surface);

// The vertical scroll bar of the window showing the picture, in scroll units of 10 twips.
struct VerticalScrollRange {
    int max = 0;
    int largeChange = 0;
    int smallChange = 0;
};
VerticalScrollRange ComputeVerticalScrollRange(double pictureHeight, double windowInnerHeight,
                                               double twipsPerPixelY, double readoutHeight,
                                               double horizontalScrollHeight);

// The picture's top for a scroll value, or nothing when the value lies beyond the plot length
// limit (scroll positions past 32767 twips); the window then shows the message below.
std::optional<double> PictureTopForScroll(int scrollValue, double twipsPerPixelY);
inline constexpr double kPlotLengthLimitTwips = 32767.0;
// The scroll value nearest to `scrollValue` that the plot length limit allows: a scroll past the
// limit (End on a long plot) goes as far as it may before the message is shown.
int ScrollValueWithinLimit(int scrollValue);
inline constexpr const char* kPlotLengthLimitTitle = "Plot Length Limit";
inline constexpr const char* kPlotLengthLimitMessage =
    "You have reached the limit of screen plot length.\nPlease choose a smaller time scale.";

}  // namespace tessarin
