#include "model/saved_value.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>

#include "model/text_io.h"

namespace tessarin {
namespace {

constexpr double kLargest = std::numeric_limits<double>::max();  // 1.7976931348623157e308
constexpr const char* kTooLarge =
    "it would be written rounded to 1.79769313486232E+308, beyond the largest number a file can "
    "hold";

std::optional<std::string> Problem(const char* problem) {
    return problem ? std::optional<std::string>(problem) : std::nullopt;
}

TEST(SavedValue, ValuesThatWouldNotComeBackSayWhy) {
    const struct {
        Value value;
        const char* problem;  // nullptr: it comes back
    } rows[] = {
        {Value::Text("30"), nullptr},
        {Value::Text(" 1234.5 "), nullptr},  // the blanks around a number do not matter
        {Value::Text("abc"), nullptr},       // a text that is no number stays that text
        {Value::Text("-.5E+03"), nullptr},
        {Value(1234.56), nullptr},
        {Value(), nullptr},  // an empty field is written as 0 and counts as 0
        {Value(1.7976931348623e308), nullptr},
        {Value::Text(""), "it is empty"},
        {Value::Text("   "), "it is empty"},
        {Value::Text("1 10"), "it holds a blank or a comma"},
        {Value::Text("1,5"), "it holds a blank or a comma"},
        {Value::Text("North\tField"), "it holds a blank or a comma"},
        {Value::Text("\"quoted\""), "it begins with a quotation mark"},
        {Value::Text("two\r\nlines"), "it holds a line break"},
        {Value(kLargest), kTooLarge},
        // Typed in full it would come back once, as the number; saved again, it would not.
        {Value::Text("1.7976931348623157e308"), kTooLarge},
        {Value(std::nan("")), "it is not a finite number"},
        {Value(-std::numeric_limits<double>::infinity()), "it is not a finite number"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(SavedValueProblem(row.value), Problem(row.problem)) << ShownValue(row.value);

    // Fields the file must hold as numbers, whole lines, and the last field of a line, which
    // keeps blanks but ends at a comma.
    EXPECT_EQ(SavedNumberProblem(Value::Text("1500")), std::nullopt);
    EXPECT_EQ(SavedNumberProblem(Value::Text("deep")), "it is not a number");
    EXPECT_EQ(SavedNumberProblem(Value::Text("")), "it is empty");
    EXPECT_EQ(SavedLineProblem(" Top Chalk, upper "), std::nullopt);
    EXPECT_EQ(SavedLineProblem("Top\nChalk"), "it holds a line break");
    EXPECT_EQ(SavedFieldProblem("0 .5"), std::nullopt);
    EXPECT_EQ(SavedFieldProblem("0,5"), "it holds a comma");
    EXPECT_EQ(SavedFieldProblem(""), "it is empty");
}

TEST(SavedValue, DialogBoxesTakeOnlyNumbersASaveKeeps) {
    const struct {
        const char* typed;
        const char* problem;  // nullptr: the box takes it
    } rows[] = {
        {"100", nullptr},
        {" -12.5 ", nullptr},
        {"1E+3", nullptr},
        {".5", nullptr},
        {"", "The KB elevation is missing: please enter a number."},
        {"   ", "The KB elevation is missing: please enter a number."},
        {"1 000",
         "The KB elevation \"1 000\" has a blank inside: please type the number without blanks."},
        {"1E999", "The KB elevation 1E999 is too large."},
        {"-4D400", "The KB elevation -4D400 is too large."},
        {"12,5", "The KB elevation \"12,5\" is not a number."},
        // A number, but one the file would write rounded past the largest number there is.
        {"1.7976931348623157e308",
         "The KB elevation 1.7976931348623157e308 cannot be saved: it would be written rounded to "
         "1.79769313486232E+308, beyond the largest number a file can hold."},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(BoxNumberProblem(row.typed, "KB elevation"), Problem(row.problem)) << row.typed;
        if (row.problem)
            continue;
        // What a box takes, the project file saves and gives back as the same number.
        std::ostringstream out;
        PrintWriter(out).Item(Value::Text(row.typed)).NextZone().Number(7).EndLine();
        std::istringstream in(out.str());
        FieldReader reader(in, "bad");
        EXPECT_EQ(reader.ValueField().Number(), std::stod(row.typed));
        EXPECT_EQ(reader.Number(), 7);
    }
    // Boxes of 16-bit numbers round into range.
    EXPECT_EQ(BoxInt16Problem("32767.4", "time scale"), std::nullopt);
    EXPECT_EQ(BoxInt16Problem("-32768.5", "time scale"), std::nullopt);  // halves to even
    EXPECT_EQ(BoxInt16Problem(" 32767.5", "time scale"),
              "The time scale 32767.5 is outside -32768 to 32767.");
    EXPECT_EQ(BoxInt16Problem("x", "time scale"), "The time scale \"x\" is not a number.");
}

TEST(SavedValue, ReadBackComparisonKeepsWhatAFileKeeps) {
    EXPECT_TRUE(SameSavedValue(Value::Text("5.0"), Value(5)));
    EXPECT_TRUE(SameSavedValue(Value(0.1 + 0.2), Value(0.3)));  // 15 significant digits
    EXPECT_TRUE(SameSavedValue(Value::Text(" abc "), Value::Text("abc")));
    EXPECT_FALSE(SameSavedValue(Value::Text("1 10"), Value(1)));
    EXPECT_FALSE(SameSavedValue(Value(1234.5), Value(1234.6)));
    EXPECT_FALSE(SameSavedValue(Value(kLargest), Value::Text("1.79769313486232E+308")));
    // Numbers written with a digit pattern come back within its rounding.
    EXPECT_TRUE(SamePatternedNumber(123.6, 124, "####0"));
    EXPECT_TRUE(SamePatternedNumber(0.1235, 0.124, "0.##0"));
    EXPECT_FALSE(SamePatternedNumber(0.1236, 0.123, "0.##0"));
    EXPECT_EQ(PatternedNumberProblem(1234.567, "#####.#0"), std::nullopt);
    EXPECT_EQ(PatternedNumberProblem(kLargest, "####0"),
              "it is too large to be written and read back");
    EXPECT_EQ(PatternedNumberProblem(std::nan(""), "#.##0"), "it is not a finite number");
}

}  // namespace
}  // namespace tessarin
