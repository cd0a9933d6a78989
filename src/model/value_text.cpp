#include "model/value_text.h"

#include <cctype>

#include "model/error.h"
#include "model/numeric.h"

namespace tessarin {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Written like a number (sign, digits with a point, exponent), whatever its size.
bool WrittenAsNumber(std::string_view s) {
    std::size_t i = 0;
    const auto digitsFrom = [&s](std::size_t& at) {
        std::size_t count = 0;
        while (at < s.size() && std::isdigit(static_cast<unsigned char>(s[at]))) {
            ++at, ++count;
        }
        return count;
    };
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        ++i;
    }
    std::size_t digits = digitsFrom(i);
    if (i < s.size() && s[i] == '.') {
        ++i;
        digits += digitsFrom(i);
    }
    if (digits == 0) {
        return false;
    }
    if (i < s.size() && std::string_view("EeDd").find(s[i]) != std::string_view::npos) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
            ++i;
        }
        if (digitsFrom(i) == 0) {
            return false;
        }
    }
    return i == s.size();
}

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

}  // namespace

std::optional<std::string> NumberTextProblem(std::string_view text, std::string_view what) {
    const std::string_view number = Trimmed(text);
    const std::string name(what);
    if (number.empty()) {
        return "The " + name + " is missing: please enter a number.";
    }
    if (ParseNumber(number)) {
        return std::nullopt;
    }
    if (WrittenAsNumber(number)) {
        return "The " + name + " " + std::string(number) + " is too large.";
    }
    for (char c : number) {
        if (IsBlank(c)) {
            return "The " + name + " " + Quoted(number) +
                   " has a blank inside: please type the number without blanks.";
        }
    }
    return "The " + name + " " + Quoted(number) + " is not a number.";
}

std::optional<std::string> Int16TextProblem(std::string_view text, std::string_view what) {
    if (auto problem = NumberTextProblem(text, what)) {
        return problem;
    }
    try {
        ToInt16(TextToNumber(text));
    } catch (const OverflowError&) {
        return "The " + std::string(what) + " " + std::string(Trimmed(text)) +
               " is outside -32768 to 32767.";
    }
    return std::nullopt;
}

}  // namespace tessarin
