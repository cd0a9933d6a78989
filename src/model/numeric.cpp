#include "model/numeric.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <stdexcept>

#include "model/error.h"

namespace tessarin {
namespace {

// A finite non-negative number as decimal digits: value = 0.d1d2d3... x 10^exponent.
// Fifteen significant digits, as many as a double holds reliably; rounding then works on these
// decimal digits, so 0.125 and 1.005 round the way a user reading them expects.
struct Decimal {
    std::string digits;  // no leading zeros unless the number is zero ("0")
    int exponent = 0;    // position of the decimal point relative to the first digit
};

Decimal ToDecimal(double magnitude) {
    if (magnitude == 0.0) {
        return {"0", 1};
    }
    // The digits printf("%.14e") gives, which to_chars promises, without printf's slow exact
    // arithmetic: the project file writes thousands of numbers through here.
    char buffer[40];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 14)
            .ptr;
    // buffer looks like "d.ddddddddddddddde+XX"
    std::string text(buffer, end);
    const auto e = text.find('e');
    Decimal d;
    d.digits = text.substr(0, 1) + text.substr(2, e - 2);
    d.exponent = std::stoi(text.substr(e + 1)) + 1;
    return d;
}

// Rounds the decimal to `places` digits after the point, halves away from zero. Returns the
// integer digits and exactly `places` fraction digits.
std::pair<std::string, std::string> RoundToPlaces(const Decimal& d, int places) {
    // All digits as one string with the point after `pointAt` digits.
    std::string all = d.digits;
    int pointAt = d.exponent;
    if (pointAt < 0) {
        all.insert(0, static_cast<std::size_t>(-pointAt), '0');
        pointAt = 0;
    }
    const std::size_t keep = static_cast<std::size_t>(pointAt + places);
    if (all.size() < keep) {
        all.append(keep - all.size(), '0');
    }
    const bool roundUp = all.size() > keep && all[keep] >= '5';
    all.resize(keep);
    if (roundUp) {
        int i = static_cast<int>(all.size()) - 1;
        while (i >= 0 && all[static_cast<std::size_t>(i)] == '9') {
            all[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++all[static_cast<std::size_t>(i)];
        } else {
            all.insert(0, "1");
            ++pointAt;
        }
    }
    std::string integer = all.substr(0, static_cast<std::size_t>(pointAt));
    std::string fraction = all.substr(static_cast<std::size_t>(pointAt));
    const auto firstNonZero = integer.find_first_not_of('0');
    integer = firstNonZero == std::string::npos ? "" : integer.substr(firstNonZero);
    return {integer, fraction};
}

std::string TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

}  // namespace

double RoundHalfEven(double x) {
    // nearbyint follows the default rounding mode, round to nearest with ties to even.
    return std::nearbyint(x);
}

std::int16_t ToInt16(double x) {
    const double r = RoundHalfEven(x);
    if (!(r >= -32768.0 && r <= 32767.0)) {
        throw OverflowError("The number " + PlainNumber(x) + " is outside -32768 to 32767.");
    }
    return static_cast<std::int16_t>(r);
}

std::int32_t ToInt32(double x) {
    const double r = RoundHalfEven(x);
    if (!(r >= -2147483648.0 && r <= 2147483647.0)) {
        throw OverflowError("The number " + PlainNumber(x) +
                            " is outside -2147483648 to 2147483647.");
    }
    return static_cast<std::int32_t>(r);
}

double IntFloor(double x) {
    return std::floor(x);
}

std::optional<double> ParseNumber(std::string_view text) {
    std::string s = TrimBlanks(text);
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        ++i;
    }
    std::size_t digits = 0;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) {
        ++i, ++digits;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) {
            ++i, ++digits;
        }
    }
    if (digits == 0) {
        return std::nullopt;
    }
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        s[i] = 'E';
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            ++j;
        }
        std::size_t expDigits = 0;
        while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) {
            ++j, ++expDigits;
        }
        if (expDigits == 0) {
            return std::nullopt;
        }
        i = j;
    }
    if (i != s.size()) {
        return std::nullopt;
    }
    const double value = std::strtod(s.c_str(), nullptr);
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

double TextToNumber(std::string_view text) {
    if (auto value = ParseNumber(text)) {
        return *value;
    }
    throw ConversionError("\"" + std::string(text) + "\" is not a number.");
}

std::int16_t TextToInt16(std::string_view text) {
    return ToInt16(TextToNumber(text));
}

std::string FormatPattern(double x, std::string_view pattern) {
    const auto point = pattern.find('.');
    const std::string_view intPattern = pattern.substr(0, point);
    const std::string_view fracPattern =
        point == std::string_view::npos ? std::string_view{} : pattern.substr(point + 1);
    for (char c : std::string(intPattern) + std::string(fracPattern)) {
        if (c != '#' && c != '0') {
            throw std::invalid_argument("unsupported digit pattern " + std::string(pattern));
        }
    }
    const auto firstZero = intPattern.find('0');
    const std::size_t minIntDigits =
        firstZero == std::string_view::npos ? 0 : intPattern.size() - firstZero;
    const auto lastZero = fracPattern.rfind('0');
    const std::size_t minFracDigits = lastZero == std::string_view::npos ? 0 : lastZero + 1;

    if (!std::isfinite(x)) {
        return PlainNumber(x);
    }
    auto [integer, fraction] =
        RoundToPlaces(ToDecimal(std::fabs(x)), static_cast<int>(fracPattern.size()));
    const bool isZero = integer.empty() && fraction.find_first_not_of('0') == std::string::npos;
    if (integer.size() < minIntDigits) {
        integer.insert(0, minIntDigits - integer.size(), '0');
    }
    while (fraction.size() > minFracDigits && fraction.back() == '0') {
        fraction.pop_back();
    }
    std::string out = (x < 0 && !isZero) ? "-" : "";
    out += integer;
    if (point != std::string_view::npos) {
        out += '.';
        out += fraction;
    }
    return out;
}

std::string FormatAt(std::string_view text, int width) {
    std::string out(text);
    if (static_cast<int>(out.size()) < width) {
        out.insert(0, static_cast<std::size_t>(width) - out.size(), ' ');
    }
    return out;
}

std::string PlainNumber(double x) {
    if (std::isnan(x)) {
        return "NaN";
    }
    if (std::isinf(x)) {
        return x < 0 ? "-Inf" : "Inf";
    }
    if (x == 0.0) {
        return "0";
    }
    const std::string sign = x < 0 ? "-" : "";
    Decimal d = ToDecimal(std::fabs(x));
    while (d.digits.size() > 1 && d.digits.back() == '0') {
        d.digits.pop_back();
    }
    const int exp10 = d.exponent - 1;  // exponent of the leading digit
    if (exp10 < -3 || exp10 >= 15) {
        std::string mantissa = d.digits.substr(0, 1);
        if (d.digits.size() > 1) {
            mantissa += "." + d.digits.substr(1);
        }
        char exponent[16];
        std::snprintf(exponent, sizeof exponent, "E%c%02d", exp10 < 0 ? '-' : '+', std::abs(exp10));
        return sign + mantissa + exponent;
    }
    std::string out;
    if (d.exponent <= 0) {
        out = "." + std::string(static_cast<std::size_t>(-d.exponent), '0') + d.digits;
    } else if (static_cast<std::size_t>(d.exponent) >= d.digits.size()) {
        out = d.digits + std::string(static_cast<std::size_t>(d.exponent) - d.digits.size(), '0');
    } else {
        out = d.digits.substr(0, static_cast<std::size_t>(d.exponent)) + "." +
              d.digits.substr(static_cast<std::size_t>(d.exponent));
    }
    return sign + out;
}

std::string PrintedNumber(double x) {
    const std::string plain = PlainNumber(x);
    return plain[0] == '-' ? plain + " " : " " + plain + " ";
}

}  // namespace tessarin
