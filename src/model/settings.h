#pragma once

// The user's saved defaults and plot preferences, kept as text under application "Tessarin",
// section "Startup". The store itself is an interface: the application keeps it in QSettings,
// tests keep it in memory.

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

namespace settings_key {
inline constexpr const char* kDatumType = "Datum Type";
inline constexpr const char* kDatumVelocity = "Datum Velocity";
inline constexpr const char* kMeasurementUnits = "Measurement Units";
inline constexpr const char* kLocationType = "Location Type";
inline constexpr const char* kImpedanceType = "Impedance Type";
inline constexpr const char* kVelocitySurvey = "Velocity Survey";
inline constexpr const char* kSampleRate = "Sample Rate";
inline constexpr const char* kFont = "font";
inline constexpr const char* kBold = "bold";
inline constexpr const char* kItalic = "italic";
inline constexpr const char* kTimeScale = "Time Scale";
inline constexpr const char* kTracesPerInch = "Traces per Inch";
inline constexpr const char* kNumberOfTraces = "Number of Traces";
inline constexpr const char* kAmplitude = "Amplitude";
inline constexpr const char* kAgcLength = "AGC length";
inline constexpr const char* kWaveletType = "Wavelet Type";
inline constexpr const char* kFrequency1 = "Frequency #1";
inline constexpr const char* kFrequency2 = "Frequency #2";
inline constexpr const char* kFrequency3 = "Frequency #3";
inline constexpr const char* kFrequency4 = "Frequency #4";
inline constexpr const char* kPhase = "Phase";
inline constexpr const char* kWaveletLength = "Wavelet Length";
inline constexpr const char* kToolbarHelp = "Toolbar Help";
inline constexpr const char* kScreenFactor = "Screen Factor";
inline constexpr const char* kVelocityLogGridWidth = "Velocity Log Grid Width";
inline constexpr const char* kDensityLogGridWidth = "Density Log Grid Width";
inline constexpr const char* kLogCurvePenWidth = "Log Curve Pen Width";
inline constexpr const char* kLogGridPenWidth = "Log Grid Pen Width";
inline constexpr const char* kTimingLines = "Timing Lines";
inline constexpr const char* kDepthTicks = "Depth Ticks";
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

// Writes every key, in the order the program always has, from the record and the toolbar help
// check mark.
void WriteSettings(const Project& project, bool toolbarHelp, SettingsStore& store);

}  // namespace tessarin
