#include "files/knee_file.h"

#include <cctype>

#include "engine/stretch.h"
#include "files/column_text.h"
#include "model/error.h"

namespace tessarin {

using Knees = std::vector<StretchKnee>;

ReadResult<Knees> ReadKneeText(std::string_view text, const std::string& path) {
    const std::string named = "The knee file \"" + path + "\"";
    Knees knees;
    for (const ColumnLine& line : ColumnLines(text)) {
        const auto numbers = LineNumbers(line.text);
        if (!numbers || numbers->size() != 2) {
            return ReadResult<Knees>::Failure(
                named + ", line " + std::to_string(line.number) +
                ": two numbers are expected, the time on the synthetic and the time it moves "
                "to, in seconds.");
        }
        knees.push_back({(*numbers)[0], (*numbers)[1]});
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
    const ReadResult<std::string> text = ReadWholeFile(path);
    if (!text) {
        return ReadResult<Knees>::Failure(text.message);
    }
    return ReadKneeText(*text.value, path);
}

}  // namespace tessarin
