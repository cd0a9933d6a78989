#include "model/text_io.h"

#include <gtest/gtest.h>

#include <sstream>

#include "model/error.h"
#include "model/user_file.h"

namespace tessarin {
namespace {

const char* const kMessage = "This file ends too early.";

std::string Printed(const std::function<void(PrintWriter&)>& print) {
    std::ostringstream out;
    PrintWriter writer(out);
    print(writer);
    return out.str();
}

TEST(PrintWriter, NumbersInARowAreSeparatedByTwoBlanks) {
    EXPECT_EQ(Printed([](PrintWriter& w) { w.Number(0).Number(1).Number(-2).EndLine(); }),
              " 0  1 -2 \r\n");
}

TEST(PrintWriter, CommaPadsToTheNextFourteenCharacterZone) {
    // " 1250.5 " is 8 characters: 6 blanks reach column 14; " 1000 " then ends at 20.
    EXPECT_EQ(Printed([](PrintWriter& w) {
                  w.Number(1250.5).NextZone().Number(1000).NextZone().Text("None").EndLine();
              }),
              " 1250.5" + std::string(8, ' ') + "1000" + std::string(9, ' ') + "None\r\n");
    // A text that fills its zone exactly still gets a whole zone of blanks after it.
    EXPECT_EQ(Printed([](PrintWriter& w) { w.Text("abcdefghijklmn").NextZone().Number(-5); }),
              "abcdefghijklmn              -5 ");
    // An item longer than a zone moves on to the zone after it.
    EXPECT_EQ(Printed([](PrintWriter& w) { w.Text("0123456789abcdefg").NextZone().Text("x"); }),
              "0123456789abcdefg           x");
}

TEST(PrintWriter, ZonesCountFromTheStartOfEachLine) {
    std::ostringstream out;
    PrintWriter w(out);
    w.Text("first line text").EndLine();
    EXPECT_EQ(w.Column(), 0);
    w.Text("ab").NextZone();
    EXPECT_EQ(w.Column(), 14);
    EXPECT_EQ(out.str(), "first line text\r\nab            ");
}

TEST(PrintWriter, ValueItemsKeepTextAndPrintNumbers) {
    EXPECT_EQ(Printed([](PrintWriter& w) {
                  w.Item(Value::Text("0.16")).NextZone().Item(Value(0.16)).NextZone().Item(Value());
              }),
              "0.16           .16           0 ");
}

TEST(FieldReader, NumbersEndAtBlankCommaOrLineEnd) {
    std::istringstream in(" 0  1 -2 \r\n3,4.5\n.50 95.50 -1.000\r\n1E-04,-.5");
    FieldReader r(in, kMessage);
    EXPECT_EQ(r.Number(), 0);
    EXPECT_EQ(r.Number(), 1);
    EXPECT_EQ(r.Number(), -2);
    EXPECT_EQ(r.Number(), 3);
    EXPECT_EQ(r.Number(), 4.5);
    EXPECT_EQ(r.Number(), 0.5);
    EXPECT_EQ(r.Number(), 95.5);
    EXPECT_EQ(r.Number(), -1);
    EXPECT_EQ(r.Number(), 0.0001);
    EXPECT_EQ(r.Number(), -0.5);
    EXPECT_TRUE(r.AtEnd());
}

TEST(FieldReader, WholeLinesKeepBlanksAndCommas) {
    // After a number at the end of its line, the next line is read whole.
    std::istringstream in(" 2 \r\n  Top Reef, upper  \r\n\r\n 1100.5 \r\nlast");
    FieldReader r(in, kMessage);
    EXPECT_EQ(r.Number(), 2);
    EXPECT_EQ(r.Line(), "  Top Reef, upper  ");
    EXPECT_EQ(r.Line(), "");  // an empty line is an empty text
    EXPECT_EQ(r.Number(), 1100.5);
    EXPECT_EQ(r.Line(), "last");  // the last line needs no line end
    EXPECT_THROW(r.Line(), Error);
}

TEST(FieldReader, LineFeedAloneEndsALineToo) {
    std::istringstream in("well A\n 5 \nwell B\r\n");
    FieldReader r(in, kMessage);
    EXPECT_EQ(r.Line(), "well A");
    EXPECT_EQ(r.Int16(), 5);
    EXPECT_EQ(r.Line(), "well B");
    EXPECT_TRUE(r.AtEnd());
}

TEST(FieldReader, TextFieldsEndAtCommaOrLineEndAndMayBeQuoted) {
    std::istringstream in("  None  \r\nSec 12, 29S\r\n\"a, b\" , \"x\"\r\n");
    FieldReader r(in, kMessage);
    EXPECT_EQ(r.Field(), "None");
    EXPECT_EQ(r.Field(), "Sec 12");
    EXPECT_EQ(r.Field(), "29S");
    EXPECT_EQ(r.Field(), "a, b");
    EXPECT_EQ(r.Field(), "x");
    EXPECT_TRUE(r.AtEnd());
}

TEST(FieldReader, ValueFieldsKeepNumbersAsNumbersAndOtherTextAsText) {
    std::istringstream in(" 1250.5       abc           7000 \r\n");
    FieldReader r(in, kMessage);
    EXPECT_EQ(r.ValueField(), Value(1250.5));
    EXPECT_EQ(r.ValueField(), Value::Text("abc"));
    EXPECT_EQ(r.ValueField(), Value(7000));
}

TEST(FieldReader, IntegersRoundHalvesToEven) {
    std::istringstream in("2.5 3.5 40000");
    FieldReader r(in, kMessage);
    EXPECT_EQ(r.Int16(), 2);
    EXPECT_EQ(r.Int16(), 4);
    EXPECT_THROW(r.Int16(), Error);
}

// Every kind of read at a premature end, a non-number where a number is read and a line longer
// than any file's fail with the message the reader was given, the file's name and the cause.
TEST(FieldReader, FailuresGiveTheGivenMessageTheFileAndTheCause) {
    const auto expectMessage = [](const std::string& text, auto read, const std::string& cause) {
        std::istringstream in(text);
        FieldReader r(in, kMessage, "well.tsp");
        try {
            read(r);
            FAIL() << "no failure reading \"" << text.substr(0, 20) << "\"";
        } catch (const Error& e) {
            EXPECT_EQ(e.what(), "well.tsp: This file ends too early: " + cause + ".");
        }
    };
    const std::string end = "it ends early, on line ";
    expectMessage(
        "", [](FieldReader& r) { r.Number(); }, end + "1");
    expectMessage(
        " 1 \r\n  \r\n", [](FieldReader& r) { r.Number(), r.Number(); }, end + "3");
    expectMessage(
        "", [](FieldReader& r) { r.Field(); }, end + "1");
    expectMessage(
        "", [](FieldReader& r) { r.ValueField(); }, end + "1");
    expectMessage(
        "", [](FieldReader& r) { r.Line(); }, end + "1");
    expectMessage(
        "\"unterminated\n", [](FieldReader& r) { r.Field(); }, end + "2");
    expectMessage(
        "1\nabc", [](FieldReader& r) { r.Number(), r.Number(); },
        "line 2 holds \"abc\" where a number should be");
    expectMessage(
        "\n40000", [](FieldReader& r) { r.Int16(); },
        "line 2 holds \"40000\" where a whole number from -32768 to 32767 should be");
    const std::string tooLong = "1\r\n" + std::string(kLongestTextLine + 1, 'x');
    expectMessage(
        tooLong, [](FieldReader& r) { r.Number(), r.Line(); },
        "line 2 is longer than 65536 characters");
    expectMessage(
        tooLong, [](FieldReader& r) { r.Number(), r.Number(); },
        "line 2 is longer than 65536 characters");
}

}  // namespace
}  // namespace tessarin
