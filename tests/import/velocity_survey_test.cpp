#include "import/velocity_survey.h"

#include <gtest/gtest.h>

#include <limits>

#include "core_test_support.h"

namespace tessarin::test {
namespace {

// The dialog's rows written "depth@time|depth@time|...".
VelocitySurveyRows Rows(const std::string& text) {
    VelocitySurveyRows rows;
    std::istringstream in(text);
    std::string item;
    for (std::size_t i = 0; std::getline(in, item, '|'); ++i)
        rows[i] = {item.substr(0, item.find('@')), item.substr(item.find('@') + 1)};
    return rows;
}

TEST(VelocitySurveyTable, OkSortsCompleteRowsByDepthAndDropsHalfRows) {
    Project p;
    ASSERT_TRUE(AcceptVelocitySurvey(p, Rows("1500@1.2|800@|500@.5|@0.9|1000@0.9"), "25", "30"));
    ASSERT_EQ(p.velocitySurveyCount, 3);
    ExpectValues(p.velocitySurveyDepths, 1, {500, 1000, 1500});
    ExpectValues(p.velocitySurveyTimes, 1, {0.5, 0.9, 1.2});
    EXPECT_EQ(p.velocitySurveyDatumElevation, Value::Text("25"));
    EXPECT_EQ(p.kbElevation, Value::Text("30"));
    EXPECT_TRUE(p.projectChanged);
    // The rows shown again: plain depths, times formatted "0.##0".
    const VelocitySurveyRows shown = VelocitySurveyRowsOf(VelocitySurveyOf(p));
    EXPECT_EQ(shown[0].depth, "500");
    EXPECT_EQ(shown[0].time, "0.500");
    EXPECT_EQ(shown[2].time, "1.200");
    EXPECT_EQ(shown[3].depth, "");

    // Fewer than two complete rows change nothing; a box that is no number is refused.
    Project before;
    p = before;
    EXPECT_FALSE(AcceptVelocitySurvey(p, Rows("1500@1.2|800@"), "25", "30"));
    EXPECT_EQ(p, before);
    EXPECT_THROW(CollectVelocitySurveyRows(Rows("15OO@1.2"), "0"), ConversionError);
}

TEST(VelocitySurveyFile, WritesWholeDepthsAndReadsWhatEverySeparatorAllows) {
    TempDir dir;
    const VelocitySurvey survey = CollectVelocitySurveyRows(Rows("123.6@0.1234|1500@1.2"), "25.5");
    WriteVelocitySurveyFile(dir.File("well.vs"), survey);
    EXPECT_EQ(ReadWholeFile(dir.File("well.vs")),
              "25.5\r\n124           0.123\r\n1500          1.200\r\n");
    const VelocitySurvey back = ReadVelocitySurveyFile(dir.File("well.vs"));
    EXPECT_EQ(back.datumElevation, Value(25.5));
    ASSERT_EQ(back.count, 2);
    EXPECT_EQ(back.depths[1], 124);
    EXPECT_EQ(back.times[1], 0.123);
    EXPECT_EQ(back.depths[2], 1500);

    EXPECT_EQ(ReadVelocitySurveyText(" 12 \r\n").count, 0);  // the datum line alone
    const VelocitySurvey s = ReadVelocitySurveyText("0\n100 0.1\n200,0.2\n\n300\t0.3");
    EXPECT_EQ(s.count, 3);
    EXPECT_EQ(s.times[3], 0.3);
    std::string twentyTwo = "0\n";
    for (int i = 1; i <= 22; ++i)
        twentyTwo += std::to_string(100 * i) + " " + std::to_string(0.1 * i) + "\n";
    for (const std::string& text :
         {twentyTwo, std::string(""), std::string("datum\n100 .1\n"),
          std::string("0\n100 .1\n200\n"), std::string("0\n100 fast\n")}) {
        ExpectImportError([&] { ReadVelocitySurveyText(text); },
                          "This is not a valid Tessarin velocity survey file.",
                          "Open Velocity Survey File", text);
    }
    EXPECT_NE(ErrorOf([] { ReadVelocitySurveyFile("/no/such/survey.vs"); }), "");
    twentyTwo.resize(twentyTwo.rfind("2200"));
    EXPECT_EQ(ReadVelocitySurveyText(twentyTwo).count, 21);
}

// The survey datum is the text of its box, written bare: an empty box or one holding a blank
// would make the file open as other points, or not at all. The depths are numbers, but the
// largest of them is rounded past the largest number when written.
TEST(VelocitySurveyFile, ASaveThatWouldNotOpenAgainIsRefusedAndTheOldFileKept) {
    const std::string same = " would not read back the same from the file (";
    const double largest = std::numeric_limits<double>::max();
    const struct {
        Value datum;
        double secondDepth;
        std::string message;
    } rows[] = {
        {Value::Text(""), 1500, "survey datum elevation \"\"" + same + "it is empty)."},
        {Value::Text("1 10"), 1500,
         "survey datum elevation \"1 10\"" + same + "it holds a blank or a comma)."},
        {Value::Text("KB"), 1500, "survey datum elevation \"KB\"" + same + "it is not a number)."},
        {Value(largest), 1500,
         "survey datum elevation 1.7976931348623157e+308" + same +
             "it would be written rounded to 1.79769313486232E+308, beyond the largest number a "
             "file can hold)."},
        {Value::Text("25"), largest,
         "depth of point 2 1.7976931348623157e+308" + same +
             "it is too large to be written and read back)."},
    };
    TempDir dir;
    const std::string path = dir.File("well.vs");
    for (const auto& row : rows) {
        WriteWholeFile(path, "10\r\n100           0.100\r\n");
        VelocitySurvey survey = CollectVelocitySurveyRows(Rows("500@0.5|1500@1.2"), "");
        survey.datumElevation = row.datum;
        survey.depths[2] = row.secondDepth;
        EXPECT_EQ(ErrorOf([&] { WriteVelocitySurveyFile(path, survey); }),
                  "The velocity survey was not saved: the " + row.message);
        EXPECT_EQ(ReadVelocitySurveyFile(path).count, 1);  // the old file
        EXPECT_EQ(dir.Count(), 1);
    }
}

}  // namespace
}  // namespace tessarin::test
