#include "files/knee_file.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <fstream>
#include <iterator>
#include <optional>

#include "engine/stretch.h"
#include "model/error.h"
#include "model/numeric.h"
#include "model/user_file.h"

namespace tessarin {
namespace {

using Knees = std::vector<StretchKnee>;

// The knee a line holds, or nothing when it is not two finite numbers.
std::optional<StretchKnee> KneeOf(std::string_view line) {
    std::vector<double> numbers;
    for (std::size_t start = 0; start < line.size();) {
        const std::size_t end = std::min(line.find_first_of(" \t,\r", start), line.size());
        if (end > start) {
            const auto x = ParseNumber(line.substr(start, end - start));
            if (!x || !std::isfinite(*x)) {
                return std::nullopt;
            }
            numbers.push_back(*x);
        }
        start = end + 1;
    }
    if (numbers.size() != 2) {
        return std::nullopt;
    }
    return StretchKnee{numbers[0], numbers[1]};
}

}  // namespace

ReadResult<Knees> ReadKneeText(std::string_view text, const std::string& path) {
    const std::string named = "The knee file \"" + path + "\"";
    Knees knees;
    int lineNumber = 0;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        const std::size_t first = line.find_first_not_of(" \t\r");
        if (first == std::string_view::npos || line[first] == '#') {
            continue;
        }
        const std::optional<StretchKnee> knee = KneeOf(line);
        if (!knee) {
            return ReadResult<Knees>::Failure(
                named + ", line " + std::to_string(lineNumber) +
                ": two numbers are expected, the time on the synthetic and the time it moves "
                "to, in seconds.");
        }
        knees.push_back(*knee);
    }
    if (knees.empty()) {
        return ReadResult<Knees>::Failure(named + " holds no knees.");
    }
    try {
        return ReadResult<Knees>::Of(OrderedKnees(std::move(knees)));
    } catch (const Error& e) {
        std::string reason = e.what();
        reason[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(reason[0])));
        return ReadResult<Knees>::Failure(named + ": " + reason);
    }
}

ReadResult<Knees> ReadKneeFile(const std::string& path) {
    if (const auto problem = UnreadableFileProblem(path)) {
        return ReadResult<Knees>::Failure(UnreadableFileMessage(path, *problem));
    }
    std::ifstream in(path, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in && !in.eof()) {
        return ReadResult<Knees>::Failure("The file \"" + path + "\" cannot be read.");
    }
    return ReadKneeText(text, path);
}

}  // namespace tessarin
