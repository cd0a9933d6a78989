#include "engine/project_tie.h"

#include <string>
#include <utility>

#include "engine/synthetic_trace.h"
#include "model/error.h"

namespace tessarin {
namespace {

const SeismicTie& TieOf(const Project& project) {
    if (!project.tie) {
        throw Error("The project holds no seismic trace to tie to: load one first.");
    }
    return *project.tie;
}

int HorizonNamed(const Project& project, const std::string& name) {
    for (int k = 1; k <= project.horizonCount && k < kTableSize; ++k) {
        if (project.horizonNames[static_cast<std::size_t>(k)] == name) {
            return k;
        }
    }
    throw Error("The tie window's horizon \"" + name + "\" is not in the horizon table.");
}

}  // namespace

void SetTieTrace(Project& project, SeismicSource source, SampledTrace trace) {
    SeismicTie tie = project.tie.value_or(SeismicTie{});
    tie.source = std::move(source);
    tie.trace = std::move(trace);
    project.tie = std::move(tie);
    project.projectChanged = true;
}

void SetTieWindow(Project& project, const TieWindowChoice& window) {
    TieOf(project);
    if (project.tie->window != window) {
        project.tie->window = window;
        project.projectChanged = true;
    }
}

std::optional<TieWindow> TieWindowTimes(const Project& project) {
    const TieWindowChoice& window = TieOf(project).window;
    switch (window.by) {
        case TieWindowChoice::By::kTimes:
            return TieWindow{window.start, window.end};
        case TieWindowChoice::By::kHorizons:
            return HorizonWindow(project, HorizonNamed(project, window.upperHorizon),
                                 HorizonNamed(project, window.lowerHorizon));
        case TieWindowChoice::By::kOverlap:
            break;
    }
    return std::nullopt;
}

TieMeasures MeasureProjectTie(const Project& project, const TieOptions& options) {
    TieOptions chosen = options;
    chosen.window = TieWindowTimes(project);
    return MeasureTie(SyntheticTrace(project), project.tie->trace, chosen);
}

}  // namespace tessarin
