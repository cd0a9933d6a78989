#include "model/numeric.h"

#include <gtest/gtest.h>

#include <cmath>

#include "model/error.h"

namespace tessarin {
namespace {

TEST(IntegerConversion, RoundsHalvesToEven) {
    EXPECT_EQ(ToInt16(2.5), 2);
    EXPECT_EQ(ToInt16(3.5), 4);
    EXPECT_EQ(ToInt16(-2.5), -2);
    EXPECT_EQ(ToInt16(62.5), 62);  // an AGC window of 0.5 s at 2 ms
    EXPECT_EQ(ToInt16(2.500001), 3);
    EXPECT_EQ(ToInt32(100000.5), 100000);
    EXPECT_EQ(ToInt32(-7.5), -8);
}

TEST(IntegerConversion, FailsOutsideTheRange) {
    EXPECT_EQ(ToInt16(32767.4), 32767);
    EXPECT_EQ(ToInt16(-32768.5), -32768);  // halves to even stays inside
    EXPECT_THROW(ToInt16(32767.5), OverflowError);
    EXPECT_THROW(ToInt16(-32769), OverflowError);
    EXPECT_THROW(ToInt16(std::nan("")), OverflowError);
    EXPECT_THROW(ToInt32(2147483648.0), OverflowError);
    EXPECT_EQ(ToInt32(-2147483648.0), -2147483647 - 1);
}

TEST(IntegerConversion, IntGoesTowardMinusInfinity) {
    EXPECT_EQ(IntFloor(2.9), 2);
    EXPECT_EQ(IntFloor(-2.1), -3);
    EXPECT_EQ(IntFloor(-3), -3);
}

TEST(NumberText, ParsesWhatTheProgramAccepts) {
    EXPECT_EQ(ParseNumber(" 5 "), 5.0);
    EXPECT_EQ(ParseNumber("-.5"), -0.5);
    EXPECT_EQ(ParseNumber("+12."), 12.0);
    EXPECT_EQ(ParseNumber("1E+15"), 1e15);
    EXPECT_EQ(ParseNumber("2.5E-05"), 2.5e-5);
    EXPECT_EQ(ParseNumber("1D3"), 1000.0);
    EXPECT_FALSE(ParseNumber(""));
    EXPECT_FALSE(ParseNumber("None"));
    EXPECT_FALSE(ParseNumber("."));
    EXPECT_FALSE(ParseNumber("5 6"));
    EXPECT_FALSE(ParseNumber("1E"));
    EXPECT_FALSE(ParseNumber("12abc"));
    EXPECT_THROW(TextToNumber("abc"), ConversionError);
    EXPECT_EQ(TextToInt16("40.5"), 40);
    EXPECT_THROW(TextToInt16("40000"), OverflowError);
}

TEST(DigitPattern, WritesOnlySignificantHashDigits) {
    EXPECT_EQ(FormatPattern(0, "#####.0"), ".0");
    EXPECT_EQ(FormatPattern(1234.56, "#####.0"), "1234.6");
    EXPECT_EQ(FormatPattern(123456.7, "#####.0"), "123456.7");  // wider than the pattern: whole
    EXPECT_EQ(FormatPattern(0.5, "#####.#0"), ".50");
    EXPECT_EQ(FormatPattern(1523.25, "#####.#0"), "1523.25");
    EXPECT_EQ(FormatPattern(0, "####0"), "0");
    EXPECT_EQ(FormatPattern(1234.6, "####0"), "1235");
    EXPECT_EQ(FormatPattern(0, "##"), "");
    EXPECT_EQ(FormatPattern(7, "##"), "7");
    EXPECT_EQ(FormatPattern(0, "#####"), "");
    EXPECT_EQ(FormatPattern(0.25, "#.0"), ".3");
}

TEST(DigitPattern, WritesRequiredZeros) {
    EXPECT_EQ(FormatPattern(0.08, "0.000"), "0.080");
    EXPECT_EQ(FormatPattern(-1, "#.##0"), "-1.000");
    EXPECT_EQ(FormatPattern(2.345, "#.##0"), "2.345");
    EXPECT_EQ(FormatPattern(0.5, "0.##0"), "0.500");
    EXPECT_EQ(FormatPattern(1.2, "0.###0"), "1.2000");
    EXPECT_EQ(FormatPattern(0.001234, "0.####0"), "0.00123");
    EXPECT_EQ(FormatPattern(-12.5, "#0.####0"), "-12.50000");
    EXPECT_EQ(FormatPattern(0.5, "0.00"), "0.50");
    EXPECT_EQ(FormatPattern(12.345, "####0.00"), "12.35");
    EXPECT_EQ(FormatPattern(3, "####0.0"), "3.0");
    EXPECT_EQ(FormatPattern(99.96, "###.#0"), "99.96");
    EXPECT_EQ(FormatPattern(12.04, "##.0"), "12.0");
    EXPECT_EQ(FormatPattern(0.04, "#.#0"), ".04");
}

TEST(DigitPattern, RoundsHalvesAwayFromZeroInDecimal) {
    EXPECT_EQ(FormatPattern(0.125, "0.00"), "0.13");
    EXPECT_EQ(FormatPattern(1.005, "0.00"), "1.01");  // 1.00499999... in binary
    EXPECT_EQ(FormatPattern(-0.125, "0.00"), "-0.13");
    EXPECT_EQ(FormatPattern(9.9996, "0.000"), "10.000");
    EXPECT_EQ(FormatPattern(-0.0001, "0.00"), "0.00");
}

TEST(TextField, RightAlignsAndKeepsLongTextWhole) {
    EXPECT_EQ(FormatAt("1.5", 6), "   1.5");
    EXPECT_EQ(FormatAt("1234567", 6), "1234567");
    EXPECT_EQ(FormatAt("", 3), "   ");
}

TEST(PrintedNumber, HasSignPositionAndTrailingBlank) {
    EXPECT_EQ(PrintedNumber(5), " 5 ");
    EXPECT_EQ(PrintedNumber(-5), "-5 ");
    EXPECT_EQ(PrintedNumber(0.5), " .5 ");
    EXPECT_EQ(PrintedNumber(-0.5), "-.5 ");
    EXPECT_EQ(PrintedNumber(0), " 0 ");
    EXPECT_EQ(PlainNumber(1523.25), "1523.25");
    EXPECT_EQ(PlainNumber(0.001), ".001");
    EXPECT_EQ(PlainNumber(0.0001), "1E-04");
    EXPECT_EQ(PlainNumber(-2.5e-5), "-2.5E-05");
    EXPECT_EQ(PlainNumber(1e15), "1E+15");
    EXPECT_EQ(PlainNumber(123456789012345), "123456789012345");
    EXPECT_EQ(PlainNumber(0.1 + 0.2), ".3");  // fifteen significant digits
    EXPECT_EQ(PlainNumber(357.3458), "357.3458");
}

TEST(PrintedNumber, ReadsBackToTheSameValue) {
    for (double x : {0.0, 1.0, -1.0, 0.5, 1523.25, 7000.0, 0.16, 1e-7, 3.2e20, -0.004}) {
        EXPECT_EQ(ParseNumber(PrintedNumber(x)), x) << PrintedNumber(x);
    }
}

}  // namespace
}  // namespace tessarin
