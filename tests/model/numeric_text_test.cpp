// Numbers as the files write and read them, and the paired tables the imports sort.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "model/error.h"
#include "model/numeric.h"
#include "model/pair_sort.h"
#include "model/text_io.h"

namespace tessarin {
namespace {

TEST(IntegerConversion, RoundsHalvesToEvenAndFailsOutsideTheRange) {
    // 62.5 is an AGC window of 0.5 s at 2 ms; -32768.5 halves to even and stays inside.
    for (const auto& [x, expected] : std::vector<std::pair<double, int>>{
             {2.5, 2}, {3.5, 4}, {-2.5, -2}, {62.5, 62}, {2.500001, 3}, {-32768.5, -32768}})
        EXPECT_EQ(ToInt16(x), expected) << x;
    EXPECT_EQ(ToInt32(-7.5), -8);
    EXPECT_EQ(ToInt32(-2147483648.0), -2147483647 - 1);
    for (double x : {32767.5, -32769.0, std::nan("")})
        EXPECT_THROW(ToInt16(x), OverflowError) << x;
    EXPECT_THROW(ToInt32(2147483648.0), OverflowError);
    EXPECT_EQ(IntFloor(-2.1), -3);  // toward minus infinity
    EXPECT_EQ(IntFloor(-3), -3);
}

TEST(NumberText, ParsesWhatTheProgramAcceptsAndPrintsItBack) {
    for (const auto& [text, expected] : std::vector<std::pair<const char*, double>>{
             {" 5 ", 5.0}, {"-.5", -0.5}, {"+12.", 12.0}, {"2.5E-05", 2.5e-5}, {"1D3", 1000.0}})
        EXPECT_EQ(ParseNumber(text), expected) << text;
    for (const char* text : {"", "None", ".", "5 6", "1E", "12abc"})
        EXPECT_FALSE(ParseNumber(text)) << text;
    EXPECT_THROW(TextToNumber("abc"), ConversionError);
    EXPECT_EQ(TextToInt16("40.5"), 40);
    EXPECT_THROW(TextToInt16("40000"), OverflowError);

    // A sign position and a trailing blank; fifteen significant digits, so 0.1 + 0.2 is .3.
    for (const auto& [x, printed, plain] :
         std::vector<std::tuple<double, const char*, const char*>>{
             {5, " 5 ", "5"},
             {-0.5, "-.5 ", "-.5"},
             {0.0001, " 1E-04 ", "1E-04"},
             {-2.5e-5, "-2.5E-05 ", "-2.5E-05"},
             {123456789012345, " 123456789012345 ", "123456789012345"},
             {0.1 + 0.2, " .3 ", ".3"},
             {357.3458, " 357.3458 ", "357.3458"}}) {
        EXPECT_EQ(PrintedNumber(x), printed) << x;
        EXPECT_EQ(PlainNumber(x), plain) << x;
    }
    for (double x : {1523.25, 0.16, 1e-7, 3.2e20, -0.004})
        EXPECT_EQ(ParseNumber(PrintedNumber(x)), x) << PrintedNumber(x);
}

TEST(DigitPattern, WritesSignificantHashDigitsRequiredZerosAndRoundsHalvesAway) {
    // "#" writes only significant digits, "0" its digit always; a number wider than the pattern
    // stays whole. Halves round away from zero in decimal: 1.005 is 1.00499999... in binary.
    for (const auto& [value, pattern, expected] :
         std::vector<std::tuple<double, const char*, const char*>>{{0, "#####.0", ".0"},
                                                                   {1234.56, "#####.0", "1234.6"},
                                                                   {0.5, "#####.#0", ".50"},
                                                                   {1234.6, "####0", "1235"},
                                                                   {0, "##", ""},
                                                                   {0.04, "#.#0", ".04"},
                                                                   {-1, "#.##0", "-1.000"},
                                                                   {0.001234, "0.####0", "0.00123"},
                                                                   {-12.5, "#0.####0", "-12.50000"},
                                                                   {99.96, "###.#0", "99.96"},
                                                                   {1.005, "0.00", "1.01"},
                                                                   {9.9996, "0.000", "10.000"},
                                                                   {-0.0001, "0.00", "0.00"}})
        EXPECT_EQ(FormatPattern(value, pattern), expected) << value << " as " << pattern;
    EXPECT_EQ(FormatAt("1.5", 6), "   1.5");  // right-aligned, long text kept whole
    EXPECT_EQ(FormatAt("1234567", 6), "1234567");
}

std::string Printed(const std::function<void(PrintWriter&)>& print) {
    std::ostringstream out;
    PrintWriter writer(out);
    print(writer);
    return out.str();
}

TEST(PrintWriter, SeparatesNumbersAndPadsToFourteenCharacterZonesFromEachLineStart) {
    EXPECT_EQ(Printed([](PrintWriter& w) { w.Number(0).Number(1).Number(-2).EndLine(); }),
              " 0  1 -2 \r\n");
    // " 1250.5 " is 8 characters: 6 blanks reach column 14; " 1000 " then ends at 20.
    EXPECT_EQ(Printed([](PrintWriter& w) {
                  w.Number(1250.5).NextZone().Number(1000).NextZone().Text("None").EndLine();
              }),
              " 1250.5" + std::string(8, ' ') + "1000" + std::string(9, ' ') + "None\r\n");
    // A text that fills its zone exactly still gets a whole zone of blanks after it; an item
    // longer than a zone moves on to the zone after it.
    EXPECT_EQ(Printed([](PrintWriter& w) { w.Text("abcdefghijklmn").NextZone().Number(-5); }),
              "abcdefghijklmn              -5 ");
    EXPECT_EQ(Printed([](PrintWriter& w) {
                  w.Text("0123456789abcdefg").NextZone().Text("x").EndLine().Text("ab").NextZone();
              }),
              "0123456789abcdefg           x\r\nab            ");
    // Value items keep their text and print their numbers.
    EXPECT_EQ(Printed([](PrintWriter& w) {
                  w.Item(Value::Text("0.16")).NextZone().Item(Value(0.16)).NextZone().Item(Value());
              }),
              "0.16           .16           0 ");
}

TEST(FieldReader, ReadsNumbersFieldsAndWholeLinesAsTheProgramWroteThem) {
    std::istringstream in(
        " 0  1 -2 \r\n3,4.5\n.50 -1.000\r\n1E-04,-.5 \r\n  Top Reef, upper  \r\n\r\n 1100.5 \n"
        "  None  \r\nSec 12, 29S\r\n\"a, b\" , \"x\"\r\n 1250.5       abc           7000 \r\nlast");
    FieldReader r(in, "This file ends too early.");
    for (double expected : {0.0, 1.0, -2.0, 3.0, 4.5, 0.5, -1.0, 0.0001, -0.5})
        EXPECT_EQ(r.Number(), expected);
    // After a number at the end of its line, the next line is read whole.
    EXPECT_EQ(r.Line(), "  Top Reef, upper  ");
    EXPECT_EQ(r.Line(), "");     // an empty line is an empty text
    EXPECT_EQ(r.Int16(), 1100);  // halves to even, the line ends in a line feed alone
    for (const char* expected : {"None", "Sec 12", "29S", "a, b", "x"})
        EXPECT_EQ(r.Field(), expected);
    EXPECT_EQ(r.ValueField(), Value(1250.5));
    EXPECT_EQ(r.ValueField(), Value::Text("abc"));
    EXPECT_EQ(r.ValueField(), Value(7000));
    EXPECT_EQ(r.Line(), "last");  // the last line needs no line end
    EXPECT_TRUE(r.AtEnd());

    // Every kind of read at a premature end, and a non-number where a number is read, fails
    // with the message the reader was given.
    const std::pair<const char*, std::function<void(FieldReader&)>> failures[] = {
        {"", [](FieldReader& r) { r.Number(); }},
        {" 1 \r\n  \r\n", [](FieldReader& r) { r.Number(), r.Number(); }},
        {"", [](FieldReader& r) { r.Field(); }},
        {"", [](FieldReader& r) { r.ValueField(); }},
        {"last\r\n", [](FieldReader& r) { r.Line(), r.Line(); }},
        {"\"unterminated", [](FieldReader& r) { r.Field(); }},
        {"12abc", [](FieldReader& r) { r.Number(); }},
        {"None", [](FieldReader& r) { r.Int16(); }},
        {"40000", [](FieldReader& r) { r.Int16(); }}};
    for (const auto& [text, read] : failures) {
        std::istringstream failing(text);
        FieldReader r(failing, "This file ends too early.");
        try {
            read(r);
            ADD_FAILURE() << "no failure reading \"" << text << "\"";
        } catch (const Error& e) {
            EXPECT_STREQ(e.what(), "This file ends too early.") << text;
        }
    }
}

TEST(PairedTables, SortAndReverseEntriesOneToCountCarryingTheirPartners) {
    // Horizon depths with their names, entry 0 unused and entry 6 beyond the count; progress up
    // to (count - 1) / count when entry 1 is placed.
    std::array<double, 7> depths{-1, 900, 100, 500, 300, 700, -5};
    std::array<std::string, 7> names{"unused", "e", "a", "c", "b", "d", "beyond"};
    std::vector<double> fractions;
    SortPairsByKey(5, depths, names, [&](double f) { fractions.push_back(f); });
    EXPECT_EQ(depths, (std::array<double, 7>{-1, 100, 300, 500, 700, 900, -5}));
    EXPECT_EQ(names, (std::array<std::string, 7>{"unused", "a", "b", "c", "d", "e", "beyond"}));
    EXPECT_EQ(fractions, (std::vector<double>{0.2, 0.4, 0.6, 0.8}));
    // Worked by hand through the heapsort: l = 2, ir = 3; the sift-down leaves (2, a) on top,
    // the first extraction moves it to entry 3 and brings (2, c) up, the second brings (1, b).
    std::array<int, 4> keys{0, 2, 1, 2};
    std::array<char, 4> carried{'-', 'a', 'b', 'c'};
    SortPairsByKey(3, keys, carried);
    EXPECT_EQ(keys, (std::array<int, 4>{0, 1, 2, 2}));
    EXPECT_EQ(carried, (std::array<char, 4>{'-', 'b', 'c', 'a'}));
    SortPairsByKey(1, names, carried);  // a table of one is left alone
    EXPECT_EQ(names[1], "a");

    std::vector<double> d{-1, 1670.0, 1669.875, 1669.75, 1669.625, 99}, v{-1, 1, 2, 3, 4, 99};
    double lastFraction = 0;
    ReversePairs(4, d, v, [&](double f) { lastFraction = f; });
    EXPECT_EQ(d, (std::vector<double>{-1, 1669.625, 1669.75, 1669.875, 1670.0, 99}));
    EXPECT_EQ(v, (std::vector<double>{-1, 4, 3, 2, 1, 99}));
    EXPECT_DOUBLE_EQ(lastFraction, 1.0);
    ReversePairs(3, d, v);
    EXPECT_EQ(v, (std::vector<double>{-1, 2, 3, 4, 1, 99}));
}

}  // namespace
}  // namespace tessarin
