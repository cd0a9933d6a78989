#include "plot/layout.h"

#include <algorithm>
#include <cmath>

#include "model/error.h"
#include "model/numeric.h"
#include "plot/display_panels.h"
#include "plot/plot_values.h"

namespace tessarin {

PlotFont PlotTextFont(const Project& project, double points) {
    return PlotFont{project.plotFontName, points, project.plotFontBold, project.plotFontItalic};
}

double ScreenCorrectionFactor(const Project& project) {
    const double factor =
        static_cast<float>(NumberOf(project.screenCorrection, "screen scale correction"));
    if (!(factor > 0.0) || !std::isfinite(factor)) {
        throw Error("The screen scale correction must be a positive number.");
    }
    return factor;
}

double ComputeHeaderHeight(const Project& project, DrawingSurface& surface, double points) {
    surface.SetFont(PlotTextFont(project, points));
    // The seismic line of a tied well takes a line of its own, so that it keeps clear of the
    // panel titles.
    const double lines = project.tie ? 11.0 : 10.0;
    double height = lines * surface.TextHeight("00") + 400.0;
    surface.SetFontSize(kTitlePoints);
    height += surface.TextHeight("00");
    surface.SetFontSize(points);
    return height;
}

double TraceSpacingInches(const Project& project) {
    const double perUnit = NumberOf(project.tracesPerUnit, "number of traces per unit");
    if (!(perUnit > 0.0)) {
        throw Error("The number of traces per inch or centimetre must be greater than zero.");
    }
    const double spacing = 1.0 / perUnit;
    return project.measurementUnits == kMetric ? spacing / 2.54 : spacing;
}

TracePanels PlaceTracePanels(const Project& project, DrawingSurface& surface, double start,
                             double correction) {
    TracePanels panels;
    panels.panelWidth = project.traceCount * 1440.0 * TraceSpacingInches(project);
    panels.normalCentre = start + panels.panelWidth / 2.0;
    const double normalTitleClear =
        (surface.TextWidth("Normal") / 2.0 + surface.TextWidth("Reverse")) / correction;
    panels.reverseCentre =
        panels.normalCentre + std::max(360.0 + panels.panelWidth, normalTitleClear);
    panels.end = panels.reverseCentre +
                 std::max(panels.panelWidth, surface.TextWidth("Reverse") / correction) / 2.0;
    return panels;
}

double ComputeHorizontalLayout(const Project& project, DrawingSurface& surface) {
    // Text widths are measured on the device and enter the layout divided by the correction.
    const double correction = ScreenCorrectionFactor(project);
    surface.SetFont(PlotTextFont(project, kPlotTextPoints));
    double width = 0.0;
    for (const DisplayPanel& panel : DisplayPanels()) {
        if (panel.room) {
            width = panel.room(project, surface, width, correction);
        }
    }
    return width;
}

double TwipsPerSample(const Project& project) {
    double inchesPerSecond = NumberOf(project.timeScale, "time scale");
    if (!(inchesPerSecond > 0.0)) {
        throw Error("The time scale must be greater than zero.");
    }
    if (project.measurementUnits == kMetric) {
        inchesPerSecond /= 2.54;
    }
    return inchesPerSecond * 1440.0 * project.sampleIntervalUs / 500000.0;
}

// Time panels: the time axis runs to the next whole 100 ms after the last sample.
double TimePanelsBottom(const PlotState& state, int n) {
    const double spm = state.samplesPer100ms;
    return state.plotOriginY +
           spm * state.screenTwipsPerSample *
               std::floor((n + spm - 1 + state.firstLabelSampleOffset) / spm) +
           state.textHeight / 2.0;
}

namespace {

double TablesBottom(const Project& project, double timeBottom, double th) {
    double bottom = timeBottom + 450.0 + (HorizonsInTable(project) + 1) * 1.2 * th;
    if (project.applyVelocitySurvey) {
        const int groups =
            1 + static_cast<int>(std::floor((project.velocitySurveyCount - 0.1) / 7.0));
        bottom += th * 1.2 * (2.0 + 2.1 * groups);
    }
    return bottom;
}

double WaveletPanelBottom(const Project& project, const PlotState& state, double timeBottom) {
    const double length = NumberOf(project.waveletLength, "wavelet length");
    return timeBottom + 450.0 + 3.7 * state.textHeight +
           state.screenTwipsPerSample * (1.0 + length * 500000.0 / project.sampleIntervalUs);
}

}  // namespace

double ComputeTimeLayout(const Project& project, PlotState& state, DrawingSurface& surface,
                         double correction, double points) {
    CheckSampledLogs(project);
    const int n = project.lastSampleIndex;
    state.screenCorrection = correction;
    state.textPoints = points;

    const double headerHeight = ComputeHeaderHeight(project, surface, points);
    state.firstPlotSample = 0;
    state.lastPlotSample = n;

    state.twipsPerSample = TwipsPerSample(project);
    state.screenTwipsPerSample = state.twipsPerSample * correction;
    state.plotOriginY = headerHeight - state.firstPlotSample * state.screenTwipsPerSample;

    state.samplesPer100ms = static_cast<int>(RoundHalfEven(50000.0 / project.sampleIntervalUs));
    if (project.timingLinesPer100ms < 1 || state.samplesPer100ms < project.timingLinesPer100ms) {
        throw Error("The timing lines are closer together than the samples.");
    }
    state.samplesPerTimingLine = state.samplesPer100ms / project.timingLinesPer100ms;

    state.firstLabelTime = std::floor(project.firstSampleTime * 10.0) / 10.0;
    state.firstLabelSampleOffset = std::max(0.0, (project.firstSampleTime - state.firstLabelTime) *
                                                     500000.0 / project.sampleIntervalUs);

    state.textHeight = surface.TextHeight("AAA");
    const double timeBottom = TimePanelsBottom(state, n);
    return std::max({timeBottom, TablesBottom(project, timeBottom, state.textHeight),
                     WaveletPanelBottom(project, state, timeBottom)});
}

double ComputeVerticalLayout(const Project& project, PlotState& state, DrawingSurface& surface) {
    const double bottom = ComputeTimeLayout(project, state, surface,
                                            ScreenCorrectionFactor(project), kPlotTextPoints);
    state.pictureHeight = bottom + 720.0 * state.screenCorrection;
    return state.pictureHeight;
}

VerticalScrollRange ComputeVerticalScrollRange(double pictureHeight, double windowInnerHeight,
                                               double twipsPerPixelY, double readoutHeight,
                                               double horizontalScrollHeight) {
    const double range = (pictureHeight - windowInnerHeight) + 5.0 * twipsPerPixelY +
                         readoutHeight + horizontalScrollHeight;
    // Scroll bar values are 16-bit.
    const double max = std::clamp(std::floor(range / 100.0) * 10.0, -32768.0, 32767.0);
    VerticalScrollRange scroll;
    scroll.max = static_cast<int>(max);
    scroll.largeChange = static_cast<int>(RoundHalfEven(max / 5.0));
    scroll.smallChange = static_cast<int>(RoundHalfEven(max / 25.0));
    return scroll;
}

int ScrollValueWithinLimit(int scrollValue) {
    // Scroll values are tens of twips, and the offset must stay within -32768 to 32767.
    const int farthest = static_cast<int>(kPlotLengthLimitTwips) / 10;
    return std::clamp(scrollValue, -farthest, farthest);
}

std::optional<double> PictureTopForScroll(int scrollValue, double twipsPerPixelY) {
    const double offset = scrollValue * 10.0;
    if (offset > kPlotLengthLimitTwips || offset < -32768.0) {
        return std::nullopt;
    }
    return 30.0 * twipsPerPixelY - offset;
}

namespace {

bool FitsPicture(Project& trial, double timeScale, DrawingSurface& surface) {
    trial.timeScale = Value(timeScale);
    PlotState state;
    const double height = ComputeVerticalLayout(trial, state, surface);
    return std::ceil(height / surface.TwipsPerPixel()) <= kMaxPicturePixels;
}

std::string TimeScaleText(double timeScale, const Project& project) {
    return PlainNumber(timeScale) +
           (project.measurementUnits == kMetric ? " cm/sec" : " inches/sec");
}

}  // namespace

double LargestDrawableTimeScale(const Project& project, DrawingSurface& surface) {
    // The picture grows with the time scale: halve the range until it is narrower than the
    // hundredths the answer is given in.
    Project trial = project;
    double fits = 0.0;
    double tooLarge = 1.0;
    while (tooLarge < 1e15 && FitsPicture(trial, tooLarge, surface)) {
        fits = tooLarge;
        tooLarge *= 2.0;
    }
    while (tooLarge - fits > 0.001) {
        const double middle = (fits + tooLarge) / 2.0;
        (FitsPicture(trial, middle, surface) ? fits : tooLarge) = middle;
    }
    double hundredths = std::floor(fits * 100.0);
    while (hundredths > 0.0 && !FitsPicture(trial, hundredths / 100.0, surface)) {
        hundredths -= 1.0;
    }
    return hundredths / 100.0;
}

std::optional<std::string> TimeScaleTooLarge(const Project& project, DrawingSurface& surface) {
    try {
        // A time scale that is no number or not above zero throws here: the drawing tells it.
        TwipsPerSample(project);
        Project trial = project;
        if (FitsPicture(trial, project.timeScale.Number(), surface)) {
            return std::nullopt;
        }
        return "A time scale of " + TimeScaleText(project.timeScale.Number(), project) +
               " makes the plot too tall to draw. The largest time scale that fits is " +
               TimeScaleText(LargestDrawableTimeScale(project, surface), project) + ".";
    } catch (const Error&) {
        return std::nullopt;
    }
}

std::optional<std::string> FitTimeScaleToPicture(Project& project, DrawingSurface& surface) {
    auto problem = TimeScaleTooLarge(project, surface);
    if (problem) {
        const double largest = LargestDrawableTimeScale(project, surface);
        *problem += " The project is shown at " + TimeScaleText(largest, project) + ".";
        project.timeScale = Value(largest);
        project.projectChanged = true;
    }
    return problem;
}

}  // namespace tessarin
