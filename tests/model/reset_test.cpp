#include "model/reset.h"

#include <gtest/gtest.h>

#include <vector>

namespace tessarin {
namespace {

// A project in the middle of some work: logs loaded, horizons, a survey, a displayed synthetic.
Project ProjectInUse() {
    Project p;
    p.wellName = "Ranch 7-22";
    p.wellLocation[5] = "04-029-12345";
    p.kbElevation = Value(1250.5);
    p.datumType = kSpecifiedDatum;
    p.measurementUnits = kMetric;
    p.importChoicesEnabled = false;
    p.lastSampleIndex = 2;
    p.timeDepth = p.timeSonic = p.intervalVelocity = p.syntheticTrace = {1000, 1010, 1020};
    p.firstSampleTime = 0.125;
    p.reflectionCoefficients = OffsetArray(-40, 52);
    p.horizonTimes[1] = 0.5;
    p.horizonCount = 3;
    p.horizonNames = {"", "start of log", "Top Reef", "end of log"};
    p.horizonDepths = {Value(), Value(1000), Value(1010), Value(1020)};
    p.velocitySurveyCount = 2;
    p.velocitySurveyDepths[1] = 500;
    p.velocitySurveyDatumElevation = Value(1230);
    p.screenCorrection = Value(1.1);
    p.leftMarginInches = 0.75;
    p.projectFileName = "/data/ranch.tsp";
    p.projectChanged = p.synthDisplayed = true;
    return p;
}

TEST(ResetProject, GivesAnEmptyProjectWithTheSavedDefaultsButKeepsTwoValues) {
    Project p = ProjectInUse();
    EXPECT_TRUE(ResetProject(p, MemorySettingsStore()).empty());
    EXPECT_EQ(p.firstSampleTime, 0.125);
    EXPECT_EQ(p.screenCorrection, Value(1.1));
    // Eleven zeros in every log, the log ends preset while the horizon count stays zero.
    const std::vector<double> elevenZeros(11, 0.0);
    for (const auto* log :
         {&p.timeDepth, &p.timeSonic, &p.timeDensity, &p.intervalVelocity, &p.syntheticTrace})
        EXPECT_EQ(*log, elevenZeros);
    EXPECT_EQ(p.reflectionCoefficients, OffsetArray(0, 10));
    EXPECT_EQ(p.horizonCount, 0);
    EXPECT_EQ(p.horizonNames[1], "start of log");
    EXPECT_EQ(p.horizonDepths[1], Value(0));
    EXPECT_EQ(p.horizonNames[2], "end of log");
    EXPECT_EQ(p.horizonDepths[2], Value(0));
    EXPECT_TRUE(p.horizonDepths[3].IsEmpty());
    EXPECT_EQ(p.kbElevation.Number(), 0);
    EXPECT_EQ(p.measurementUnits, kEnglish);
    EXPECT_TRUE(p.importChoicesEnabled);
    EXPECT_FALSE(p.projectChanged || p.synthDisplayed);
    EXPECT_EQ(p.projectFileName, "*.tsp");
    EXPECT_EQ(p.leftMarginInches, 0.5);
    // Apart from those two values, a project in use resets to what a new record resets to.
    Project fresh;
    ResetProject(fresh, MemorySettingsStore());
    fresh.firstSampleTime = p.firstSampleTime;
    fresh.screenCorrection = p.screenCorrection;
    EXPECT_EQ(p, fresh);
}

TEST(ResetProject, TakesTheSavedSettingsAndReportsThoseItCannotRead) {
    MemorySettingsStore store;
    store.Write("Datum Velocity", "5500");
    store.Write("Measurement Units", "0");
    store.Write("Sample Rate", "1");
    store.Write("Wavelet Type", "Ricker");
    Project p = ProjectInUse();
    const std::vector<SettingsProblem> problems = ResetProject(p, store);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].key, "Wavelet Type");
    EXPECT_EQ(p.datumVelocity, Value::Text("5500"));
    EXPECT_EQ(p.measurementUnits, kMetric);
    EXPECT_EQ(p.sampleIntervalUs, 500);
    EXPECT_EQ(p.waveletType, kBandpassWavelet);
    EXPECT_EQ(p.wellName, "");
}

}  // namespace
}  // namespace tessarin
