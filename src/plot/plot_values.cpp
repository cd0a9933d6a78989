#include "plot/plot_values.h"

#include <algorithm>

#include "model/error.h"

namespace tessarin {

int HorizonsInTable(const Project& project) {
    return std::clamp(project.horizonCount, 0, kTableSize - 1);
}

void CheckSampledLogs(const Project& project) {
    const int n = project.lastSampleIndex;
    if (n < 0 || project.timeDepth.size() <= static_cast<std::size_t>(n)) {
        throw Error("The project holds no time-sampled log to plot.");
    }
    if (project.sampleIntervalUs <= 0) {
        throw Error("The sample interval of the log must be greater than zero.");
    }
}

void CheckSynthetic(const Project& project) {
    const auto n = static_cast<std::size_t>(project.lastSampleIndex);
    const bool density = project.impedanceType == kSonicDensity;
    if (project.intervalVelocity.size() <= n || project.syntheticTrace.size() <= n ||
        (density && project.timeDensity.size() <= n) ||
        !project.reflectionCoefficients.Contains(0) ||
        !project.reflectionCoefficients.Contains(project.lastSampleIndex)) {
        throw Error("The synthetic has not been computed for every sample of the log.");
    }
}

}  // namespace tessarin
