// Numbers as the files write and read them.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "core_test_support.h"
#include "model/error.h"
#include "model/numeric.h"
#include "model/text_io.h"

namespace tessarin::test {
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
}

TEST(NumberText, ParsesWhatTheProgramAcceptsAndPrintsItWithASignPositionAndATrailingBlank) {
    for (const auto& [text, expected] : std::vector<std::pair<const char*, double>>{
             {" 5 ", 5.0}, {"-.5", -0.5}, {"+12.", 12.0}, {"2.5E-05", 2.5e-5}, {"1D3", 1000.0}})
        EXPECT_EQ(ParseNumber(text), expected) << text;
    for (const char* text : {"", "None", ".", "5 6", "1E", "12abc"})
        EXPECT_FALSE(ParseNumber(text)) << text;
    // Fifteen significant digits: 0.1 + 0.2 is .3.
    const std::tuple<double, const char*> printed[] = {{-0.5, "-.5 "},
                                                       {0.0001, " 1E-04 "},
                                                       {0.1 + 0.2, " .3 "},
                                                       {123456789012345, " 123456789012345 "}};
    for (const auto& [x, text] : printed)
        EXPECT_EQ(PrintedNumber(x), text) << x;
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
                  w.Text("0123456789abcdefg").NextZone().EndLine().Text("ab").NextZone();
              }),
              "0123456789abcdefg           \r\nab            ");
    // Value items keep their text and print their numbers.
    EXPECT_EQ(Printed([](PrintWriter& w) {
                  w.Item(Value::Text("0.16")).NextZone().Item(Value(0.16)).NextZone().Item(Value());
              }),
              "0.16           .16           0 ");
}

// A reader of `text` that fails with "ends".
struct Reading {
    explicit Reading(const std::string& text) : in(text), r(in, "ends") {}
    std::istringstream in;
    FieldReader r;
};

TEST(FieldReader, ReadsNumbersFieldsAndWholeLinesAsTheProgramWroteThem) {
    Reading reading(
        " 0 -2 \r\n3,4.5\n  Top Reef, upper  \r\n 1100.5 \n\"a, b\" , x\r\n abc \r\nlast");
    FieldReader& r = reading.r;
    for (double expected : {0.0, -2.0, 3.0, 4.5})
        EXPECT_EQ(r.Number(), expected);
    // After a number at the end of its line, the next line is read whole.
    EXPECT_EQ(r.Line(), "  Top Reef, upper  ");
    EXPECT_EQ(r.Int16(), 1100);  // halves to even, the line ends in a line feed alone
    EXPECT_EQ(r.Field(), "a, b");
    EXPECT_EQ(r.Field(), "x");
    EXPECT_EQ(r.ValueField(), Value::Text("abc"));
    EXPECT_EQ(r.Line(), "last");  // the last line needs no line end
    EXPECT_TRUE(r.AtEnd());
    // A read at a premature end, a non-number where a number is read and a line longer than any
    // the program wrote fail with the message the reader was given and the cause.
    const std::pair<std::string, std::string> refused[] = {
        {"", "it ends early, on line 1."},
        {"12abc", "line 1 holds \"12abc\" where a number should be."},
        {"40000", "line 1 holds \"40000\" where a whole number from -32768 to 32767 should be."},
        {"1\n" + std::string(70000, '2'), "line 2 is longer than 65536 characters."}};
    for (const auto& [text, cause] : refused)
        EXPECT_EQ(ErrorOf([&] {
                      Reading reading(text);
                      reading.r.Int16();
                      reading.r.Int16();
                  }),
                  "ends: " + cause)
            << text;
    EXPECT_TRUE(ErrorOf([] { Reading("\"unterminated").r.Field(); }).starts_with("ends: "));
}

}  // namespace
}  // namespace tessarin::test
