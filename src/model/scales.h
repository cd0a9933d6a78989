#pragma once

// What the Set Scales and AGC dialog shows and stores: time scale, traces per unit, amplitude,
// number of traces, AGC window and the depth type of the plot, as the texts of its boxes.

#include <optional>
#include <string>

#include "model/project.h"

namespace tessarin {

struct ScalesValues {
    std::string timeScale;
    std::string tracesPerUnit;
    std::string amplitude;
    std::string traceCount;
    std::string agcWindow;  // seconds, or "None"
    int plotDepthType = kMeasuredDepth;

    bool operator==(const ScalesValues&) const = default;
};

// The AGC window that switches AGC off.
inline constexpr const char* kNoAgc = "None";

// The boxes as the dialog opens: the stored texts, the amplitude formatted "0.00".
ScalesValues ScalesValuesOf(const Project& project);

// Why OK refuses the boxes, or nothing. Each box must hold a number that fits a 16-bit integer
// once rounded (fractions allowed), the AGC window unless it reads "None". The scales must be
// above zero and at least one trace drawn, since the plot is laid out with them.
std::optional<std::string> FindScalesProblem(const ScalesValues& values);

// OK: the record takes the texts, the number of traces rounded, and is marked changed. Throws
// Error for values that FindScalesProblem refuses.
void ApplyScalesValues(Project& project, const ScalesValues& values);

}  // namespace tessarin
