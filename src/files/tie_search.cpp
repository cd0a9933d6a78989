#include "files/tie_search.h"

#include <optional>
#include <utility>

#include "engine/project_tie.h"
#include "engine/synthetic_trace.h"
#include "model/error.h"

namespace tessarin {

std::optional<std::string> SearchRefusal(const Project& project) {
    if (!project.tie) {
        return "The project holds no seismic trace to search around: load one from a SEG-Y "
               "file first.";
    }
    if (!project.tie->source.IsSegy()) {
        return "The tie's trace is a text file's only trace: there are no traces around it to "
               "search.";
    }
    return std::nullopt;
}

ReadResult<TieSearch> SearchAroundTie(const Project& project, int reach, double maxLag) {
    if (const std::optional<std::string> refusal = SearchRefusal(project)) {
        return ReadResult<TieSearch>::Failure(*refusal);
    }
    if (reach < 1 || reach > kLargestSearchReach) {
        return ReadResult<TieSearch>::Failure(
            "A search reaches 1 to " + std::to_string(kLargestSearchReach) +
            " traces either side, not " + std::to_string(reach) + ".");
    }
    std::optional<TieWindow> window;
    SampledTrace synthetic;
    try {
        window = TieWindowTimes(project);
        synthetic = SyntheticTrace(project);
    } catch (const Error& e) {
        return ReadResult<TieSearch>::Failure(e.what());
    }
    ReadResult<NearbyTraces> nearby =
        ReadNearbyTraces(project.tie->source, reach, ReadOptionsOf(*project.tie));
    if (!nearby) {
        return ReadResult<TieSearch>::Failure(std::move(nearby.message));
    }
    TieSearch found;
    found.path = project.tie->source.path;
    found.alongLine = nearby.value->alongLine;
    found.reach = reach;
    std::vector<SearchTrace> traces;
    for (NearbyTrace& t : nearby.value->traces) {
        found.places.push_back({t.read.traceNumber, t.read.inlineNumber, t.read.crosslineNumber});
        traces.push_back({t.inlineOffset, t.crosslineOffset, std::move(t.read.trace)});
    }
    found.search = SearchTraces(synthetic, traces, window, maxLag);
    found.synthetic = std::move(synthetic);
    found.window = window;
    return ReadResult<TieSearch>::Of(std::move(found));
}

namespace {

bool TiedToTheSame(const TieSearch& search, const Project& project) {
    try {
        const std::optional<TieWindow> window = TieWindowTimes(project);
        return SyntheticTrace(project) == search.synthetic &&
               window.has_value() == search.window.has_value() &&
               (!window ||
                (window->start == search.window->start && window->end == search.window->end));
    } catch (const Error&) {
        return false;
    }
}

}  // namespace

std::optional<std::size_t> TiedCell(const TieSearch& search, const Project& project) {
    if (!project.tie || !project.tie->source.IsSegy() || project.tie->source.path != search.path ||
        !TiedToTheSame(search, project)) {
        return std::nullopt;
    }
    for (std::size_t k = 0; k < search.places.size(); ++k) {
        if (search.places[k].traceNumber == project.tie->source.traceNumber) {
            return k;
        }
    }
    return std::nullopt;
}

}  // namespace tessarin
