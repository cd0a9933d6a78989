#pragma once

// A seismic trace as plain text: one sample a line, the two-way time in seconds and the amplitude,
// separated by blanks, TABs or a comma. The first line may be a title (it is when it does not hold
// two numbers); blank lines and lines beginning with "#" are skipped. The times must rise evenly:
// a trace sampled unevenly, a line of other than two numbers, or fewer than two samples are
// refused with a message naming the file and the line.

#include <string>
#include <string_view>

#include "files/read_result.h"
#include "model/sampled_trace.h"

namespace tessarin {

ReadResult<SampledTrace> ReadTextTrace(const std::string& path);
ReadResult<SampledTrace> ReadTextTraceText(std::string_view text, const std::string& path);

}  // namespace tessarin
