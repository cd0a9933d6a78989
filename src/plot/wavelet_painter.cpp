// The wavelet panel: its parameters and a drawing of it at the plot's time scale, right of the
// horizon table.

#include <algorithm>
#include <span>

#include "model/numeric.h"
#include "plot/layout.h"
#include "plot/painters.h"
#include "plot/plot_values.h"
#include "plot/wiggle.h"

namespace tessarin {

namespace {

void PrintCentredAt(DrawingSurface& surface, double centreX, double y, const std::string& text) {
    surface.MoveTo(centreX - surface.TextWidth(text) / 2.0, y);
    surface.PrintText(text);
}

}  // namespace

void PaintWavelet(const Project& project, PlotState& state, DrawingSurface& surface) {
    state.plotWidth = state.horizonTableRight + surface.TextWidth("  Phase = 180 degrees  ");
    state.plotX = state.plotWidth;
    state.plotXScale = 1440.0 * state.screenCorrection / 3.0;
    const double x = state.plotX;
    const double top = state.timeAxisEndY + 450.0;
    const double th = surface.TextHeight("AAA");
    const double length = NumberOf(project.waveletLength, "wavelet length");
    const bool ricker = project.waveletType == kRickerWavelet;
    const bool extracted = project.waveletType == kExtractedWavelet && project.extractedWavelet;

    surface.SetBold(true);
    PrintCentredAt(surface, x, top - 1.1 * th,
                   ricker      ? "Ricker Wavelet"
                   : extracted ? "Extracted Wavelet"
                               : "Wavelet");
    surface.SetBold(false);
    if (extracted) {
        // Where it came from, in place of parameters it has none of: the file, then the window
        // and the method.
        const std::string& source = project.extractedWavelet->source;
        const std::size_t comma = source.find(", ");
        PrintCentredAt(surface, x, top + 0.1 * th, source.substr(0, comma));
        if (comma != std::string::npos) {
            PrintCentredAt(surface, x, top + 1.3 * th, source.substr(comma + 2));
        }
    } else {
        const std::string parameters =
            ricker
                ? "Frequency (Hz) = " + PrintedValue(project.lowCut)
                : PrintedValue(project.lowCut) + "-" + PrintedValue(project.lowPass) + "-" +
                      PrintedValue(project.highPass) + "-" + PrintedValue(project.highCut) + " Hz";
        PrintCentredAt(surface, x, top + 0.1 * th, parameters);
        PrintCentredAt(
            surface, x, top + 1.3 * th,
            "Phase = " + (ricker ? std::string("0") : PrintedValue(project.phaseDegrees)) +
                " degrees");
    }
    PrintCentredAt(surface, x, top + 2.5 * th,
                   "Length = " + FormatPattern(length, "0.000") + " Sec");

    // Samples -h to h, one per sample height, under the text.
    const int half = ToInt16(length * 250.0 * 1000.0 / project.sampleIntervalUs);
    const int first = std::max(-half, project.wavelet.First());
    const int last = std::min(half, project.wavelet.Last());
    if (project.wavelet.Empty() || first > last) {
        return;
    }
    const double firstY = top + 3.7 * th + (first + half) * state.screenTwipsPerSample;
    std::vector<double> samples;
    for (int j = first; j <= last; ++j) {
        samples.push_back(project.wavelet[j]);
    }
    surface.SetPenStyle(PenStyle::kSolid);
    surface.Line(x, firstY, x, firstY + (last - first) * state.screenTwipsPerSample);
    WiggleGeometry wiggle;
    wiggle.zeroX = x;
    wiggle.xPerUnit = state.plotXScale;
    wiggle.firstY = firstY;
    wiggle.yStep = state.screenTwipsPerSample;
    DrawWiggle(surface, samples, wiggle);
}

}  // namespace tessarin
