#include "model/value.h"

#include "model/error.h"
#include "model/numeric.h"

namespace tessarin {

Value Value::Text(std::string text) {
    Value v;
    v.content_ = std::move(text);
    return v;
}

Value Value::FromField(const std::string& field) {
    if (auto number = ParseNumber(field)) {
        return Value(*number);
    }
    return Text(field);
}

double Value::Number() const {
    if (const auto* number = std::get_if<double>(&content_)) {
        return *number;
    }
    if (const auto* text = std::get_if<std::string>(&content_)) {
        return TextToNumber(*text);
    }
    return 0.0;
}

std::string Value::ToText() const {
    if (const auto* number = std::get_if<double>(&content_)) {
        return PlainNumber(*number);
    }
    if (const auto* text = std::get_if<std::string>(&content_)) {
        return *text;
    }
    return {};
}

std::string PrintedValue(const Value& value) {
    const std::string text = value.ToText();
    const auto number = value.IsText() ? ParseNumber(text) : std::nullopt;
    return number ? PlainNumber(*number) : text;
}

double NumberOf(const Value& value, const std::string& what) {
    try {
        return value.Number();
    } catch (const ConversionError&) {
        throw Error("The " + what + " \"" + value.ToText() + "\" is not a number.");
    }
}

}  // namespace tessarin
