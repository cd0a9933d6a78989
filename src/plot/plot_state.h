#pragma once

// The quantities of one drawing of the display: the vertical layout shared by every panel, the
// running x position the painters advance from left to right, and the positions the painters
// record for the pointer readout. Rebuilt on every redraw.

#include <optional>
#include <string>

#include "plot/tie_display.h"

namespace tessarin {

// What the pointer readout needs to turn a pointer position into time, depth and log values.
struct ReadoutPositions {
    bool valid = false;           // a display has been drawn through the timing lines
    double plotOriginY = 0.0;     // y of the first whole-100-ms line
    double firstLabelTime = 0.0;  // its time, seconds from the datum
    double lastTimingLineY = 0.0;
    double lastTimingLineTime = 0.0;
    double velocityGridMin = 0.0;
    double velocityGridMax = 0.0;
    double velocityGridLeftX = 0.0;
    double velocityGridRightX = 0.0;
    bool densityGridDrawn = false;
    double densityGridMin = 0.0;
    double densityGridMax = 0.0;
    double densityGridLeftX = 0.0;
    double densityGridRightX = 0.0;
    bool seismicPanelDrawn = false;  // the seismic trace panel, between these device x
    double seismicPanelLeftX = 0.0;
    double seismicPanelRightX = 0.0;
};

// Device x of the edges of a panel of traces.
struct PanelEdges {
    double left = 0.0;
    double right = 0.0;
};

struct PlotState {
    // Device: the factor applied to x positions (the screen correction on screen, 1 on paper)
    // and the size of plot text in points (8.25 on screen, 10 on paper).
    double screenCorrection = 1.0;
    double textPoints = 8.25;
    std::string dateText;  // the date the header shows as plotted; empty for today

    // Vertical layout.
    double twipsPerSample = 0.0;
    double screenTwipsPerSample = 0.0;
    int samplesPer100ms = 50;
    int samplesPerTimingLine = 50;
    int firstPlotSample = 0;
    int lastPlotSample = 0;
    double plotOriginY = 0.0;
    double firstLabelTime = 0.0;
    double firstLabelSampleOffset = 0.0;
    double textHeight = 0.0;  // line height of plot text

    // Horizontal position of the panel being drawn: plotWidth in layout twips, plotX the device
    // x (plotWidth x screenCorrection), plotXScale device twips per value unit of the panel.
    double plotWidth = 0.0;
    double plotX = 0.0;
    double plotXScale = 0.0;

    double layoutWidth = 0.0;  // of the horizontal layout, layout twips: the least picture width
    double pictureWidth = 0.0;
    double pictureHeight = 0.0;
    double panelTitlesRight = 0.0;  // device x where the last panel title ends
    double timeAxisEndY = 0.0;      // pen y after the last time label; the tables start below it
    double horizonTableRight = 0.0;
    // The normal, reverse and seismic trace panels as last drawn: the tie window is marked at
    // their edges.
    PanelEdges normalPanel;
    PanelEdges reversePanel;
    PanelEdges seismicPanel;

    TieDisplay tie;  // set by the recompute; drawing only reads it
    ReadoutPositions readout;

    // y of time sample i (fractional i allowed).
    double SampleY(double i) const {
        return plotOriginY + (i + firstLabelSampleOffset) * screenTwipsPerSample;
    }
    // The top of the time panels: the first whole-100-ms line of the drawn range, or on a printed
    // page the page's own top.
    double Top() const {
        return pageTop ? *pageTop : plotOriginY + firstPlotSample * screenTwipsPerSample;
    }
    std::optional<double> pageTop;  // set for a printed page
    // The next timing line at or after the last drawn sample.
    double GridBottom() const;
};

}  // namespace tessarin
