// The choices an import is made with: the Synthetic Information dialog and its change of units,
// and the velocity survey as its dialog and its file hold it.

#include <gtest/gtest.h>

#include <limits>

#include "core_test_support.h"
#include "import/synthetic_information.h"
#include "import/velocity_survey.h"
#include "model/numeric.h"

namespace tessarin::test {
namespace {

TEST(SyntheticInformation, OkStoresTheChoicesWithTheGardnerCoefficientOfTheUnits) {
    Project p;
    SyntheticInformationValues c;
    c.measurementUnits = kMetric;
    c.sonicInMicrosecondsPerFoot = c.gardnerFromDensity = c.applyVelocitySurvey = true;
    c.sampleRateIndex = 2;
    c.impedanceType = kSonicDensity;
    ApplySyntheticInformationValues(p, c);
    EXPECT_EQ(p.gardnerCoefficient, 108.2812);
    EXPECT_TRUE(p.sonicInMicrosecondsPerFoot && p.gardnerFromDensity && p.applyVelocitySurvey);
    EXPECT_TRUE(p.projectChanged);
    c.measurementUnits = kEnglish;  // the microseconds-per-foot box cannot be ticked
    c.impedanceType = kSonicOnly;   // Sonic Only unticks Gardner
    ApplySyntheticInformationValues(p, c);
    EXPECT_EQ(p.gardnerCoefficient, 357.3458);
    EXPECT_FALSE(p.sonicInMicrosecondsPerFoot || p.gardnerFromDensity);
    // A caption of each dialog follows the units.
    EXPECT_EQ(WellDatumCaptionsFor(kMetric).datumVelocity, "Seismic Datum Velocity (m/s):");
    EXPECT_EQ(VelocitySurveyCaptionsFor(kMetric).kb, "Well Datum Elevation - KB (m):");
    EXPECT_EQ(ScalesCaptionsFor(kMetric).traces, "Traces per cm");
}

TEST(SyntheticInformation, AConfirmedUnitChangeConvertsTheWellDatumScalesTopsAndSurveyOnce) {
    // 100 ft is 30.48 m, written "####0.0"; 10000 ft/s is 3048 m/s; a time scale of 5 in/s is
    // 12.7 cm/s and 10 traces per inch 3.94 per cm. Tops and survey points go as KB does; a box
    // that holds no number stays as it is.
    Project p;
    p.kbElevation = Value(100);
    p.glElevation = Value::Text("ground");
    p.datumVelocity = Value(10000);
    p.timeScale = Value(5);
    p.tracesPerUnit = Value::Text("10");
    p.horizonDepths[1] = Value(2845);
    p.horizonDepths[2] = Value(3730);
    p.velocitySurveyDatumElevation = Value(25);
    p.velocitySurveyCount = 2;
    p.velocitySurveyDepths = {0, 1000, 3730, 99};  // the entry past the count is not the survey's
    const auto shown = [&] {
        return p.kbElevation.ToText() + "|" + p.glElevation.ToText() + "|" +
               p.datumVelocity.ToText() + "|" + p.timeScale.ToText() + "|" +
               p.tracesPerUnit.ToText() + "|" + p.horizonDepths[1].ToText() + " " +
               p.horizonDepths[2].ToText() + "|" + p.velocitySurveyDatumElevation.ToText() + " " +
               PlainNumber(p.velocitySurveyDepths[1]) + " " +
               PlainNumber(p.velocitySurveyDepths[2]) + " " +
               PlainNumber(p.velocitySurveyDepths[3]);
    };
    ChangeMeasurementUnits(p, kMetric);
    EXPECT_EQ(shown(), "30.5|ground|3048.0|12.70|3.94|867.2 1136.9|7.6 304.8 1136.9 99");
    ChangeMeasurementUnits(p, kEnglish);
    EXPECT_EQ(shown(), "100|ground|10000|5.0|10.0|2845 3730|25 1000 3730 99");
    EXPECT_EQ(p.horizonDepths[3], Value());
}

// The dialog's rows written "depth@time|depth@time|...", a survey shown as
// "datum|depth:time depth:time ...".
VelocitySurveyRows Rows(const std::string& text) {
    VelocitySurveyRows rows;
    std::istringstream in(text);
    std::string item;
    for (std::size_t i = 0; std::getline(in, item, '|'); ++i)
        rows[i] = {item.substr(0, item.find('@')), item.substr(item.find('@') + 1)};
    return rows;
}

std::string Points(const VelocitySurvey& s) {
    std::ostringstream out;
    out << s.datumElevation.ToText() << "|";
    for (int k = 1; k <= s.count; ++k)
        out << (k > 1 ? " " : "") << s.depths[k] << ":" << s.times[k];
    return out.str();
}

TEST(VelocitySurveyTable, OkSortsCompleteRowsByDepthAndDropsHalfRows) {
    Project p;
    ASSERT_TRUE(AcceptVelocitySurvey(p, Rows("1500@1.2|800@|500@.5|@0.9|1000@0.9"), "25", "30"));
    EXPECT_EQ(Points(VelocitySurveyOf(p)), "25|500:0.5 1000:0.9 1500:1.2");
    EXPECT_EQ(p.kbElevation, Value::Text("30"));
    EXPECT_TRUE(p.projectChanged);
    // The rows shown again: plain depths, times formatted "0.##0".
    const VelocitySurveyRows shown = VelocitySurveyRowsOf(VelocitySurveyOf(p));
    EXPECT_EQ(shown[0].depth + "@" + shown[0].time + "|" + shown[2].time + "|" + shown[3].depth,
              "500@0.500|1.200|");

    // Fewer than two complete rows change nothing; a box that is no number is refused.
    const Project before;
    p = before;
    EXPECT_FALSE(AcceptVelocitySurvey(p, Rows("1500@1.2|800@"), "25", "30"));
    EXPECT_EQ(p, before);
    EXPECT_THROW(CollectVelocitySurveyRows(Rows("15OO@1.2"), "0"), ConversionError);
}

TEST(VelocitySurveyFile, WritesWholeDepthsAndReadsWhatEverySeparatorAllows) {
    TempDir dir;
    WriteVelocitySurveyFile(dir.File("well.vs"),
                            CollectVelocitySurveyRows(Rows("123.6@0.1234|1500@1.2"), "25.5"));
    EXPECT_EQ(ReadWholeFile(dir.File("well.vs")),
              "25.5\r\n124           0.123\r\n1500          1.200\r\n");
    EXPECT_EQ(Points(ReadVelocitySurveyText("0\n100 0.1\n200,0.2\n\n300\t0.3")),
              "0|100:0.1 200:0.2 300:0.3");
    std::string lines = "0\n";  // 21 points, and one more
    for (int i = 1; i <= 22; ++i)
        lines += std::to_string(100 * i) + " " + std::to_string(0.1 * i) + "\n";
    const std::pair<std::string, std::string> refused[] = {
        {lines, "it holds more than 21 points."},
        {"datum\n100 .1\n", "line 1 holds \"datum\" where a number should be."},
        {"0\n100 .1\n200\n", "it ends early, on line 4."},
        {"0\n" + std::string(70000, '1'), "line 2 is longer than 65536 characters."}};
    for (const auto& [text, cause] : refused)
        EXPECT_EQ(ErrorOf([&] { ReadVelocitySurveyText(text); }),
                  "Open Velocity Survey File: This is not a valid Tessarin velocity survey file: " +
                      cause);
    EXPECT_EQ(ReadVelocitySurveyText(lines.substr(0, lines.rfind("2200"))).count, 21);
}

// The survey datum is the text of its box, written bare: an empty box or one holding a blank
// would make the file open as other points, or not at all. The depths are numbers, but the
// largest of them is rounded past the largest number when written.
TEST(VelocitySurveyFile, ASaveThatWouldNotOpenAgainIsRefusedAndTheOldFileKept) {
    const std::string same = " would not read back the same from the file (it ";
    const double largest = std::numeric_limits<double>::max();
    const std::tuple<Value, double, std::string> rows[] = {
        {Value::Text(""), 1500, "survey datum elevation \"\"" + same + "is empty)."},
        {Value::Text("1 10"), 1500,
         "survey datum elevation \"1 10\"" + same + "holds a blank or a comma)."},
        {Value::Text("KB"), 1500, "survey datum elevation \"KB\"" + same + "is not a number)."},
        {Value::Text("25"), largest,
         "depth of point 2 1.7976931348623157e+308" + same +
             "is too large to be written and read back)."},
    };
    TempDir dir;
    for (const auto& [datum, secondDepth, message] : rows) {
        WriteWholeFile(dir.File("well.vs"), "10\r\n100           0.100\r\n");
        VelocitySurvey survey = CollectVelocitySurveyRows(Rows("500@0.5|1500@1.2"), "");
        survey.datumElevation = datum;
        survey.depths[2] = secondDepth;
        EXPECT_EQ(ErrorOf([&] { WriteVelocitySurveyFile(dir.File("well.vs"), survey); }),
                  "The velocity survey was not saved: the " + message);
        EXPECT_EQ(ReadVelocitySurveyFile(dir.File("well.vs")).count, 1);  // the old file
        EXPECT_EQ(dir.Count(), 1);
    }
}

}  // namespace
}  // namespace tessarin::test
