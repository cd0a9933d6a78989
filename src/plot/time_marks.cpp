// The horizon markers, blue lines from the depth axis across the panels to the horizon names, and
// the dotted timing lines with their time labels.

#include <algorithm>
#include <cmath>
#include <vector>

#include "model/numeric.h"
#include "plot/painters.h"

namespace tessarin {

namespace {

// x of the depth axis, in layout twips.
double DepthAxisX(const Project& project, const PlotState& state, DrawingSurface& surface) {
    return 1440.0 * project.leftMarginInches + surface.TextWidth("00000") / state.screenCorrection;
}

}  // namespace

namespace {

struct HorizonMark {
    int entry;
    double markerY;
    double labelY;
};

// The horizons inside the drawn range, each with the y of its line and of its label. A label
// closer than one line below the label above is pushed down to one line below it. Labels pushed
// past the end of the time panels are pulled back up, still one line apart, so that they stay
// clear of the tables below (never above the top of the panels).
std::vector<HorizonMark> PlaceHorizonLabels(const Project& project, const PlotState& state,
                                            double lineHeight) {
    std::vector<HorizonMark> marks;
    const int count = std::min(project.horizonCount, kTableSize - 1);
    for (int h = 1; h <= count; ++h) {
        // The horizon time truncated to 0.1 ms, as a sample position.
        const double sample =
            std::floor(project.horizonTimes[static_cast<std::size_t>(h)] * 10000.0) * 50.0 /
            project.sampleIntervalUs;
        if (sample < state.firstPlotSample || sample > state.lastPlotSample) {
            continue;
        }
        const double markerY = state.SampleY(sample);
        double labelY = markerY;
        if (!marks.empty() && labelY - marks.back().labelY < lineHeight) {
            labelY = marks.back().labelY + lineHeight;
        }
        marks.push_back({h, markerY, labelY});
    }
    double lowest = state.GridBottom();
    for (auto mark = marks.rbegin(); mark != marks.rend(); ++mark) {
        mark->labelY = std::min(mark->labelY, lowest);
        lowest = mark->labelY - lineHeight;
    }
    double highest = state.Top();
    for (HorizonMark& mark : marks) {
        mark.labelY = std::max(mark.labelY, highest);
        highest = mark.labelY + lineHeight;
    }
    return marks;
}

}  // namespace

void PaintHorizonMarkers(const Project& project, PlotState& state, DrawingSurface& surface) {
    const double sc = state.screenCorrection;
    const double axis = DepthAxisX(project, state, surface);
    state.plotWidth += 141.0;
    state.plotX = state.plotWidth * sc;
    surface.SetPenStyle(PenStyle::kSolid);

    const double nameColumn = state.plotX + surface.TextWidth("0000");
    const Rgb previousColour = surface.Color();
    surface.SetColor(kBlue);
    for (const HorizonMark& mark : PlaceHorizonLabels(project, state, surface.TextHeight("00"))) {
        surface.Line((axis + 600.0) * sc, mark.markerY, nameColumn, mark.labelY);
        surface.LineTo(nameColumn + 80.0 * sc, mark.labelY);
        const std::string& name = project.horizonNames[static_cast<std::size_t>(mark.entry)];
        surface.MoveTo(nameColumn + 120.0 * sc, mark.labelY - surface.TextHeight(name) / 2.0);
        surface.PrintText(name);
    }
    surface.SetColor(previousColour);
}

void PaintTimingLines(const Project& project, PlotState& state, DrawingSurface& surface) {
    const double sc = state.screenCorrection;
    const double axis = DepthAxisX(project, state, surface);
    surface.SetPenWidth(project.gridPenWidth);
    surface.SetPenStyle(PenStyle::kDotted);

    const int spm = state.samplesPer100ms;
    const int perLine = state.samplesPerTimingLine;
    const double lastK = state.lastPlotSample + perLine - 1 + state.firstLabelSampleOffset;
    const double leftLabelEnd = (axis + 570.0) * sc;
    const double rightLabelX = state.plotX + 60.0 * sc;
    ReadoutPositions& readout = state.readout;
    readout.plotOriginY = state.plotOriginY;
    readout.firstLabelTime = state.firstLabelTime;
    // k counts samples from the first whole-100-ms line.
    for (int k = state.firstPlotSample; k <= lastK; ++k) {
        const double y = state.plotOriginY + k * state.screenTwipsPerSample;
        const double time = k / static_cast<double>(spm) / 10.0 + state.firstLabelTime;
        if (k % spm == 0) {
            const std::string text = FormatPattern(time, "0.0");
            const double textTop = y - surface.TextHeight(text) / 2.0;
            surface.MoveTo(leftLabelEnd - surface.TextWidth(text), textTop);
            surface.PrintLine(text);
            surface.MoveTo(rightLabelX, textTop);
            surface.PrintLine(text);
        }
        if (k % perLine == 0) {
            surface.Line((axis + 630.0) * sc, y, state.plotX, y);
            readout.lastTimingLineY = y;
            readout.lastTimingLineTime = time;
        }
    }
    state.timeAxisEndY = surface.CurrentY();
    readout.valid = true;
    surface.SetPenStyle(PenStyle::kSolid);
    surface.SetPenWidth(1);
}

}  // namespace tessarin
