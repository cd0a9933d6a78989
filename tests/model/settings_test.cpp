#include "model/settings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/reset.h"

namespace tessarin {
namespace {

// A project that differs from the defaults in every saved field.
Project CustomisedProject() {
    Project p;
    p.datumType = kSpecifiedDatum;
    p.datumVelocity = Value::Text("6000.4");
    p.measurementUnits = kMetric;
    p.locationType = kGeneralLocation;
    p.impedanceType = kSonicDensity;
    p.applyVelocitySurvey = true;
    p.sampleRateIndex = 2;
    p.sampleIntervalUs = 250;
    p.plotFontName = "Times New Roman";
    p.plotFontBold = true;
    p.timeScale = Value::Text("10");
    p.tracesPerUnit = Value::Text("4");
    p.traceCount = 7;
    p.amplitudeScale = Value::Text("1.25");
    p.agcWindow = "0.300";
    p.waveletType = kRickerWavelet;
    p.lowCut = Value::Text("25");
    p.lowPass = Value::Text("30");
    p.highPass = Value::Text("50");
    p.highCut = Value::Text("70");
    p.phaseDegrees = Value::Text("-90");
    p.waveletLength = Value::Text("0.096");
    p.screenCorrection = Value::Text("1.05");
    p.velocityLogWidth = 2880;
    p.densityLogWidth = 1440;
    p.logPenWidth = 2;
    p.gridPenWidth = 3;
    p.timingLinesPer100ms = 5;
    p.depthTickInterval = 50;
    return p;
}

TEST(Settings, WritesEveryKeyInOrderAsTextAndReadsItBack) {
    const Project saved = CustomisedProject();
    MemorySettingsStore store;
    WriteSettings(saved, true, store);
    std::string written;
    for (const std::string& key : store.WriteOrder())
        written += key + "=" + store.Values().at(key) + "|";
    EXPECT_EQ(written,
              "Datum Type=1|Datum Velocity=6000.4|Measurement Units=0|Location Type=0|"
              "Impedance Type=1|Velocity Survey=1|Sample Rate=2|font=Times New Roman|bold=-1|"
              "italic=0|Time Scale=10|Traces per Inch=4|Number of Traces=7|Amplitude=1.25|"
              "AGC length=0.300|Wavelet Type=1|Frequency #1=25|Frequency #2=30|Frequency #3=50|"
              "Frequency #4=70|Phase=-90|Wavelet Length=0.096|Toolbar Help=1|Screen Factor=1.05|"
              "Velocity Log Grid Width=2880|Density Log Grid Width=1440|Log Curve Pen Width=2|"
              "Log Grid Pen Width=3|Timing Lines=5|Depth Ticks=50|");

    Project p;
    EXPECT_TRUE(ReadSettings(p, store).empty());
    Project expected = saved;
    expected.screenCorrection = p.screenCorrection;  // read once at start-up, not here
    EXPECT_EQ(p, expected);
    const StartupSettings startup = ReadStartupSettings(store);
    EXPECT_TRUE(startup.toolbarHelp);
    EXPECT_EQ(startup.screenFactor, Value::Text("1.05"));

    // Nothing saved: every saved field takes its default, whatever it held; reading writes
    // nothing back.
    MemorySettingsStore empty;
    p = CustomisedProject();
    Project plain;
    EXPECT_TRUE(ReadSettings(p, empty).empty());
    ReadSettings(plain, empty);
    plain.screenCorrection = p.screenCorrection;
    EXPECT_EQ(p, plain);
    EXPECT_FALSE(ReadStartupSettings(empty).toolbarHelp);
    EXPECT_TRUE(empty.Values().empty());
}

TEST(Settings, AnUnusableStoredValueIsReportedWithWhatIsWrongAndTheDefaultUsed) {
    MemorySettingsStore store;
    store.Write("Measurement Units", "metric");
    store.Write("Sample Rate", "5");           // no such rate
    store.Write("Number of Traces", "40000");  // beyond 16 bits
    store.Write("Depth Ticks", "five");
    store.Write("Datum Type", "-1");
    store.Write("Velocity Log Grid Width", "-32769");
    store.Write("Time Scale", "fast");  // a text key: kept as typed
    store.Write("Screen Factor", "big");
    Project p;
    const std::vector<SettingsProblem> problems = ReadSettings(p, store);
    const std::pair<const char*, const char*> expected[] = {
        // In the order the keys are read.
        {"Datum Type", "holds \"-1\", which is not one of its choices 0 or 1;"},
        {"Measurement Units", "holds \"metric\", which is not a valid number;"},
        {"Sample Rate", "holds \"5\", which is not one of its choices 0, 1 or 2;"},
        {"Number of Traces", "holds \"40000\", which is outside -32768 to 32767;"},
        {"Velocity Log Grid Width", "holds \"-32769\", which is outside -32768 to 32767;"},
        {"Depth Ticks", "holds \"five\", which is not a valid number;"},
    };
    ASSERT_EQ(problems.size(), std::size(expected));
    for (std::size_t i = 0; i < problems.size(); ++i) {
        EXPECT_EQ(problems[i].key, expected[i].first);
        EXPECT_EQ(problems[i].Message(), "The saved setting \"" + std::string(expected[i].first) +
                                             "\" " + expected[i].second +
                                             " its default is used instead.");
    }
    Project defaults;
    ReadSettings(defaults, MemorySettingsStore());
    defaults.timeScale = Value::Text("fast");
    EXPECT_EQ(p, defaults);
    std::vector<SettingsProblem> startupProblems;
    const StartupSettings startup = ReadStartupSettings(store, &startupProblems);
    ASSERT_EQ(startupProblems.size(), 1u);
    EXPECT_EQ(startupProblems[0].key, "Screen Factor");
    EXPECT_EQ(startupProblems[0].reason, "is not a valid number");
    EXPECT_EQ(startup.screenFactor.Number(), 1);
}

// A project in the middle of some work resets to what a new record resets to, with the saved
// settings, apart from the first sample time and the screen correction, which it keeps.
TEST(ResetProject, ClearsAProjectInUseAndTakesTheSavedSettings) {
    MemorySettingsStore store;
    store.Write("Sample Rate", "1.4");  // choices and integers round halves to even
    store.Write("Number of Traces", "6.5");
    store.Write("Wavelet Type", "Ricker");
    Project p = CustomisedProject();
    p.wellName = "Ranch 7-22";
    p.importChoicesEnabled = false;
    p.lastSampleIndex = 2;
    p.timeDepth = p.timeDensity = p.syntheticTrace = {1000, 1010, 1020};
    p.firstSampleTime = 0.125;
    p.reflectionCoefficients = OffsetArray(-40, 52);
    p.horizonCount = 3;
    p.horizonDepths[3] = Value(1020);
    p.velocitySurveyCount = 2;
    p.projectChanged = p.synthDisplayed = true;
    const std::vector<SettingsProblem> problems = ResetProject(p, store);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].key, "Wavelet Type");
    // Eleven zeros in every log, the log ends preset while the horizon count stays zero.
    EXPECT_EQ(p.timeDensity, std::vector<double>(11, 0.0));
    EXPECT_EQ(p.reflectionCoefficients, OffsetArray(0, 10));
    EXPECT_EQ(p.horizonNames[2], "end of log");
    EXPECT_EQ(p.horizonDepths[2], Value(0));
    EXPECT_TRUE(p.horizonDepths[3].IsEmpty());
    Project fresh;
    ResetProject(fresh, store);
    EXPECT_EQ(fresh.sampleIntervalUs, 500);
    EXPECT_EQ(fresh.traceCount, 6);
    fresh.firstSampleTime = 0.125;
    fresh.screenCorrection = Value::Text("1.05");
    EXPECT_EQ(p, fresh);
}

}  // namespace
}  // namespace tessarin
