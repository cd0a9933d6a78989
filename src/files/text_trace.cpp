#include "files/text_trace.h"

#include <cmath>
#include <optional>
#include <vector>

#include "files/column_text.h"
#include "model/numeric.h"

namespace tessarin {
namespace {

// A step may be off by this share of the interval: times written to a few decimals stay within.
constexpr double kSpacingTolerance = 0.01;

// The time and amplitude of a line, or nothing when it is not two numbers.
std::optional<std::pair<double, double>> Sample(std::string_view line) {
    const auto numbers = LineNumbers(line);
    if (!numbers || numbers->size() != 2) {
        return std::nullopt;
    }
    return std::pair((*numbers)[0], (*numbers)[1]);
}

}  // namespace

ReadResult<SampledTrace> ReadTextTraceText(std::string_view text, const std::string& path) {
    const std::string named = "The trace file \"" + path + "\"";
    std::vector<double> times;
    std::vector<int> lineNumbers;
    SampledTrace trace;
    bool titleAllowed = true;
    for (const ColumnLine& line : ColumnLines(text)) {
        const auto sample = Sample(line.text);
        if (sample) {
            times.push_back(sample->first);
            trace.values.push_back(sample->second);
            lineNumbers.push_back(line.number);
        } else if (!titleAllowed) {
            return ReadResult<SampledTrace>::Failure(
                named + ", line " + std::to_string(line.number) +
                ": two numbers are expected, the two-way time in seconds and the amplitude.");
        }
        titleAllowed = false;
    }
    if (times.size() < 2) {
        return ReadResult<SampledTrace>::Failure(named +
                                                 " holds fewer than two samples of time and "
                                                 "amplitude.");
    }
    trace.firstTime = times.front();
    trace.interval = (times.back() - times.front()) / static_cast<double>(times.size() - 1);
    for (std::size_t k = 1; k < times.size(); ++k) {
        const double expected = trace.TimeAt(k);
        if (!(times[k] > times[k - 1]) ||
            std::fabs(times[k] - expected) > kSpacingTolerance * trace.interval) {
            return ReadResult<SampledTrace>::Failure(
                named + ", line " + std::to_string(lineNumbers[k]) + ": the time " +
                PlainNumber(times[k]) + " s breaks the even sampling of " +
                PlainNumber(trace.interval) + " s (" + PlainNumber(expected) +
                " s expected); the trace must be sampled evenly in rising time.");
        }
    }
    return ReadResult<SampledTrace>::Of(std::move(trace));
}

ReadResult<SampledTrace> ReadTextTrace(const std::string& path) {
    const ReadResult<std::string> text = ReadWholeFile(path);
    if (!text) {
        return ReadResult<SampledTrace>::Failure(text.message);
    }
    return ReadTextTraceText(*text.value, path);
}

}  // namespace tessarin
