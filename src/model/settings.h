#pragma once

// The user's saved defaults and plot preferences, kept as text under application "Tessarin",
// section "Startup". The store itself is an interface: the application keeps it in QSettings,
// tests keep it in memory.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "model/project.h"

namespace tessarin {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual std::optional<std::string> Read(const std::string& key) const = 0;
    virtual void Write(const std::string& key, const std::string& value) = 0;
};

class MemorySettingsStore : public SettingsStore {
public:
    std::optional<std::string> Read(const std::string& key) const override;
    void Write(const std::string& key, const std::string& value) override;

    const std::map<std::string, std::string>& Values() const { return values_; }
    // Keys in the order they were first written.
    const std::vector<std::string>& WriteOrder() const { return writeOrder_; }

private:
    std::map<std::string, std::string> values_;
    std::vector<std::string> writeOrder_;
};

// The saved settings, each key declared once with the type of its value and the default the
// record takes when the key is missing or its text cannot be used.
struct TextKey {  // kept as typed
    const char* name;
    const char* fallback;
};
struct IntegerKey {  // a 16-bit whole number
    const char* name;
    std::int16_t fallback;
};
struct ChoiceKey {  // the index of one of `count` options
    const char* name;
    int count;
    int fallback;
};
struct TruthKey {  // true unless 0; missing is false
    const char* name;
};

namespace settings_key {
inline constexpr ChoiceKey kDatumType{"Datum Type", 2, kStartOfLog};
inline constexpr TextKey kDatumVelocity{"Datum Velocity", "7000"};
inline constexpr ChoiceKey kMeasurementUnits{"Measurement Units", 2, kEnglish};
inline constexpr ChoiceKey kLocationType{"Location Type", 2, kTownshipRange};
inline constexpr ChoiceKey kImpedanceType{"Impedance Type", 2, kSonicOnly};
inline constexpr ChoiceKey kVelocitySurvey{"Velocity Survey", 2, 0};
inline constexpr ChoiceKey kSampleRate{"Sample Rate", 3, 0};
inline constexpr TextKey kFont{"font", "Arial"};
inline constexpr TruthKey kBold{"bold"};
inline constexpr TruthKey kItalic{"italic"};
inline constexpr TextKey kTimeScale{"Time Scale", "5"};
inline constexpr TextKey kTracesPerInch{"Traces per Inch", "10"};
inline constexpr IntegerKey kNumberOfTraces{"Number of Traces", 5};
inline constexpr TextKey kAmplitude{"Amplitude", "0.5"};
inline constexpr TextKey kAgcLength{"AGC length", "None"};
inline constexpr ChoiceKey kWaveletType{"Wavelet Type", 2, kBandpassWavelet};
inline constexpr TextKey kFrequency1{"Frequency #1", "5"};
inline constexpr TextKey kFrequency2{"Frequency #2", "15"};
inline constexpr TextKey kFrequency3{"Frequency #3", "40"};
inline constexpr TextKey kFrequency4{"Frequency #4", "60"};
inline constexpr TextKey kPhase{"Phase", "0"};
inline constexpr TextKey kWaveletLength{"Wavelet Length", "0.16"};
inline constexpr TruthKey kToolbarHelp{"Toolbar Help"};
inline constexpr TextKey kScreenFactor{"Screen Factor", "1"};
inline constexpr IntegerKey kVelocityLogGridWidth{"Velocity Log Grid Width", 1440};
inline constexpr IntegerKey kDensityLogGridWidth{"Density Log Grid Width", 720};
inline constexpr IntegerKey kLogCurvePenWidth{"Log Curve Pen Width", 1};
inline constexpr IntegerKey kLogGridPenWidth{"Log Grid Pen Width", 1};
inline constexpr IntegerKey kTimingLines{"Timing Lines", 1};
inline constexpr IntegerKey kDepthTicks{"Depth Ticks", 100};
// Kept apart from the keys above: the seismic tie's own preference, written when changed.
inline constexpr TextKey kStretchVelocityLimit{"Stretch Velocity Limit", "10"};
}  // namespace settings_key

// A stored value that could not be used; its default was taken instead.
struct SettingsProblem {
    std::string key;
    std::string storedText;
    std::string reason = "is not a valid number";  // what is wrong with the text
    std::string Message() const;
};

// Reads every saved default into the record (all keys but "Toolbar Help" and "Screen Factor").
// A value that is not a number where one is read is reported and replaced by its default.
std::vector<SettingsProblem> ReadSettings(Project& project, const SettingsStore& store);

// The two keys read once at start-up.
struct StartupSettings {
    bool toolbarHelp = false;
    Value screenFactor = Value(1);
};
StartupSettings ReadStartupSettings(const SettingsStore& store,
                                    std::vector<SettingsProblem>* problems = nullptr);

// The largest change of interval velocity, in per cent, that a stretch may make before the tie
// warns of it. A stored text that is no number above 0 is reported and gives the default.
double ReadStretchVelocityLimit(const SettingsStore& store,
                                std::vector<SettingsProblem>* problems = nullptr);
void WriteStretchVelocityLimit(SettingsStore& store, double percent);

// Writes every key, in the order the program always has, from the record and the toolbar help
// check mark.
void WriteSettings(const Project& project, bool toolbarHelp, SettingsStore& store);

}  // namespace tessarin
