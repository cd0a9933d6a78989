// The horizon markers, blue lines from the depth axis across the panels to the horizon names, and
// the dotted timing lines with their time labels.

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "model/numeric.h"
#include "plot/painters.h"

namespace tessarin {

namespace {

// A timing line this close above the top of the panels still belongs to them.
constexpr double kTopTolerance = 0.5;

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

// Spreads labels that would stand closer than `lineHeight`: each run of crowded labels is centred
// on the mean of its horizons, one line apart, so labels move down or up as little as they can
// (the least squares placement, by pooling adjacent runs). `marks` is in order of markerY.
void SpreadLabels(std::vector<HorizonMark>& marks, double lineHeight) {
    // With label k at base + k x lineHeight, the bases must not decrease; a run shares one base,
    // the mean of its wanted bases.
    struct Run {
        double baseSum;
        int count;
        double Base() const { return baseSum / count; }
    };
    std::vector<Run> runs;
    for (std::size_t k = 0; k < marks.size(); ++k) {
        runs.push_back({marks[k].markerY - static_cast<double>(k) * lineHeight, 1});
        while (runs.size() > 1 && runs[runs.size() - 2].Base() > runs.back().Base()) {
            runs[runs.size() - 2].baseSum += runs.back().baseSum;
            runs[runs.size() - 2].count += runs.back().count;
            runs.pop_back();
        }
    }
    std::size_t k = 0;
    for (const Run& run : runs) {
        for (int i = 0; i < run.count; ++i, ++k) {
            marks[k].labelY = run.Base() + static_cast<double>(k) * lineHeight;
        }
    }
}

// Where the header's first line, the well name, starts.
constexpr double kHeaderTextTop = 400.0;

// The horizons inside the drawn range, each with the y of its line and of its label. Labels are
// spread one line apart where horizons crowd, and kept between the top of the time panels and the
// last timing line, so that they stay clear of the titles above and the tables below.

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
        marks.push_back({h, markerY, markerY});
    }
    // Labels keep the order of their lines, so that no two leaders cross.
    std::ranges::stable_sort(marks, {}, &HorizonMark::markerY);
    SpreadLabels(marks, lineHeight);
    // More labels than the panels' height holds (a small time scale) may rise into the margin
    // beside the header band, which is empty there, rather than run down into the tables.
    const double lowest = state.GridBottom();
    const double needed = (static_cast<double>(marks.size()) - 1.0) * lineHeight;
    double highest = std::min(state.Top(), std::max(kHeaderTextTop, lowest - needed));
    double bottom = lowest;
    for (auto mark = marks.rbegin(); mark != marks.rend(); ++mark) {
        mark->labelY = std::min(mark->labelY, bottom);
        bottom = mark->labelY - lineHeight;
    }
    for (HorizonMark& mark : marks) {
        mark.labelY = std::max(mark.labelY, highest);
        highest = mark.labelY + lineHeight;
    }
    return marks;
}

}  // namespace

// Each marker is level at its own time across every panel, so that it can be read against the
// traces and logs. Only in the margin right of the last panel does it bend to its label, where
// crowded labels have been spread apart.
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
        surface.Line((axis + 600.0) * sc, mark.markerY, state.plotX, mark.markerY);
        surface.LineTo(nameColumn, mark.labelY);
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
    // At a small time scale a label that would touch the one above is left out; its line stays.
    double labelAboveBottom = -std::numeric_limits<double>::infinity();
    // k counts samples from the first whole-100-ms line.
    for (int k = state.firstPlotSample; k <= lastK; ++k) {
        const double y = state.plotOriginY + k * state.screenTwipsPerSample;
        if (y < state.Top() - kTopTolerance) {
            continue;  // above a printed page's first sample, which stands at its top
        }
        const double time = k / static_cast<double>(spm) / 10.0 + state.firstLabelTime;
        const std::string text = k % spm == 0 ? FormatPattern(time, "0.0") : std::string();
        const double textTop = y - surface.TextHeight(text) / 2.0;
        if (!text.empty() && textTop > labelAboveBottom) {
            labelAboveBottom = textTop + surface.TextHeight(text);
            surface.MoveTo(leftLabelEnd - surface.TextWidth(text), textTop);
            surface.PrintLine(text);
            // The horizon markers bend to their names across this column: the label is cleared
            // of them so that it reads.
            surface.ClearBox(rightLabelX - 30.0 * sc, textTop,
                             rightLabelX + surface.TextWidth(text) + 30.0 * sc,
                             textTop + surface.TextHeight(text));
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
