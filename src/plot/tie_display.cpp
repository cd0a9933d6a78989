#include "plot/tie_display.h"

#include <algorithm>
#include <cmath>

#include "engine/project_tie.h"
#include "engine/synthetic_trace.h"
#include "model/error.h"

namespace tessarin {
namespace {

// The RMS of the samples of `trace` from `from` to `to` seconds; 0 when none lies there.
double Rms(const SampledTrace& trace, double from, double to) {
    const double tolerance = 1e-6 * trace.interval;
    double sum = 0.0;
    int count = 0;
    for (std::size_t i = 0; i < trace.values.size(); ++i) {
        const double t = trace.TimeAt(i);
        if (t >= from - tolerance && t <= to + tolerance) {
            sum += trace.values[i] * trace.values[i];
            ++count;
        }
    }
    return count > 0 ? std::sqrt(sum / count) : 0.0;
}

// The times both traces are scaled over: the tie window, else where the two overlap, else the
// whole of both.
TieWindow ScalingWindow(const TieDisplay& tie, const SampledTrace& synthetic,
                        const SampledTrace& seismic) {
    if (tie.window) {
        return *tie.window;
    }
    const TieWindow overlap{std::max(synthetic.firstTime, seismic.firstTime),
                            std::min(synthetic.LastTime(), seismic.LastTime())};
    if (overlap.start < overlap.end) {
        return overlap;
    }
    return {-HUGE_VAL, HUGE_VAL};
}

}  // namespace

TieDisplay ComputeTieDisplay(const Project& project) {
    TieDisplay tie;
    if (!project.tie) {
        return tie;
    }
    tie.computed = true;
    SampledTrace synthetic;
    try {
        synthetic = SyntheticTrace(project);
        TieOptions lagOnly;
        lagOnly.lagOnly = true;
        const TieMeasures measures = MeasureProjectTie(project, lagOnly);
        tie.window = measures.window;
        tie.best = measures.bestLag;
    } catch (const Error& failure) {
        tie.failure = failure.what();
    }
    const SampledTrace& seismic = project.tie->trace;
    const TieWindow window = ScalingWindow(tie, synthetic, seismic);
    const double seismicRms = Rms(seismic, window.start, window.end);
    tie.seismicGain =
        seismicRms > 0.0 ? Rms(synthetic, window.start, window.end) / seismicRms : 0.0;
    return tie;
}

}  // namespace tessarin
