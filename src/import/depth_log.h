#pragma once

// A log in depth: depth-value pairs as read from a file, and the one-way times that the
// depth-to-time conversion integrates from them. Vectors are indexed from 0 and sized to the data.

#include <cstddef>
#include <vector>

#include "import/import_progress.h"

namespace tessarin {

struct DepthLog {
    std::vector<double> depth;  // measured depth below KB, feet or metres
    std::vector<double> value;  // sonic transit time, or bulk density
    bool decreasing = false;    // a depth was smaller than the one read before it

    int Count() const { return static_cast<int>(depth.size()); }
    void Add(double d, double v) {
        if (!depth.empty() && d < depth.back()) {
            decreasing = true;
        }
        depth.push_back(d);
        value.push_back(v);
    }
};

// Entries 1 to n of a 0-based vector, for the table routines that count from 1.
template <class T>
class OneBased {
public:
    explicit OneBased(std::vector<T>& v) : v_(v) {}
    T& operator[](int i) { return v_[static_cast<std::size_t>(i - 1)]; }

private:
    std::vector<T>& v_;
};

// Brings the pairs into increasing depth order, reporting "Sorting data". A plain file is sorted;
// a LAS file whose depths fall is reversed, and sorted after that should a depth still fall.
void SortDepthLog(DepthLog& log, ImportProgress& progress);
void ReverseDepthLog(DepthLog& log, ImportProgress& progress);

// True when no depth is smaller than the one before it.
bool IsIncreasing(const DepthLog& log);

// Keeps the first of the pairs that repeat a depth exactly, in a log ordered by depth: an
// interval of no length has no time and no average density (a log often ends on one depth
// written several times).
void DropRepeatedDepths(DepthLog& log);

// Keeps the pairs whose depth lies from `top` to `base`, both included.
void KeepDepthRange(DepthLog& log, double top, double base);

}  // namespace tessarin
