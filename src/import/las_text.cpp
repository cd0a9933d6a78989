#include "import/las_text.h"

#include <charconv>
#include <cmath>

#include "import/las_reader.h"
#include "model/numeric.h"

namespace tessarin::las {

bool IsComment(std::string_view line) {
    const std::size_t first = line.find_first_not_of(" \t");
    return first != std::string_view::npos && line[first] == '#';
}

std::string_view Strip(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool BeginsWithMnemonic(std::string_view line, std::string_view mnemonic) {
    if (line.starts_with(' ')) {
        line.remove_prefix(1);
    }
    if (!line.starts_with(mnemonic)) {
        return false;
    }
    if (mnemonic.size() > 2 || line.size() == mnemonic.size()) {
        return true;
    }
    const char next = line[mnemonic.size()];
    return next == '.' || IsBlank(next);
}

std::optional<std::string_view> FindLine(std::string_view bytes,
                                         std::initializer_list<std::string_view> mnemonics,
                                         bool stopAtData) {
    std::size_t position = 0;
    while (position < bytes.size()) {
        const std::string_view line = ReadTextLine(bytes, position);
        if (line.size() > kLongestHeaderLine) {
            throw LongLine{};
        }
        if (stopAtData && line.starts_with("~A")) {
            return std::nullopt;
        }
        for (std::string_view mnemonic : mnemonics) {
            if (BeginsWithMnemonic(line, mnemonic)) {
                return line;
            }
        }
    }
    return std::nullopt;
}

std::optional<std::string> AfterBlankValue(std::string_view line) {
    line = Strip(line);
    std::size_t start = line.find_first_of(" \t");
    start = start == std::string_view::npos ? 0 : line.find_first_not_of(" \t", start);
    const std::size_t colon = line.find(':', start);
    if (colon == std::string_view::npos) {
        return std::nullopt;
    }
    return std::string(Strip(line.substr(start, colon - start)));
}

std::optional<std::string> LastTokenValue(std::string_view line) {
    line = Strip(line);
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos) {
        return std::nullopt;
    }
    std::size_t i = colon;
    while (i > 0 && IsBlank(line[i - 1])) {
        --i;
    }
    while (i > 0 && !IsBlank(line[i - 1])) {
        --i;
    }
    return std::string(line.substr(i, colon - i));
}

std::optional<std::string> DotValue(std::string_view line) {
    line = Strip(line);
    const std::size_t colon = line.find(':');
    const std::size_t dot = line.find('.');
    if (colon == std::string_view::npos || dot == std::string_view::npos || dot > colon) {
        return std::nullopt;
    }
    return std::string(Strip(line.substr(dot + 1, colon - dot - 1)));
}

std::optional<std::string> VersionRuleValue(std::string_view line, bool version2) {
    if (version2) {
        return DotValue(line);
    }
    line = Strip(line);
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos) {
        return std::nullopt;
    }
    return std::string(Strip(line.substr(colon + 1)));
}

std::optional<std::string> VersionNumberText(std::string_view line) {
    return DotValue(line);
}

std::optional<double> DataNumber(std::string_view field) {
    double value = 0.0;
    const char* end = field.data() + field.size();
    const auto [ptr, ec] = std::from_chars(field.data(), end, value);
    if (ec == std::errc() && ptr == end && std::isfinite(value)) {
        return value;
    }
    if (ec == std::errc() && ptr == end) {
        return std::nullopt;  // "nan" or "inf"
    }
    return ParseNumber(field);
}

}  // namespace tessarin::las
