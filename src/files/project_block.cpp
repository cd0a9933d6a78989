#include "files/project_block.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "model/user_file.h"

namespace tessarin::block {
namespace {

constexpr int kMaxInt = std::numeric_limits<int>::max();
constexpr int kMinInt = std::numeric_limits<int>::min();

// " from 1 to 237", " of at least 1", or nothing for any whole number.
std::string RangeText(long long lowest, long long highest) {
    if (highest != std::numeric_limits<long long>::max() && highest != kMaxInt) {
        return " from " + std::to_string(lowest) + " to " + std::to_string(highest);
    }
    return lowest > kMinInt ? " of at least " + std::to_string(lowest) : std::string();
}

}  // namespace

std::string Number(double x) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, x).ptr;
    return std::string(text, end);
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    return first == std::string::npos
               ? std::string()
               : text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::optional<std::string> BlockLines::Next() {
    std::string line;
    bool any = false;
    for (char c; in_.get(c) && c != '\n';) {
        if (line.size() == kLongestTextLine) {
            throw Damaged{"a line is longer than " + std::to_string(kLongestTextLine) +
                          " characters"};
        }
        line += c;
        any = true;
    }
    if (!any && !in_) {
        return std::nullopt;
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return line;
}

std::string BlockLines::Required(const std::string& whereItEnds) {
    std::optional<std::string> line = Next();
    if (!line) {
        throw Damaged{"the file ends " + whereItEnds};
    }
    return *line;
}

const std::string& Fields::Text(const std::string& name) const {
    const auto found = values_.find(name);
    if (found == values_.end()) {
        throw Damaged{"it has no " + Quoted(name) + " line"};
    }
    return found->second;
}

long long Fields::Whole(const std::string& name, long long lowest, long long highest) const {
    const std::string text = Trimmed(Text(name));
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty() ||
        value < lowest || value > highest) {
        throw Damaged{"its " + name + " " + Quoted(text) + " is not a whole number" +
                      RangeText(lowest, highest)};
    }
    return value;
}

double Fields::ParsedNumber(const std::string& name, const std::string& given) {
    const std::string text = Trimmed(given);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty() ||
        !std::isfinite(value)) {
        throw Damaged{"its " + name + " " + Quoted(text) + " is not a number"};
    }
    return value;
}

Fields ReadFields(BlockLines& lines, long long& count) {
    Fields fields;
    for (;;) {
        const std::string line = lines.Required("inside the block, before its samples");
        const auto equals = line.find('=');
        if (equals == std::string::npos) {
            throw Damaged{"its line " + Quoted(line) + " is not of the form \"name = value\""};
        }
        std::string value = line.substr(equals + 1);
        if (!value.empty() && value.front() == ' ') {
            value.erase(0, 1);
        }
        fields.Add(Trimmed(line.substr(0, equals)), value);
        if (Trimmed(line.substr(0, equals)) == "samples") {
            count = fields.Whole("samples", 1, std::numeric_limits<long long>::max());
            return fields;
        }
    }
}

std::vector<double> ReadSamples(BlockLines& lines, long long count, const std::string& what,
                                const std::string& blockEnd) {
    std::vector<double> values;
    for (long long k = 0; k < count; ++k) {
        const std::string where =
            "after " + std::to_string(k) + " of " + what + " " + std::to_string(count) + " samples";
        const std::string line = lines.Required(where);
        if (Trimmed(line) == blockEnd) {
            throw Damaged{"the block ends " + where};
        }
        values.push_back(Fields::ParsedNumber("sample " + std::to_string(k + 1), line));
    }
    return values;
}

void ReadBlockEnd(BlockLines& lines, long long count, const std::string& what,
                  const std::string& blockEnd) {
    const std::string end = lines.Required("after " + what + " samples, before " + blockEnd);
    if (Trimmed(end) != blockEnd) {
        throw Damaged{"after its " + std::to_string(count) + " samples it holds " + Quoted(end) +
                      " where " + blockEnd + " should stand"};
    }
}

}  // namespace tessarin::block
