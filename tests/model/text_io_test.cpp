#include "model/text_io.h"

#include <gtest/gtest.h>

#include <sstream>

#include "model/error.h"

namespace tessarin {
namespace {

const char* const kMessage = "This file ends too early.";

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
    EXPECT_EQ(Printed([](PrintWriter& w) { w.Text("0123456789abcdefg").NextZone().Text("x"); }),
              "0123456789abcdefg           x");
    EXPECT_EQ(
        Printed([](PrintWriter& w) { w.Text("first line text").EndLine().Text("ab").NextZone(); }),
        "first line text\r\nab            ");
    // Value items keep their text and print their numbers.
    EXPECT_EQ(Printed([](PrintWriter& w) {
                  w.Item(Value::Text("0.16")).NextZone().Item(Value(0.16)).NextZone().Item(Value());
              }),
              "0.16           .16           0 ");
}

TEST(FieldReader, NumbersEndAtBlankCommaOrLineEndAndLinesAreReadWhole) {
    std::istringstream in(
        " 0  1 -2 \r\n3,4.5\n.50 95.50 -1.000\r\n1E-04,-.5 \r\n  Top Reef, upper  "
        "\r\n\r\n 1100.5 \nwell B\r\nlast");
    FieldReader r(in, kMessage);
    for (double expected : {0.0, 1.0, -2.0, 3.0, 4.5, 0.5, 95.5, -1.0, 0.0001, -0.5})
        EXPECT_EQ(r.Number(), expected);
    // After a number at the end of its line, the next line is read whole.
    EXPECT_EQ(r.Line(), "  Top Reef, upper  ");
    EXPECT_EQ(r.Line(), "");  // an empty line is an empty text
    EXPECT_EQ(r.Int16(), 1100);
    EXPECT_EQ(r.Line(), "well B");  // after a line feed alone
    EXPECT_EQ(r.Line(), "last");    // the last line needs no line end
    EXPECT_TRUE(r.AtEnd());
}

TEST(FieldReader, FieldsEndAtCommaOrLineEndMayBeQuotedAndKeepNumbersAsNumbers) {
    std::istringstream in(
        "  None  \r\nSec 12, 29S\r\n\"a, b\" , \"x\"\r\n 1250.5       abc    "
        "       7000 \r\n2.5 3.5");
    FieldReader r(in, kMessage);
    for (const char* expected : {"None", "Sec 12", "29S", "a, b", "x"})
        EXPECT_EQ(r.Field(), expected);
    EXPECT_EQ(r.ValueField(), Value(1250.5));
    EXPECT_EQ(r.ValueField(), Value::Text("abc"));
    EXPECT_EQ(r.ValueField(), Value(7000));
    EXPECT_EQ(r.Int16(), 2);  // halves to even
    EXPECT_EQ(r.Int16(), 4);
    EXPECT_TRUE(r.AtEnd());
}

// Every kind of read at a premature end, and a non-number where a number is read, fails with
// the message the reader was given.
TEST(FieldReader, PrematureEndAndNonNumbersFailWithTheGivenMessage) {
    const auto expectMessage = [](const std::string& text, auto read) {
        std::istringstream in(text);
        FieldReader r(in, kMessage);
        try {
            read(r);
            ADD_FAILURE() << "no failure reading \"" << text << "\"";
        } catch (const Error& e) {
            EXPECT_STREQ(e.what(), kMessage) << text;
        }
    };
    expectMessage("", [](FieldReader& r) { r.Number(); });
    expectMessage(" 1 \r\n  \r\n", [](FieldReader& r) { r.Number(), r.Number(); });
    expectMessage("", [](FieldReader& r) { r.Field(); });
    expectMessage("", [](FieldReader& r) { r.ValueField(); });
    expectMessage("last\r\n", [](FieldReader& r) { r.Line(), r.Line(); });
    expectMessage("\"unterminated", [](FieldReader& r) { r.Field(); });
    expectMessage("abc", [](FieldReader& r) { r.Number(); });
    expectMessage("12abc", [](FieldReader& r) { r.Number(); });
    expectMessage("None", [](FieldReader& r) { r.Int16(); });
    expectMessage("40000", [](FieldReader& r) { r.Int16(); });
}

}  // namespace
}  // namespace tessarin
