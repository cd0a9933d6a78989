#pragma once

// Sorting and reversing of paired tables (depth and value, depth and time, depth and name),
// entries 1 to count, as the log import, the velocity survey and the horizon table use them.

#include <functional>
#include <utility>
#include <vector>

namespace tessarin {

// Told the fraction done, 0 to 1, so a progress bar can follow a long sort.
using ProgressFn = std::function<void(double)>;

// Heapsort in place over entries 1 to count, ascending by key; entries of `carried` move with
// their keys. Not stable: equal keys come out in no guaranteed order. The order of operations is
// the program's own, so equal keys land where they always have.
template <class Keys, class Carried>
void SortPairsByKey(int count, Keys& keys, Carried& carried, const ProgressFn& progress = {}) {
    if (count < 2) {
        return;
    }
    int l = count / 2 + 1;
    int ir = count;
    for (;;) {
        auto asideKey = keys[1];
        auto asideCarried = carried[1];
        if (l > 1) {
            --l;
            asideKey = keys[l];
            asideCarried = carried[l];
        } else {
            asideKey = keys[ir];
            asideCarried = carried[ir];
            keys[ir] = keys[1];
            carried[ir] = carried[1];
            --ir;
            if (progress) {
                progress(static_cast<double>(count - ir) / count);
            }
            if (ir == 1) {
                keys[1] = std::move(asideKey);
                carried[1] = std::move(asideCarried);
                return;
            }
        }
        int i = l;
        int j = 2 * l;
        while (j <= ir) {
            if (j < ir && keys[j] < keys[j + 1]) {
                ++j;
            }
            if (asideKey < keys[j]) {
                keys[i] = keys[j];
                carried[i] = carried[j];
                i = j;
                j = 2 * j;
            } else {
                j = ir + 1;
            }
        }
        keys[i] = std::move(asideKey);
        carried[i] = std::move(asideCarried);
    }
}

// Reverses entries 1 to count of both tables.
template <class Depths, class Values>
void ReversePairs(int count, Depths& depths, Values& values, const ProgressFn& progress = {}) {
    for (int i = 1, j = count; i < j; ++i, --j) {
        std::swap(depths[i], depths[j]);
        std::swap(values[i], values[j]);
        if (progress) {
            progress(static_cast<double>(i) / count);
        }
    }
    if (progress) {
        progress(1.0);
    }
}

}  // namespace tessarin
