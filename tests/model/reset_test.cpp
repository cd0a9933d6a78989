#include "model/reset.h"

#include <gtest/gtest.h>

#include <vector>

namespace tessarin {
namespace {

// A project in the middle of some work: logs loaded, horizons, a survey, a displayed synthetic.
Project ProjectInUse() {
    Project p;
    p.wellName = "Ranch 7-22";
    p.wellLocation = {"Kern", "California", "22", "29S", "27E", "04-029-12345"};
    p.kbElevation = Value(1250.5);
    p.glElevation = Value(1235);
    p.datumElevation = Value(1200);
    p.datumVelocity = Value(6000);
    p.datumType = kSpecifiedDatum;
    p.measurementUnits = kMetric;
    p.importChoicesEnabled = false;
    p.lastSampleIndex = 2;
    p.timeDepth = {1000, 1010, 1020};
    p.timeSonic = {90, 91, 92};
    p.timeDensity = {2.3, 2.4, -1};
    p.firstSampleTime = 0.125;
    p.intervalVelocity = {11000, 10900, 10800};
    p.reflectionCoefficients = OffsetArray(-40, 52);
    p.syntheticTrace = {0.1, 0.2, 0.3};
    p.horizonTimes[1] = 0.5;
    p.horizonCount = 3;
    p.horizonNames = {"", "start of log", "Top Reef", "end of log"};
    p.horizonDepths = {Value(), Value(1000), Value(1010), Value(1020)};
    p.velocitySurveyCount = 2;
    p.velocitySurveyDepths[1] = 500;
    p.velocitySurveyTimes[1] = 0.2;
    p.velocitySurveyDatumElevation = Value(1230);
    p.screenCorrection = Value(1.1);
    p.leftMarginInches = 0.75;
    p.projectFileName = "/data/ranch.tsp";
    p.projectChanged = true;
    p.synthDisplayed = true;
    return p;
}

TEST(ResetProject, ClearsEverythingButFirstSampleTimeAndScreenCorrection) {
    Project p = ProjectInUse();
    EXPECT_TRUE(ResetProject(p, MemorySettingsStore()).empty());
    EXPECT_EQ(p.firstSampleTime, 0.125);
    EXPECT_EQ(p.screenCorrection, Value(1.1));
    // Apart from those two, a project in use resets to what a new record resets to.
    Project fresh;
    ResetProject(fresh, MemorySettingsStore());
    fresh.firstSampleTime = p.firstSampleTime;
    fresh.screenCorrection = p.screenCorrection;
    EXPECT_EQ(p, fresh);
}

TEST(ResetProject, OnAMachineWithNothingSavedGivesAnEmptyEnglishProject) {
    Project p = ProjectInUse();
    ResetProject(p, MemorySettingsStore());
    const std::vector<double> elevenZeros(11, 0.0);
    EXPECT_EQ(p.lastSampleIndex, 0);
    for (const auto* log :
         {&p.timeDepth, &p.timeSonic, &p.timeDensity, &p.intervalVelocity, &p.syntheticTrace}) {
        EXPECT_EQ(*log, elevenZeros);
    }
    EXPECT_EQ(p.reflectionCoefficients.First(), 0);
    EXPECT_EQ(p.reflectionCoefficients.Last(), 10);
    EXPECT_EQ(p.reflectionCoefficients[10], 0.0);
    EXPECT_EQ(p.wellName, "");
    EXPECT_EQ(p.wellLocation[5], "");
    EXPECT_EQ(p.kbElevation.Number(), 0);
    EXPECT_EQ(p.velocitySurveyDatumElevation.Number(), 0);
    EXPECT_EQ(p.velocitySurveyCount, 0);
    EXPECT_EQ(p.velocitySurveyDepths[1], 0);
    EXPECT_EQ(p.horizonTimes[1], 0);
    // The log ends are preset while the horizon count stays zero.
    EXPECT_EQ(p.horizonCount, 0);
    EXPECT_EQ(p.horizonNames[1], "start of log");
    EXPECT_EQ(p.horizonDepths[1], Value(0));
    EXPECT_EQ(p.horizonNames[2], "end of log");
    EXPECT_EQ(p.horizonDepths[2], Value(0));
    EXPECT_TRUE(p.horizonDepths[3].IsEmpty());
    // The saved defaults.
    EXPECT_EQ(p.measurementUnits, kEnglish);
    EXPECT_EQ(p.datumType, kStartOfLog);
    EXPECT_EQ(p.datumVelocity.Number(), 7000);
    EXPECT_EQ(p.sampleIntervalUs, 1000);
    EXPECT_TRUE(p.importChoicesEnabled);
    EXPECT_FALSE(p.projectChanged);
    EXPECT_FALSE(p.synthDisplayed);
    EXPECT_EQ(p.projectFileName, "*.tsp");
    EXPECT_EQ(p.leftMarginInches, 0.5);
}

TEST(ResetProject, KeepsTheDatumVelocityOnlyThroughTheSettings) {
    MemorySettingsStore store;
    store.Write("Datum Velocity", "5500");
    store.Write("Measurement Units", "0");
    store.Write("Sample Rate", "1");
    Project p = ProjectInUse();
    ResetProject(p, store);
    EXPECT_EQ(p.datumVelocity, Value::Text("5500"));
    EXPECT_EQ(p.measurementUnits, kMetric);
    EXPECT_EQ(p.sampleRateIndex, 1);
    EXPECT_EQ(p.sampleIntervalUs, 500);
}

TEST(ResetProject, ReportsUnreadableSettingsAndStillResets) {
    MemorySettingsStore store;
    store.Write("Wavelet Type", "Ricker");
    Project p = ProjectInUse();
    const std::vector<SettingsProblem> problems = ResetProject(p, store);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].key, "Wavelet Type");
    EXPECT_EQ(p.waveletType, kBandpassWavelet);
    EXPECT_EQ(p.lastSampleIndex, 0);
    EXPECT_EQ(p.wellName, "");
}

}  // namespace
}  // namespace tessarin
