#include "import/depth_log.h"

#include <cstddef>

#include "model/pair_sort.h"

namespace tessarin {

void SortDepthLog(DepthLog& log, ImportProgress& progress) {
    progress.Step("Sorting data");
    OneBased<double> depth(log.depth);
    OneBased<double> value(log.value);
    SortPairsByKey(log.Count(), depth, value, [&](double f) { progress.Advance(f); });
    log.decreasing = false;
}

void ReverseDepthLog(DepthLog& log, ImportProgress& progress) {
    progress.Step("Sorting data");
    OneBased<double> depth(log.depth);
    OneBased<double> value(log.value);
    ReversePairs(log.Count(), depth, value, [&](double f) { progress.Advance(f); });
    log.decreasing = !IsIncreasing(log);
}

bool IsIncreasing(const DepthLog& log) {
    for (std::size_t i = 1; i < log.depth.size(); ++i) {
        if (log.depth[i] < log.depth[i - 1]) {
            return false;
        }
    }
    return true;
}

namespace {

// Keeps, in order, the pairs i for which `keep(i, kept)` holds, `kept` pairs having been kept
// before.
template <class Keep>
void KeepPairs(DepthLog& log, Keep keep) {
    std::size_t kept = 0;
    for (std::size_t i = 0; i < log.depth.size(); ++i) {
        if (keep(i, kept)) {
            log.depth[kept] = log.depth[i];
            log.value[kept] = log.value[i];
            ++kept;
        }
    }
    log.depth.resize(kept);
    log.value.resize(kept);
}

}  // namespace

void DropRepeatedDepths(DepthLog& log) {
    KeepPairs(log, [&](std::size_t i, std::size_t kept) {
        return kept == 0 || log.depth[i] != log.depth[kept - 1];
    });
}

void KeepDepthRange(DepthLog& log, double top, double base) {
    KeepPairs(log, [&](std::size_t i, std::size_t) {
        return log.depth[i] >= top && log.depth[i] <= base;
    });
    log.decreasing = !IsIncreasing(log);
}

}  // namespace tessarin
