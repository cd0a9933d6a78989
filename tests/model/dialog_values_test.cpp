// The values the dialogs take and the project file keeps: what a box accepts, what a save would
// not read back, and the rules of the Well and Datum, the Scales and the Plot Parameters boxes.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>
#include <tuple>

#include "model/error.h"
#include "model/plot_parameter_input.h"
#include "model/saved_value.h"
#include "model/scales.h"
#include "model/text_io.h"
#include "model/well_datum.h"

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
    const std::pair<Value, const char*> rows[] = {
        // nullptr: it comes back
        {Value::Text(" 1234.5 "), nullptr},  // the blanks around a number do not matter
        {Value::Text("abc"), nullptr},       // a text that is no number stays that text
        {Value(), nullptr},                  // an empty field is written as 0 and counts as 0
        {Value(1.7976931348623e308), nullptr},
        {Value::Text(""), "it is empty"},
        {Value::Text("1 10"), "it holds a blank or a comma"},
        {Value::Text("\"quoted\""), "it begins with a quotation mark"},
        {Value::Text("two\r\nlines"), "it holds a line break"},
        {Value(kLargest), kTooLarge},
        // Typed in full it would come back once, as the number; saved again, it would not.
        {Value::Text("1.7976931348623157e308"), kTooLarge},
        {Value(std::nan("")), "it is not a finite number"},
    };
    for (const auto& [value, problem] : rows)
        EXPECT_EQ(SavedValueProblem(value), Problem(problem)) << ShownValue(value);

    // Fields the file must hold as numbers, whole lines, and the last field of a line, which
    // keeps blanks but ends at a comma.
    EXPECT_EQ(SavedNumberProblem(Value::Text("deep")), "it is not a number");
    EXPECT_EQ(SavedNumberProblem(Value::Text("")), "it is empty");
    EXPECT_EQ(SavedLineProblem("Top\nChalk"), "it holds a line break");
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
        {"", "The KB elevation is missing: please enter a number."},
        {"1 000",
         "The KB elevation \"1 000\" has a blank inside: please type the number without blanks."},
        {"1E999", "The KB elevation 1E999 is too large."},
        {"-4D400", "The KB elevation -4D400 is too large."},
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
    EXPECT_TRUE(SameSavedValue(Value(0.1 + 0.2), Value(0.3)));  // 15 significant digits
    EXPECT_TRUE(SameSavedValue(Value::Text(" abc "), Value::Text("abc")));
    EXPECT_FALSE(SameSavedValue(Value::Text("1 10"), Value(1)));
    EXPECT_FALSE(SameSavedValue(Value(kLargest), Value::Text("1.79769313486232E+308")));
    // Numbers written with a digit pattern come back within its rounding.
    EXPECT_TRUE(SamePatternedNumber(0.1235, 0.124, "0.##0"));
    EXPECT_FALSE(SamePatternedNumber(0.1236, 0.123, "0.##0"));
    EXPECT_EQ(PatternedNumberProblem(kLargest, "####0"),
              "it is too large to be written and read back");
    EXPECT_EQ(PatternedNumberProblem(std::nan(""), "#.##0"), "it is not a finite number");
}

TEST(Scales, OkStoresTheTextsAndRoundsTheNumberOfTracesOrRefusesWhatCannotBeDrawn) {
    Project p;  // the texts are stored as typed; the traces halve to even
    ApplyScalesValues(p, {" 7.5", "12", "-1.25", "6.5", "0.200", kSeismicDepth});
    EXPECT_TRUE(p.projectChanged);
    EXPECT_EQ(ScalesValuesOf(p),
              (ScalesValues{" 7.5", "12", "-1.25", "6", "0.200", kSeismicDepth}));

    const ScalesValues typed = {"5", "10", "0.5", "5", "None", kMeasuredDepth};
    const std::pair<std::string ScalesValues::*, const char*> refused[] = {
        {&ScalesValues::timeScale, "40000"},  {&ScalesValues::timeScale, "0"},
        {&ScalesValues::tracesPerUnit, "-2"}, {&ScalesValues::amplitude, "1 0"},
        {&ScalesValues::traceCount, "0.4"},   {&ScalesValues::agcWindow, "0"},
        {&ScalesValues::agcWindow, "1E9"},
    };
    for (const auto& [box, text] : refused) {
        ScalesValues v = typed;
        v.*box = text;
        EXPECT_TRUE(FindScalesProblem(v)) << text;
        Project q;
        EXPECT_THROW(ApplyScalesValues(q, v), Error) << text;
        EXPECT_FALSE(q.projectChanged);
    }
    ScalesValues v = typed;
    EXPECT_EQ(FindScalesProblem(v), std::nullopt);
    v.agcWindow = "x";
    EXPECT_EQ(FindScalesProblem(v),
              "The AGC window \"x\" is not a number. Choose \"None\" for no AGC.");
}

TEST(WellDatum, RefusesElevationsAndVelocitiesThatAreNoUsableNumber) {
    // Rows: the box (7 KB, 8 GL, 9 datum elevation, 10 datum velocity), its text, the datum type,
    // the box refused (0: accepted).
    const std::tuple<int, const char*, int, int> rows[] = {
        {7, "abc", kStartOfLog, 7},     {8, "1 0", kStartOfLog, 8},
        {7, "-20", kStartOfLog, 0},     {8, "", kStartOfLog, 0},
        {9, "abc", kSpecifiedDatum, 9}, {9, "abc", kStartOfLog, 0},
        {10, "0", kSpecifiedDatum, 10}, {10, "-6000", kSpecifiedDatum, 10},
        {10, "0", kStartOfLog, 0},      {10, "", kSpecifiedDatum, 0},
    };
    for (const auto& [box, text, datumType, refusedBox] : rows) {
        WellDatumValues v = WellDatumValuesOf(Project());
        v.datumType = datumType;
        std::string* boxes[] = {&v.kbElevation, &v.glElevation, &v.datumElevation,
                                &v.datumVelocity};
        for (std::string* b : boxes)
            *b = "5000";
        *boxes[box - 7] = text;
        const auto problem = FindWellDatumProblem(v);
        EXPECT_EQ(problem ? problem->box : 0, refusedBox) << box << " " << text;
        if (text == std::string("0") && refusedBox) {
            EXPECT_EQ(problem->message, "The seismic datum velocity must be greater than zero.");
        }
    }
}

// The log grid width (inches, kept in twips) and the screen correction factor: a refusal says
// why, so the user is not left with a beep.
TEST(PlotParameterInput, TakesUsableWidthsAndFactorsAndSaysWhyOthersAreRefused) {
    const auto ErrorOf = [](auto&& action) -> std::string {
        try {
            action();
        } catch (const Error& e) {
            return e.what();
        }
        return "";
    };
    const std::string width =
        " in is outside what a log grid can take: above 0 and at most 22.75 in.";
    const std::tuple<std::string, int, std::string> widths[] = {
        {"1.5", 2160, ""},
        {"22.75", 32760, ""},
        {"wide", 0, "The width \"wide\" is not a number."},
        {"0", 0, "The width 0" + width},
        {"0.0003", 0, "The width 0.0003" + width},
        {"23", 0, "The width 23" + width},
    };
    for (const auto& [text, twips, reason] : widths) {
        EXPECT_EQ(ErrorOf([&] { EXPECT_EQ(LogGridWidthTwips(text), twips); }), reason) << text;
    }
    const std::tuple<std::string, double, std::string> factors[] = {
        {"0.8", 0.8, ""},
        {"x", 0, "The correction factor \"x\" is not a number."},
        {"-1", 0, "The correction factor -1 must be above 0."},
        {"1e-50", 0, "The correction factor 1e-50 must be above 0."},
        {"1e39", 0, "The correction factor 1e39 is too large."},
    };
    for (const auto& [text, factor, reason] : factors) {
        EXPECT_EQ(ErrorOf([&] { EXPECT_EQ(ScreenFactorFromText(text), factor); }), reason) << text;
    }
}

}  // namespace
}  // namespace tessarin
