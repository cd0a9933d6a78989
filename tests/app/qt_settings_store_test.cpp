#include "qt_settings_store.h"

#include <gtest/gtest.h>

#include <QSettings>
#include <tuple>

#include "model/reset.h"

namespace tessarin {
namespace {

// Removes what a test saved, so the tests do not see each other's settings.
class QtSettingsStoreTest : public ::testing::Test {
protected:
    void TearDown() override {
        QSettings settings(QStringLiteral("Tessarin"), QStringLiteral("Tessarin"));
        settings.remove(QStringLiteral("Startup"));
    }
};

TEST_F(QtSettingsStoreTest, KeepsTextUnderApplicationTessarinGroupStartup) {
    {
        QtSettingsStore store;
        store.Write("Frequency #1", "5");
        store.Write("AGC length", "None");
        store.Write("font", "Times New Roman");
    }
    // Another program reading the same store finds the values as text under "Startup".
    QSettings settings(QStringLiteral("Tessarin"), QStringLiteral("Tessarin"));
    EXPECT_EQ(settings.applicationName(), QStringLiteral("Tessarin"));
    EXPECT_EQ(settings.value(QStringLiteral("Startup/Frequency #1")).toString(),
              QStringLiteral("5"));
    EXPECT_EQ(settings.value(QStringLiteral("Startup/AGC length")).toString(),
              QStringLiteral("None"));
    EXPECT_EQ(settings.value(QStringLiteral("Startup/font")).toString(),
              QStringLiteral("Times New Roman"));
}

TEST_F(QtSettingsStoreTest, EveryKeyRoundTripsThroughSaveSettings) {
    Project saved;
    ResetProject(saved, MemorySettingsStore());
    saved.datumType = kSpecifiedDatum;
    saved.datumVelocity = Value::Text("6000.4");
    saved.measurementUnits = kMetric;
    saved.sampleRateIndex = 1;
    saved.sampleIntervalUs = 500;
    saved.plotFontName = "DejaVu Sans";
    saved.plotFontBold = true;
    saved.agcWindow = "0.300";
    saved.lowCut = Value::Text("12.5");
    saved.phaseDegrees = Value::Text("-90");
    saved.traceCount = 7;
    saved.depthTickInterval = 50;
    {
        QtSettingsStore store;
        WriteSettings(saved, true, store);
    }
    const QtSettingsStore store;
    EXPECT_EQ(store.Read("bold"), std::optional<std::string>("-1"));
    Project read;
    EXPECT_TRUE(ReadSettings(read, store).empty());
    EXPECT_EQ(
        std::tie(read.datumType, read.datumVelocity, read.measurementUnits, read.sampleIntervalUs,
                 read.plotFontName, read.plotFontBold, read.agcWindow, read.lowCut,
                 read.phaseDegrees, read.traceCount, read.depthTickInterval),
        std::tie(saved.datumType, saved.datumVelocity, saved.measurementUnits,
                 saved.sampleIntervalUs, saved.plotFontName, saved.plotFontBold, saved.agcWindow,
                 saved.lowCut, saved.phaseDegrees, saved.traceCount, saved.depthTickInterval));
    EXPECT_TRUE(ReadStartupSettings(store).toolbarHelp);
}

TEST_F(QtSettingsStoreTest, ANonNumberSavedByHandFallsBackToTheDefault) {
    {
        QSettings settings(QStringLiteral("Tessarin"), QStringLiteral("Tessarin"));
        settings.setValue(QStringLiteral("Startup/Number of Traces"), QStringLiteral("many"));
    }
    const QtSettingsStore store;
    Project p;
    const auto problems = ReadSettings(p, store);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].key, "Number of Traces");
    EXPECT_EQ(p.traceCount, 5);
}

}  // namespace
}  // namespace tessarin
