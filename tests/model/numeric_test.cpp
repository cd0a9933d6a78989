#include "model/numeric.h"

#include <gtest/gtest.h>

#include <cmath>

#include "model/error.h"

namespace tessarin {
namespace {

TEST(IntegerConversion, RoundsHalvesToEvenAndFailsOutsideTheRange) {
    // 62.5 is an AGC window of 0.5 s at 2 ms; -32768.5 halves to even and stays inside.
    const std::pair<double, int> int16Rows[] = {{2.5, 2},          {3.5, 4},      {-2.5, -2},
                                                {62.5, 62},        {2.500001, 3}, {32767.4, 32767},
                                                {-32768.5, -32768}};
    for (const auto& [x, expected] : int16Rows)
        EXPECT_EQ(ToInt16(x), expected) << x;
    EXPECT_EQ(ToInt32(100000.5), 100000);
    EXPECT_EQ(ToInt32(-7.5), -8);
    EXPECT_EQ(ToInt32(-2147483648.0), -2147483647 - 1);
    for (double x : {32767.5, -32769.0, std::nan("")})
        EXPECT_THROW(ToInt16(x), OverflowError) << x;
    EXPECT_THROW(ToInt32(2147483648.0), OverflowError);
    // Int goes toward minus infinity.
    EXPECT_EQ(IntFloor(2.9), 2);
    EXPECT_EQ(IntFloor(-2.1), -3);
    EXPECT_EQ(IntFloor(-3), -3);
}

TEST(NumberText, ParsesWhatTheProgramAccepts) {
    const std::pair<const char*, double> numbers[] = {{" 5 ", 5.0},        {"-.5", -0.5},
                                                      {"+12.", 12.0},      {"1E+15", 1e15},
                                                      {"2.5E-05", 2.5e-5}, {"1D3", 1000.0}};
    for (const auto& [text, expected] : numbers)
        EXPECT_EQ(ParseNumber(text), expected) << text;
    for (const char* text : {"", "None", ".", "5 6", "1E", "12abc"})
        EXPECT_FALSE(ParseNumber(text)) << text;
    EXPECT_THROW(TextToNumber("abc"), ConversionError);
    EXPECT_EQ(TextToInt16("40.5"), 40);
    EXPECT_THROW(TextToInt16("40000"), OverflowError);
}

TEST(DigitPattern, WritesSignificantHashDigitsRequiredZerosAndRoundsHalvesAway) {
    const struct {
        double value;
        const char* pattern;
        const char* expected;
    } rows[] = {// "#" writes only significant digits; a number wider than the pattern stays whole.
                {0, "#####.0", ".0"},
                {1234.56, "#####.0", "1234.6"},
                {123456.7, "#####.0", "123456.7"},
                {0.5, "#####.#0", ".50"},
                {1523.25, "#####.#0", "1523.25"},
                {0, "####0", "0"},
                {1234.6, "####0", "1235"},
                {0, "##", ""},
                {7, "##", "7"},
                {0.25, "#.0", ".3"},
                {0.04, "#.#0", ".04"},
                {12.04, "##.0", "12.0"},
                // "0" writes its digit always.
                {0.08, "0.000", "0.080"},
                {-1, "#.##0", "-1.000"},
                {0.5, "0.##0", "0.500"},
                {1.2, "0.###0", "1.2000"},
                {0.001234, "0.####0", "0.00123"},
                {-12.5, "#0.####0", "-12.50000"},
                {12.345, "####0.00", "12.35"},
                {99.96, "###.#0", "99.96"},
                // Halves round away from zero in decimal: 1.005 is 1.00499999... in binary.
                {0.125, "0.00", "0.13"},
                {1.005, "0.00", "1.01"},
                {-0.125, "0.00", "-0.13"},
                {9.9996, "0.000", "10.000"},
                {-0.0001, "0.00", "0.00"}};
    for (const auto& row : rows)
        EXPECT_EQ(FormatPattern(row.value, row.pattern), row.expected)
            << row.value << " as " << row.pattern;
    EXPECT_EQ(FormatAt("1.5", 6), "   1.5");  // right-aligned, long text kept whole
    EXPECT_EQ(FormatAt("1234567", 6), "1234567");
}

TEST(PrintedNumber, HasSignPositionAndTrailingBlankAndReadsBackTheSame) {
    const std::pair<double, const char*> printed[] = {
        {5, " 5 "}, {-5, "-5 "}, {0.5, " .5 "}, {-0.5, "-.5 "}, {0, " 0 "}};
    for (const auto& [x, expected] : printed)
        EXPECT_EQ(PrintedNumber(x), expected) << x;
    // Fifteen significant digits: 0.1 + 0.2 is .3.
    const std::pair<double, const char*> plain[] = {
        {1523.25, "1523.25"},  {0.001, ".001"},       {0.0001, "1E-04"},
        {-2.5e-5, "-2.5E-05"}, {1e15, "1E+15"},       {123456789012345, "123456789012345"},
        {0.1 + 0.2, ".3"},     {357.3458, "357.3458"}};
    for (const auto& [x, expected] : plain)
        EXPECT_EQ(PlainNumber(x), expected) << x;
    for (double x : {0.0, 1.0, -1.0, 0.5, 1523.25, 7000.0, 0.16, 1e-7, 3.2e20, -0.004})
        EXPECT_EQ(ParseNumber(PrintedNumber(x)), x) << PrintedNumber(x);
}

}  // namespace
}  // namespace tessarin
