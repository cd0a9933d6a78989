#include "import/las_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

#include "import/las_reader.h"
#include "model/numeric.h"

namespace tessarin::las {

bool IsComment(std::string_view line) {
    // A plain loop: every data line passes here, twice, and most start with a few blanks.
    std::size_t first = 0;
    while (first < line.size() && IsBlank(line[first])) {
        ++first;
    }
    return first < line.size() && line[first] == '#';
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
    for (std::size_t number = 1; position < bytes.size(); ++number) {
        const std::string_view line = ReadTextLine(bytes, position);
        if (line.size() > kLongestHeaderLine) {
            throw LongLine{number};
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

namespace {

// Powers of ten that a double holds exactly.
constexpr std::array<double, 23> kExactPowersOfTen = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// Nearly every value of a LAS data section is a plain decimal: an optional minus, digits, and a
// point with more digits ("-999.2500"). Read as one whole number below 2^53 and divided by an
// exact power of ten, it is the correctly rounded value of the text in one division, the value
// from_chars gives too, at a fraction of its cost. Nothing for any other text.
std::optional<double> PlainDecimal(std::string_view field) {
    const bool negative = !field.empty() && field.front() == '-';
    std::size_t i = negative ? 1 : 0;
    std::uint64_t whole = 0;
    std::size_t digits = 0;
    std::size_t point = field.size();
    for (; i < field.size(); ++i) {
        const char c = field[i];
        if (c >= '0' && c <= '9') {
            whole = whole * 10 + static_cast<std::uint64_t>(c - '0');
            ++digits;
        } else if (c == '.' && point == field.size() && digits > 0) {
            point = i;
        } else {
            return std::nullopt;
        }
    }
    const std::size_t decimals = point == field.size() ? 0 : field.size() - point - 1;
    if (digits == 0 || digits > 15 || decimals >= kExactPowersOfTen.size()) {
        return std::nullopt;
    }
    const double value = static_cast<double>(whole) / kExactPowersOfTen[decimals];
    return negative ? -value : value;
}

}  // namespace

std::optional<double> DataNumber(std::string_view field) {
    if (const auto plain = PlainDecimal(field)) {
        return plain;
    }
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
