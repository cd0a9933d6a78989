// What the input boxes accept: log grid widths in inches that fit a 16-bit twip value, and
// screen factors above zero.

#include "model/plot_parameter_input.h"

#include <gtest/gtest.h>

namespace tessarin {
namespace {

TEST(LogGridWidthInput, InchesBecomeTwipsThatFitSixteenBits) {
    struct Case {
        const char* answer;
        std::optional<std::int16_t> twips;
    };
    const Case cases[] = {
        {"1", 1440},           {" 0.5 ", 720},
        {"22.75", 32760},      {"22.76", std::nullopt},
        {"1E1", 14400},        {"abc", std::nullopt},
        {"1,5", std::nullopt}, {"0", std::nullopt},
        {"-1", std::nullopt},  {"0.0003", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LogGridWidthTwips(c.answer), c.twips) << c.answer;
    }
}

TEST(ScreenFactorInput, OnlyNumbersAboveZero) {
    EXPECT_EQ(ScreenFactorFromText("0.8"), 0.8);
    EXPECT_EQ(ScreenFactorFromText("1.25"), 1.25);
    for (const char* refused : {"", "x", "0", "-0.8", "1E60", "1E-60"}) {
        EXPECT_EQ(ScreenFactorFromText(refused), std::nullopt) << refused;
    }
}

}  // namespace
}  // namespace tessarin
