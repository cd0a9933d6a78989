#include "engine/synthetic_trace.h"

#include <algorithm>

#include "engine/datum.h"

namespace tessarin {

SampledTrace SyntheticTrace(const Project& project) {
    SampledTrace trace;
    trace.firstTime = FirstSampleTime(project);
    trace.interval = 2.0 * project.sampleIntervalUs / 1000000.0;
    const std::size_t count =
        std::min(project.syntheticTrace.size(),
                 static_cast<std::size_t>(std::max(0, project.lastSampleIndex + 1)));
    trace.values.assign(project.syntheticTrace.begin(),
                        project.syntheticTrace.begin() + static_cast<std::ptrdiff_t>(count));
    return trace;
}

}  // namespace tessarin
