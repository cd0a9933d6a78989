#include "import/depth_log.h"

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

}  // namespace tessarin
