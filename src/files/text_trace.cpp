#include "files/text_trace.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <optional>
#include <vector>

#include "model/error.h"
#include "model/numeric.h"
#include "model/user_file.h"

namespace tessarin {
namespace {

// A step may be off by this share of the interval: times written to a few decimals stay within.
constexpr double kSpacingTolerance = 0.01;

std::vector<std::string_view> Fields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (start < line.size()) {
        const std::size_t end = line.find_first_of(" \t,\r", start);
        const std::size_t stop = end == std::string_view::npos ? line.size() : end;
        if (stop > start) {
            fields.push_back(line.substr(start, stop - start));
        }
        start = stop + 1;
    }
    return fields;
}

// The time and amplitude of a line, or nothing when it is not two numbers.
std::optional<std::pair<double, double>> Sample(std::string_view line) {
    const auto fields = Fields(line);
    if (fields.size() != 2) {
        return std::nullopt;
    }
    const auto time = ParseNumber(fields[0]);
    const auto amplitude = ParseNumber(fields[1]);
    if (!time || !amplitude || !std::isfinite(*time) || !std::isfinite(*amplitude)) {
        return std::nullopt;
    }
    return std::pair(*time, *amplitude);
}

}  // namespace

ReadResult<SampledTrace> ReadTextTraceText(std::string_view text, const std::string& path) {
    const std::string named = "The trace file \"" + path + "\"";
    std::vector<double> times;
    std::vector<int> lineNumbers;
    SampledTrace trace;
    int lineNumber = 0;
    bool titleAllowed = true;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        const std::size_t first = line.find_first_not_of(" \t\r");
        if (first == std::string_view::npos || line[first] == '#') {
            continue;
        }
        const auto sample = Sample(line);
        if (sample) {
            times.push_back(sample->first);
            trace.values.push_back(sample->second);
            lineNumbers.push_back(lineNumber);
        } else if (!titleAllowed) {
            return ReadResult<SampledTrace>::Failure(
                named + ", line " + std::to_string(lineNumber) +
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
    if (const auto problem = UnreadableFileProblem(path)) {
        return ReadResult<SampledTrace>::Failure(UnreadableFileMessage(path, *problem));
    }
    std::ifstream in(path, std::ios::binary);
    std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in && !in.eof()) {
        return ReadResult<SampledTrace>::Failure("The file \"" + path + "\" cannot be read.");
    }
    return ReadTextTraceText(text, path);
}

}  // namespace tessarin
