#include "import/synthetic_information.h"

#include <gtest/gtest.h>

namespace tessarin {
namespace {

TEST(SyntheticInformationValues, OkStoresTheChoicesWithTheGardnerCoefficientOfTheUnits) {
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
    EXPECT_FALSE(p.sonicInMicrosecondsPerFoot);
    EXPECT_FALSE(p.gardnerFromDensity);
}

TEST(SyntheticInformationValues, UnitChangesConvertTheWellAndDatumValuesAndTheScales) {
    const struct {
        const char* from;
        int units;
        const char* to;
    } rows[] = {{"100", kMetric, "30.5"},        {"10000", kMetric, "3048.0"},
                {"30.5", kEnglish, "100"},       {"0", kMetric, "0.0"},
                {"unknown", kMetric, "unknown"}, {"", kEnglish, ""}};
    for (const auto& row : rows) {
        EXPECT_EQ(ConvertWellDatumValue(row.from, row.units), row.to) << row.from;
    }
    EXPECT_EQ(ConvertTimeScale("5", kMetric), "12.70");
    EXPECT_EQ(ConvertTracesPerUnit("10", kMetric), "3.94");
    EXPECT_EQ(ConvertTimeScale("12.70", kEnglish), "5.0");
    EXPECT_EQ(ConvertTracesPerUnit("3.94", kEnglish), "10.0");
}

TEST(SyntheticInformationValues, ConfirmedUnitChangeConvertsTheRecordOnce) {
    Project p;
    p.measurementUnits = kEnglish;
    p.kbElevation = Value(100);
    p.glElevation = Value::Text("ground");
    p.datumElevation = Value();
    p.datumVelocity = Value(10000);
    p.timeScale = Value(5);
    p.tracesPerUnit = Value::Text("10");
    p.velocitySurveyDatumElevation = Value(100);
    Project same = p;
    ChangeMeasurementUnits(same, kEnglish);
    EXPECT_EQ(same, p);

    ChangeMeasurementUnits(p, kMetric);
    EXPECT_EQ(p.measurementUnits, kMetric);
    EXPECT_EQ(p.kbElevation, Value::Text("30.5"));
    EXPECT_EQ(p.glElevation, Value::Text("ground"));
    EXPECT_EQ(p.datumElevation, Value());
    EXPECT_EQ(p.datumVelocity, Value::Text("3048.0"));
    EXPECT_EQ(p.timeScale, Value::Text("12.70"));
    EXPECT_EQ(p.tracesPerUnit, Value::Text("3.94"));
    EXPECT_EQ(p.velocitySurveyDatumElevation, Value(100));
    ChangeMeasurementUnits(p, kEnglish);
    EXPECT_EQ(p.kbElevation, Value::Text("100"));
    EXPECT_EQ(p.datumVelocity, Value::Text("10000"));
    EXPECT_EQ(p.timeScale, Value::Text("5.0"));
}

TEST(SyntheticInformationValues, CaptionsFollowTheUnits) {
    EXPECT_EQ(WellDatumCaptionsFor(kMetric).datumVelocity, "Seismic Datum Velocity (m/s):");
    EXPECT_EQ(WellDatumCaptionsFor(kEnglish).kb, "KB (feet):");
    EXPECT_EQ(VelocitySurveyCaptionsFor(kMetric).kb, "Well Datum Elevation - KB (m):");
    EXPECT_EQ(VelocitySurveyCaptionsFor(kEnglish).surveyDatum,
              "Velocity Survey Datum Elevation (feet):");
    EXPECT_EQ(ScalesCaptionsFor(kMetric).traces, "Traces per cm");
    EXPECT_EQ(ScalesCaptionsFor(kEnglish).timeScale, "Time Scale (inches/sec)");
    EXPECT_TRUE(SonicPerFootAllowed(kMetric));
    EXPECT_FALSE(GardnerAllowed(kSonicOnly));
}

}  // namespace
}  // namespace tessarin
