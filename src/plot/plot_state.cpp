#include "plot/plot_state.h"

#include <cmath>

namespace tessarin {

double PlotState::GridBottom() const {
    const double lines =
        std::floor((lastPlotSample + samplesPerTimingLine - 1 + firstLabelSampleOffset) /
                   samplesPerTimingLine);
    return plotOriginY + samplesPerTimingLine * screenTwipsPerSample * lines;
}

}  // namespace tessarin
