#pragma once

// A trace sampled evenly in two-way time: the synthetic of a project or a seismic trace read from
// a file. Sample i lies at firstTime + i x interval seconds.

#include <cstddef>
#include <vector>

namespace tessarin {

struct SampledTrace {
    double firstTime = 0.0;  // two-way seconds
    double interval = 0.0;   // two-way seconds between samples
    std::vector<double> values;

    double TimeAt(std::size_t i) const { return firstTime + static_cast<double>(i) * interval; }
    // The time of the last sample (the first time for an empty trace).
    double LastTime() const { return values.empty() ? firstTime : TimeAt(values.size() - 1); }

    bool operator==(const SampledTrace&) const = default;
};

}  // namespace tessarin
