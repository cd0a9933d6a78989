#pragma once

#include <string>
#include <variant>

namespace tessarin {

// A field of kind value: empty, a number, or the text the user typed. Arithmetic uses the numeric
// value; text output writes the value unchanged. An empty value counts as 0 and prints as "".
class Value {
public:
    Value() = default;
    Value(double number) : content_(number) {}  // NOLINT: numbers convert implicitly
    Value(int number) : content_(static_cast<double>(number)) {}  // NOLINT
    static Value Text(std::string text);

    // A value read from a file or a settings store: a text that reads as a number is kept as a
    // number, any other text as text.
    static Value FromField(const std::string& field);

    bool IsEmpty() const { return std::holds_alternative<std::monostate>(content_); }
    bool IsNumber() const { return std::holds_alternative<double>(content_); }
    bool IsText() const { return std::holds_alternative<std::string>(content_); }

    // The numeric value; throws ConversionError for a text that is not a number.
    double Number() const;

    // The value as text output shows it: the text itself, or the plain form of the number.
    std::string ToText() const;

    bool operator==(const Value& other) const = default;

private:
    std::variant<std::monostate, double, std::string> content_;
};

// A value as the header, the printout and the exports show it: a number in its plain form ("99",
// "12.7") whether it was typed or read from a file, so that a project prints the same after it
// is saved and opened again; a text that is no number as typed.
std::string PrintedValue(const Value& value);

// The number in a value field; throws Error naming `what` ("datum velocity") when the field holds
// text that is not a number.
double NumberOf(const Value& value, const std::string& what);

}  // namespace tessarin
