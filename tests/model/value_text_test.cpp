#include "model/value_text.h"

#include <gtest/gtest.h>

#include <sstream>

#include "model/text_io.h"

namespace tessarin {
namespace {

TEST(BoxNumberText, AcceptsWhatTheProjectFileReadsBackUnchanged) {
    for (const char* text : {"100", " -12.5 ", "1E+3", ".5", "32767.4"}) {
        EXPECT_EQ(NumberTextProblem(text, "KB elevation"), std::nullopt) << text;
        // Written as typed between other fields and read back: the same number.
        std::ostringstream out;
        PrintWriter(out).Text(text).NextZone().Number(7).EndLine();
        std::istringstream in(out.str());
        FieldReader reader(in, "bad");
        EXPECT_EQ(reader.ValueField().Number(), std::stod(text)) << text;
        EXPECT_EQ(reader.Number(), 7) << text;
    }
}

TEST(BoxNumberText, NamesWhatTheFileCouldNotKeep) {
    const std::pair<const char*, const char*> rows[] = {
        {"", "The KB elevation is missing: please enter a number."},
        {"   ", "The KB elevation is missing: please enter a number."},
        {"1 000",
         "The KB elevation \"1 000\" has a blank inside: please type the number without blanks."},
        {"1E999", "The KB elevation 1E999 is too large."},
        {"-4D400", "The KB elevation -4D400 is too large."},
        {"12,5", "The KB elevation \"12,5\" is not a number."},
        {"abc", "The KB elevation \"abc\" is not a number."},
    };
    for (const auto& [text, message] : rows) {
        EXPECT_EQ(NumberTextProblem(text, "KB elevation"), message) << text;
    }
}

TEST(BoxNumberText, SixteenBitBoxesRoundIntoRange) {
    EXPECT_EQ(Int16TextProblem("32767.4", "time scale"), std::nullopt);
    EXPECT_EQ(Int16TextProblem("-32768.5", "time scale"), std::nullopt);  // halves to even
    EXPECT_EQ(Int16TextProblem(" 32767.5", "time scale"),
              "The time scale 32767.5 is outside -32768 to 32767.");
    EXPECT_EQ(Int16TextProblem("x", "time scale"), "The time scale \"x\" is not a number.");
}

}  // namespace
}  // namespace tessarin
