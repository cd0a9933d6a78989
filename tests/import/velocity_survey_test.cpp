#include "import/velocity_survey.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <sstream>

#include "import/import_test_support.h"
#include "model/error.h"

namespace tessarin {
namespace {

VelocitySurveyRows Rows(std::initializer_list<VelocitySurveyRow> filled) {
    VelocitySurveyRows rows;
    std::copy(filled.begin(), filled.end(), rows.begin());
    return rows;
}

TEST(VelocitySurveyTable, OkSortsCompleteRowsByDepthAndDropsHalfRows) {
    Project p;
    const VelocitySurveyRows rows =
        Rows({{"1500", "1.2"}, {"800", ""}, {"500", ".5"}, {"", "0.9"}, {"1000", "0.9"}});
    ASSERT_TRUE(AcceptVelocitySurvey(p, rows, "25", "30"));
    ASSERT_EQ(p.velocitySurveyCount, 3);
    const double depths[] = {500, 1000, 1500}, times[] = {0.5, 0.9, 1.2};
    for (std::size_t i = 1; i <= 3; ++i) {
        EXPECT_EQ(p.velocitySurveyDepths[i], depths[i - 1]) << i;
        EXPECT_EQ(p.velocitySurveyTimes[i], times[i - 1]) << i;
    }
    EXPECT_EQ(p.velocitySurveyDatumElevation, Value::Text("25"));
    EXPECT_EQ(p.kbElevation, Value::Text("30"));
    EXPECT_TRUE(p.projectChanged);

    // The rows shown again: plain depths, times formatted "0.##0".
    const VelocitySurveyRows shown = VelocitySurveyRowsOf(VelocitySurveyOf(p));
    EXPECT_EQ(shown[0].depth, "500");
    EXPECT_EQ(shown[0].time, "0.500");
    EXPECT_EQ(shown[2].time, "1.200");
    EXPECT_EQ(shown[3].depth, "");
}

TEST(VelocitySurveyTable, OkWithFewerThanTwoCompleteRowsChangesNothing) {
    Project p;
    const Project before = p;
    EXPECT_FALSE(AcceptVelocitySurvey(p, Rows({{"1500", "1.2"}, {"800", ""}}), "25", "30"));
    EXPECT_EQ(p, before);
    EXPECT_THROW(CollectVelocitySurveyRows(Rows({{"15OO", "1.2"}}), "0"), ConversionError);
}

TEST(VelocitySurveyFile, WritesWholeDepthsAndReadsThemBack) {
    const VelocitySurvey survey =
        CollectVelocitySurveyRows(Rows({{"123.6", "0.1234"}, {"1500", "1.2"}}), "25.5");
    EXPECT_EQ(VelocitySurveyFileText(survey),
              "25.5\r\n124           0.123\r\n1500          1.200\r\n");
    const auto path = std::filesystem::temp_directory_path() / "tessarin-survey-test.vs";
    WriteVelocitySurveyFile(path.string(), survey);
    const VelocitySurvey back = ReadVelocitySurveyFile(path.string());
    std::filesystem::remove(path);
    EXPECT_EQ(back.datumElevation, Value(25.5));
    ASSERT_EQ(back.count, 2);
    EXPECT_EQ(back.depths[1], 124);
    EXPECT_EQ(back.times[1], 0.123);
    EXPECT_EQ(back.depths[2], 1500);
}

TEST(VelocitySurveyFile, ReadsWhatEverySeparatorAllows) {
    EXPECT_EQ(ReadVelocitySurveyText(" 12 \r\n").count, 0);  // the datum line alone
    const VelocitySurvey s = ReadVelocitySurveyText("0\n100 0.1\n200,0.2\n\n300\t0.3");
    EXPECT_EQ(s.count, 3);
    EXPECT_EQ(s.times[3], 0.3);
}

TEST(VelocitySurveyFile, RefusesFilesThatAreNotSurveys) {
    std::string twentyTwo = "0\n";
    for (int i = 1; i <= 22; ++i) {
        twentyTwo += std::to_string(100 * i) + " " + std::to_string(0.1 * i) + "\n";
    }
    const std::pair<std::string, std::string> files[] = {
        {twentyTwo, "it holds more than 21 points"},
        {"", "it ends early, on line 1"},
        {"datum\n100 .1\n", "line 1 holds \"datum\" where a number should be"},
        {"0\n100 .1\n200\n", "it ends early, on line 4"},
        {"0\n100 fast\n", "line 2 holds \"fast\" where a number should be"}};
    for (const auto& [text, cause] : files) {
        test::ExpectImportError(
            [&] { ReadVelocitySurveyText(text, "well.vs"); },
            "well.vs: This is not a valid Tessarin velocity survey file: " + cause + ".",
            "Open Velocity Survey File", text);
    }
    EXPECT_THROW(ReadVelocitySurveyFile("/no/such/survey.vs"), ImportError);
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
    const auto folder = std::filesystem::temp_directory_path() / "tessarin-survey-save-test";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "well.vs").string();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.message);
        std::ofstream(path, std::ios::binary) << "10\r\n100           0.100\r\n";
        VelocitySurvey survey =
            CollectVelocitySurveyRows(Rows({{"500", "0.5"}, {"1500", "1.2"}}), "");
        survey.datumElevation = row.datum;
        survey.depths[2] = row.secondDepth;
        try {
            WriteVelocitySurveyFile(path, survey);
            ADD_FAILURE() << "saved";
        } catch (const Error& e) {
            EXPECT_EQ(e.what(), "The velocity survey was not saved: the " + row.message);
        }
        EXPECT_EQ(ReadVelocitySurveyFile(path).count, 1);  // the old file
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
    }
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace tessarin
