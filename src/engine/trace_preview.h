#pragma once

// What Load Seismic Trace's preview shows of a trace: the times of the project's synthetic, where
// the tie is made, rather than the whole trace, whose first samples may hold a spike that would
// flatten the rest; and the tie window within those times.

#include <optional>

#include "engine/tie.h"
#include "model/project.h"
#include "model/sampled_trace.h"

namespace tessarin {

// The times the project gives the preview: its computed synthetic's (with the bulk shift), and its
// tie window's (nothing for the overlap of synthetic and trace). Nothing where the project cannot
// give them: no synthetic computed, a horizon of the window no longer in the table.
struct PreviewTimes {
    std::optional<TieWindow> synthetic;
    std::optional<TieWindow> window;
};

PreviewTimes ProjectPreviewTimes(const Project& project);

struct TracePreview {
    TieWindow shown;                  // the synthetic's times and a little of the trace around
    std::optional<TieWindow> window;  // the tie window within `shown`; nothing outside it
    double largest = 0;               // the largest amplitude shown, which scales the preview
};

// Without a synthetic, or with one that does not reach the trace, the whole trace is shown. The
// window is the one given, or else where the synthetic and the trace overlap.
TracePreview PreviewOf(const SampledTrace& trace, const PreviewTimes& times);

}  // namespace tessarin
