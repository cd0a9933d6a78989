#include "model/saved_value.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <iterator>
#include <sstream>

#include "model/error.h"
#include "model/numeric.h"
#include "model/text_io.h"

namespace tessarin {
namespace {

// A field after the one tried, to see that nothing of the value spilt into it.
constexpr const char* kNextField = "next";

bool IsFieldBlank(char c) {
    return c == ' ' || c == '\t';
}

// Field input drops blanks and tabs around a field.
std::string Trimmed(const std::string& text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && IsFieldBlank(text[first])) {
        ++first;
    }
    while (last > first && IsFieldBlank(text[last - 1])) {
        --last;
    }
    return text.substr(first, last - first);
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

bool HasLineBreak(const std::string& text) {
    return text.find_first_of("\r\n") != std::string::npos;
}

// The number a value stands for in a file: its number, 0 when empty, or the number its text reads
// as.
std::optional<double> NumberIn(const Value& value) {
    if (value.IsText()) {
        return ParseNumber(value.ToText());
    }
    return value.Number();
}

// What is wrong with a text the reader did not give back, in the user's words; nothing when no
// rule of the file explains it.
std::optional<std::string> TextReason(const std::string& text, const char* separators,
                                      const char* separatorWords) {
    if (HasLineBreak(text)) {
        return "it holds a line break";
    }
    const std::string field = Trimmed(text);
    if (field.empty()) {
        return "it is empty";
    }
    if (field.front() == '"') {
        return "it begins with a quotation mark";
    }
    if (field.find_first_of(separators) != std::string::npos) {
        return std::string("it holds ") + separatorWords;
    }
    return std::nullopt;
}

std::string ReadBackReason(const std::optional<Value>& back) {
    return back ? "it would read back as " + ShownValue(*back) : "it would not read back at all";
}

// Prints `value` followed by another field, reads both back and says what went wrong, if
// anything.
std::optional<std::string> RoundTripProblem(const Value& value) {
    if (value.IsNumber() && !std::isfinite(value.Number())) {
        return "it is not a finite number";
    }
    std::ostringstream out;
    PrintWriter(out).Item(value).NextZone().Text(kNextField).EndLine();
    std::istringstream in(out.str());
    FieldReader fields(in, "");
    std::optional<Value> back;
    try {
        back = fields.ValueField();
        if (SameSavedValue(value, *back) && fields.Field() == kNextField) {
            return std::nullopt;
        }
    } catch (const Error&) {
        // Explained below.
    }
    if (value.IsText()) {
        if (auto reason = TextReason(value.ToText(), " \t,", "a blank or a comma")) {
            return reason;
        }
    } else {
        const std::string written = PlainNumber(value.Number());
        if (!ParseNumber(written)) {
            return "it would be written rounded to " + written +
                   ", beyond the largest number a file can hold";
        }
    }
    return ReadBackReason(back);
}

}  // namespace

bool SameSavedValue(const Value& written, const Value& readBack) {
    if (const std::optional<double> number = NumberIn(written)) {
        return std::isfinite(*number) && readBack.IsNumber() &&
               PlainNumber(*number) == PlainNumber(readBack.Number());
    }
    return readBack.IsText() && Trimmed(written.ToText()) == readBack.ToText();
}

std::optional<std::string> SavedValueProblem(const Value& value) {
    if (value.IsText()) {
        // Read back, the text becomes this number, and the next save writes the number.
        if (const std::optional<double> number = ParseNumber(value.ToText())) {
            if (auto problem = RoundTripProblem(Value(*number))) {
                return problem;
            }
        }
    }
    return RoundTripProblem(value);
}

std::optional<std::string> SavedNumberProblem(const Value& value) {
    if (auto problem = SavedValueProblem(value)) {
        return problem;
    }
    if (!NumberIn(value)) {
        return "it is not a number";
    }
    return std::nullopt;
}

std::optional<std::string> BoxNumberProblem(std::string_view text, std::string_view what) {
    const std::string typed(text);
    const std::string number = Trimmed(typed);
    const std::string name(what);
    if (number.empty()) {
        return "The " + name + " is missing: please enter a number.";
    }
    const std::optional<std::string> unsaved = SavedNumberProblem(Value::Text(typed));
    if (!unsaved) {
        return std::nullopt;
    }
    if (ParseNumber(number)) {
        return "The " + name + " " + number + " cannot be saved: " + *unsaved + ".";
    }
    if (WrittenAsNumber(number)) {
        return "The " + name + " " + number + " is too large.";
    }
    if (std::any_of(number.begin(), number.end(), IsFieldBlank)) {
        return "The " + name + " \"" + number +
               "\" has a blank inside: please type the number without blanks.";
    }
    return "The " + name + " \"" + number + "\" is not a number.";
}

std::optional<std::string> BoxInt16Problem(std::string_view text, std::string_view what) {
    if (auto problem = BoxNumberProblem(text, what)) {
        return problem;
    }
    try {
        ToInt16(TextToNumber(text));
    } catch (const OverflowError&) {
        return "The " + std::string(what) + " " + Trimmed(std::string(text)) +
               " is outside -32768 to 32767.";
    }
    return std::nullopt;
}

std::optional<std::string> SavedLineProblem(const std::string& text) {
    std::ostringstream out;
    PrintWriter(out).Text(text).EndLine().Text(kNextField).EndLine();
    std::istringstream in(out.str());
    FieldReader fields(in, "");
    try {
        if (fields.Line() == text && fields.Line() == kNextField) {
            return std::nullopt;
        }
    } catch (const Error&) {
        // Explained below.
    }
    return HasLineBreak(text) ? "it holds a line break" : "it would not read back whole";
}

std::optional<std::string> SavedFieldProblem(const std::string& text) {
    std::ostringstream out;
    PrintWriter(out).Text(text).EndLine().Text(kNextField).EndLine();
    std::istringstream in(out.str());
    FieldReader fields(in, "");
    std::optional<Value> back;
    try {
        back = Value::Text(fields.Field());
        if (back->ToText() == Trimmed(text) && fields.Field() == kNextField) {
            return std::nullopt;
        }
    } catch (const Error&) {
        // Explained below.
    }
    if (auto reason = TextReason(text, ",", "a comma")) {
        return reason;
    }
    return ReadBackReason(back);
}

std::optional<std::string> PatternedNumberProblem(double x, std::string_view pattern) {
    if (!std::isfinite(x)) {
        return "it is not a finite number";
    }
    const std::optional<double> back = ParseNumber(FormatPattern(x, pattern));
    if (!back) {
        return "it is too large to be written and read back";
    }
    if (!SamePatternedNumber(x, *back, pattern)) {
        return "it would read back as " + PlainNumber(*back);
    }
    return std::nullopt;
}

bool SamePatternedNumber(double written, double readBack, std::string_view pattern) {
    // Half a unit of the last place kept, and the 15 significant digits beyond which a file
    // keeps nothing.
    static constexpr double kHalfUnit[] = {0.5, 0.05, 0.005, 0.0005, 0.00005, 0.000005};
    const auto point = pattern.find('.');
    const std::size_t places = point == std::string_view::npos ? 0 : pattern.size() - point - 1;
    const double halfUnit = places < std::size(kHalfUnit) ? kHalfUnit[places] : 0.0;
    const double tolerance = halfUnit * (1.0 + 1e-9) + std::fabs(written) * 1e-14;
    return std::fabs(written - readBack) <= tolerance;
}

std::string ShownValue(const Value& value) {
    if (!value.IsNumber()) {
        return "\"" + value.ToText() + "\"";
    }
    const double x = value.Number();
    if (!std::isfinite(x)) {
        return PlainNumber(x);
    }
    char digits[32];
    const auto end = std::to_chars(digits, digits + sizeof digits, x).ptr;
    return std::string(digits, end);
}

std::string NotSavedMessage(const std::string& document, const std::string& field,
                            const std::string& shown, const std::string& reason) {
    return "The " + document + " was not saved: the " + field + " " + shown +
           " would not read back the same from the file (" + reason + ").";
}

}  // namespace tessarin
