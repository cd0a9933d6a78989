#include "engine/trace_search.h"

#include <cmath>
#include <limits>

#include "model/error.h"

namespace tessarin {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

double Distance(const SearchCell& cell) {
    return std::hypot(cell.inlineOffset, cell.crosslineOffset);
}

bool Better(const SearchCell& cell, const SearchCell& than) {
    return cell.best.r > than.best.r ||
           (cell.best.r == than.best.r && Distance(cell) < Distance(than));
}

}  // namespace

TraceSearch SearchTraces(const SampledTrace& synthetic, const std::vector<SearchTrace>& traces,
                         const std::optional<TieWindow>& window, double maxLag) {
    TieOptions options;
    options.window = window;
    options.maxLag = maxLag;
    // Only the lag curve and its peak: each trace's phase would cost far more than its lags.
    options.lagOnly = true;
    TraceSearch search;
    for (const SearchTrace& t : traces) {
        SearchCell cell{t.inlineOffset, t.crosslineOffset, {kNaN, kNaN}};
        try {
            cell.best = MeasureTie(synthetic, t.trace, options).bestLag;
        } catch (const Error&) {
            // A trace outside the window, or flat in it, leaves its cell empty.
        }
        const std::size_t at = search.cells.size();
        search.cells.push_back(cell);
        if (!std::isnan(cell.best.r) &&
            (!search.best || Better(cell, search.cells[*search.best]))) {
            search.best = at;
        }
        if (cell.inlineOffset == 0 && cell.crosslineOffset == 0) {
            search.chosen = at;
        }
    }
    return search;
}

}  // namespace tessarin
