#include "model/settings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessarin {
namespace {

// A project with the defaults of a machine with nothing saved, then a choice other than the
// default in every field that is stored as a choice, a flag or a number.
Project CustomisedProject() {
    Project p;
    ReadSettings(p, MemorySettingsStore());
    p.datumType = kSpecifiedDatum;
    p.datumVelocity = Value::Text("6000.4");
    p.measurementUnits = kMetric;
    p.locationType = kGeneralLocation;
    p.impedanceType = kSonicDensity;
    p.applyVelocitySurvey = p.plotFontBold = true;
    p.sampleRateIndex = 2;
    p.sampleIntervalUs = 250;
    p.traceCount = 7;
    p.waveletType = kRickerWavelet;
    p.screenCorrection = Value::Text("1.05");
    p.velocityLogWidth = 2880;
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
              "Impedance Type=1|Velocity Survey=1|Sample Rate=2|font=Arial|bold=-1|italic=0|"
              "Time Scale=5|Traces per Inch=10|Number of Traces=7|Amplitude=0.5|AGC length=None|"
              "Wavelet Type=1|Frequency #1=5|Frequency #2=15|Frequency #3=40|Frequency #4=60|"
              "Phase=0|Wavelet Length=0.16|Toolbar Help=1|Screen Factor=1.05|"
              "Velocity Log Grid Width=2880|Density Log Grid Width=720|Log Curve Pen Width=1|"
              "Log Grid Pen Width=1|Timing Lines=1|Depth Ticks=100|");

    // Read back, the record is the saved one; the screen factor is read once at start-up.
    Project p;
    EXPECT_TRUE(ReadSettings(p, store).empty());
    p.screenCorrection = saved.screenCorrection;
    EXPECT_EQ(p, saved);
    EXPECT_TRUE(ReadStartupSettings(store).toolbarHelp);
    EXPECT_EQ(ReadStartupSettings(store).screenFactor, Value::Text("1.05"));
    // Nothing saved: every saved field takes its default, whatever it held.
    Project plain;
    ReadSettings(plain, MemorySettingsStore());
    EXPECT_TRUE(ReadSettings(p, MemorySettingsStore()).empty());
    plain.screenCorrection = p.screenCorrection;
    EXPECT_EQ(p, plain);
}

TEST(Settings, AnUnusableStoredValueIsReportedWithWhatIsWrongAndTheDefaultUsed) {
    MemorySettingsStore store;
    store.Write("Measurement Units", "metric");
    store.Write("Sample Rate", "5");           // no such rate
    store.Write("Number of Traces", "40000");  // beyond 16 bits
    store.Write("Datum Type", "-1");
    store.Write("Screen Factor", "big");
    Project p;
    // In the order the keys are read.
    std::string messages;
    for (const SettingsProblem& problem : ReadSettings(p, store))
        messages += problem.key + ": " + problem.Message() + "\n";
    const auto message = [](const std::string& key, const std::string& what) {
        return key + ": The saved setting \"" + key + "\" holds " + what +
               "; its default is used instead.\n";
    };
    EXPECT_EQ(messages,
              message("Datum Type", "\"-1\", which is not one of its choices 0 or 1") +
                  message("Measurement Units", "\"metric\", which is not a valid number") +
                  message("Sample Rate", "\"5\", which is not one of its choices 0, 1 or 2") +
                  message("Number of Traces", "\"40000\", which is outside -32768 to 32767"));
    Project defaults;
    ReadSettings(defaults, MemorySettingsStore());
    EXPECT_EQ(p, defaults);
    std::vector<SettingsProblem> startupProblems;
    const StartupSettings startup = ReadStartupSettings(store, &startupProblems);
    ASSERT_EQ(startupProblems.size(), 1u);
    EXPECT_EQ(startupProblems[0].key, "Screen Factor");
    EXPECT_EQ(startupProblems[0].reason, "is not a valid number");
    EXPECT_EQ(startup.screenFactor.Number(), 1);

    // The stretch's velocity limit: a number of per cent above 0, or the default of 10.
    EXPECT_EQ(ReadStretchVelocityLimit(store), 10);
    for (const std::string text : {"0", "-5", "ten"}) {
        store.Write("Stretch Velocity Limit", text);
        std::vector<SettingsProblem> problems;
        EXPECT_EQ(ReadStretchVelocityLimit(store, &problems), 10);
        ASSERT_EQ(problems.size(), 1u) << text;
        EXPECT_EQ(problems[0].Message(), "The saved setting \"Stretch Velocity Limit\" holds \"" +
                                             text +
                                             "\", which is not a number of per cent above "
                                             "0; its default is used instead.");
    }
    WriteStretchVelocityLimit(store, 7.5);
    EXPECT_EQ(ReadStretchVelocityLimit(store), 7.5);
}

}  // namespace
}  // namespace tessarin
