#include "engine/trace_preview.h"

#include <algorithm>
#include <cmath>

#include "engine/project_tie.h"
#include "engine/synthetic_trace.h"
#include "model/error.h"

namespace tessarin {
namespace {

constexpr double kMargin = 0.05;  // of the synthetic's length, above and below it

std::optional<TieWindow> Common(const TieWindow& a, const TieWindow& b) {
    const TieWindow common{std::max(a.start, b.start), std::min(a.end, b.end)};
    return common.start < common.end ? std::optional(common) : std::nullopt;
}

}  // namespace

PreviewTimes ProjectPreviewTimes(const Project& project) {
    // What cannot be found is left out: the preview shows what it can without it.
    PreviewTimes times;
    try {
        const SampledTrace synthetic = SyntheticTrace(project);
        if (synthetic.values.size() > 1) {
            times.synthetic = TieWindow{synthetic.firstTime, synthetic.LastTime()};
        }
    } catch (const Error&) {
    }
    try {
        times.window = project.tie ? TieWindowTimes(project) : std::nullopt;
    } catch (const Error&) {
    }
    return times;
}

TracePreview PreviewOf(const SampledTrace& trace, const PreviewTimes& times) {
    const TieWindow whole{trace.firstTime, trace.LastTime()};
    const std::optional<TieWindow> synthetic =
        times.synthetic ? Common(*times.synthetic, whole) : std::nullopt;
    TracePreview preview{whole, std::nullopt, 0};
    if (synthetic) {
        // A margin of the trace around the synthetic sets the tie window apart from the frame.
        const TieWindow& s = *times.synthetic;
        const double margin = kMargin * (s.end - s.start);
        preview.shown = {std::min(s.start, std::max(s.start - margin, whole.start)),
                         std::max(s.end, std::min(s.end + margin, whole.end))};
    }
    preview.window = times.window ? Common(*times.window, preview.shown) : synthetic;
    for (std::size_t i = 0; i < trace.values.size(); ++i) {
        const double t = trace.TimeAt(i);
        if (t >= preview.shown.start && t <= preview.shown.end) {
            preview.largest = std::max(preview.largest, std::fabs(trace.values[i]));
        }
    }
    return preview;
}

}  // namespace tessarin
