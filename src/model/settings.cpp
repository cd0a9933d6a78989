#include "model/settings.h"

#include "model/error.h"
#include "model/numeric.h"

namespace tessarin {

std::optional<std::string> MemorySettingsStore::Read(const std::string& key) const {
    const auto it = values_.find(key);
    if (it == values_.end()) {
        return std::nullopt;
    }
    return it->second;
}

void MemorySettingsStore::Write(const std::string& key, const std::string& value) {
    if (values_.find(key) == values_.end()) {
        writeOrder_.push_back(key);
    }
    values_[key] = value;
}

std::string SettingsProblem::Message() const {
    return "The saved setting \"" + key + "\" holds \"" + storedText + "\", which " + reason +
           "; its default is used instead.";
}

namespace {

// Reads the settings one key at a time, collecting the keys whose text could not be used.
class SettingsReader {
public:
    SettingsReader(const SettingsStore& store, std::vector<SettingsProblem>* problems)
        : store_(store), problems_(problems) {}

    std::string Text(const char* key, const std::string& fallback) const {
        return store_.Read(key).value_or(fallback);
    }

    Value TextValue(const char* key, const std::string& fallback) const {
        return Value::Text(Text(key, fallback));
    }

    std::int16_t Integer(const char* key, std::int16_t fallback) const {
        const auto number = StoredNumber(key);
        if (!number) {
            return fallback;
        }
        try {
            return ToInt16(*number);
        } catch (const OverflowError&) {
            Report(key, "is outside -32768 to 32767");
            return fallback;
        }
    }

    // A choice among `count` options stored as its index.
    int Choice(const char* key, int count, int fallback) const {
        const auto number = StoredNumber(key);
        if (!number) {
            return fallback;
        }
        const double index = RoundHalfEven(*number);
        if (!(index >= 0 && index < count)) {
            Report(key, "is not one of its choices " + ChoiceList(count));
            return fallback;
        }
        return static_cast<int>(index);
    }

    bool Truth(const char* key) const { return Integer(key, 0) != 0; }

private:
    // The number a key holds; nothing when it is missing or, reported, not a number.
    std::optional<double> StoredNumber(const char* key) const {
        const auto stored = store_.Read(key);
        if (!stored) {
            return std::nullopt;
        }
        const std::optional<double> number = ParseNumber(*stored);
        if (!number) {
            Report(key, "is not a valid number");
        }
        return number;
    }

    // "0 or 1", "0, 1 or 2".
    static std::string ChoiceList(int count) {
        std::string list;
        for (int i = 0; i < count; ++i) {
            list += (i == 0 ? "" : i == count - 1 ? " or " : ", ") + std::to_string(i);
        }
        return list;
    }

    void Report(const char* key, const std::string& reason) const {
        if (problems_) {
            problems_->push_back({key, store_.Read(key).value_or(""), reason});
        }
    }

    const SettingsStore& store_;
    std::vector<SettingsProblem>* problems_;
};

}  // namespace

std::vector<SettingsProblem> ReadSettings(Project& p, const SettingsStore& store) {
    namespace k = settings_key;
    std::vector<SettingsProblem> problems;
    const SettingsReader in(store, &problems);
    p.datumType = in.Choice(k::kDatumType, 2, kStartOfLog);
    p.datumVelocity = in.TextValue(k::kDatumVelocity, "7000");
    p.measurementUnits = in.Choice(k::kMeasurementUnits, 2, kEnglish);
    p.locationType = in.Choice(k::kLocationType, 2, kTownshipRange);
    p.impedanceType = in.Choice(k::kImpedanceType, 2, kSonicOnly);
    p.applyVelocitySurvey = in.Choice(k::kVelocitySurvey, 2, 0) == 1;
    p.sampleRateIndex = in.Choice(k::kSampleRate, 3, 0);
    p.sampleIntervalUs = SampleIntervalForRate(p.sampleRateIndex);
    p.plotFontName = in.Text(k::kFont, "Arial");
    p.plotFontBold = in.Truth(k::kBold);
    p.plotFontItalic = in.Truth(k::kItalic);
    p.timeScale = in.TextValue(k::kTimeScale, "5");
    p.tracesPerUnit = in.TextValue(k::kTracesPerInch, "10");
    p.traceCount = in.Integer(k::kNumberOfTraces, 5);
    p.amplitudeScale = in.TextValue(k::kAmplitude, "0.5");
    p.agcWindow = in.Text(k::kAgcLength, "None");
    p.waveletType = in.Choice(k::kWaveletType, 2, kBandpassWavelet);
    p.lowCut = in.TextValue(k::kFrequency1, "5");
    p.lowPass = in.TextValue(k::kFrequency2, "15");
    p.highPass = in.TextValue(k::kFrequency3, "40");
    p.highCut = in.TextValue(k::kFrequency4, "60");
    p.phaseDegrees = in.TextValue(k::kPhase, "0");
    p.waveletLength = in.TextValue(k::kWaveletLength, "0.16");
    p.velocityLogWidth = in.Integer(k::kVelocityLogGridWidth, 1440);
    p.densityLogWidth = in.Integer(k::kDensityLogGridWidth, 720);
    p.logPenWidth = in.Integer(k::kLogCurvePenWidth, 1);
    p.gridPenWidth = in.Integer(k::kLogGridPenWidth, 1);
    p.timingLinesPer100ms = in.Integer(k::kTimingLines, 1);
    p.depthTickInterval = in.Integer(k::kDepthTicks, 100);
    return problems;
}

StartupSettings ReadStartupSettings(const SettingsStore& store,
                                    std::vector<SettingsProblem>* problems) {
    const SettingsReader in(store, problems);
    StartupSettings s;
    s.toolbarHelp = in.Truth(settings_key::kToolbarHelp);
    s.screenFactor = in.TextValue(settings_key::kScreenFactor, "1");
    if (!ParseNumber(s.screenFactor.ToText())) {
        if (problems) {
            problems->push_back({settings_key::kScreenFactor, s.screenFactor.ToText()});
        }
        s.screenFactor = Value::Text("1");
    }
    return s;
}

void WriteSettings(const Project& p, bool toolbarHelp, SettingsStore& store) {
    namespace k = settings_key;
    const auto flag = [](bool on) { return std::string(on ? "1" : "0"); };
    const auto truth = [](bool on) { return std::string(on ? "-1" : "0"); };
    const auto integer = [](int value) { return std::to_string(value); };
    store.Write(k::kDatumType, flag(p.datumType == kSpecifiedDatum));
    store.Write(k::kDatumVelocity, p.datumVelocity.ToText());
    store.Write(k::kMeasurementUnits, flag(p.measurementUnits == kEnglish));
    store.Write(k::kLocationType, flag(p.locationType == kTownshipRange));
    store.Write(k::kImpedanceType, flag(p.impedanceType == kSonicDensity));
    store.Write(k::kVelocitySurvey, flag(p.applyVelocitySurvey));
    store.Write(k::kSampleRate, integer(p.sampleRateIndex < 0 ? 0 : p.sampleRateIndex));
    store.Write(k::kFont, p.plotFontName);
    store.Write(k::kBold, truth(p.plotFontBold));
    store.Write(k::kItalic, truth(p.plotFontItalic));
    store.Write(k::kTimeScale, p.timeScale.ToText());
    store.Write(k::kTracesPerInch, p.tracesPerUnit.ToText());
    store.Write(k::kNumberOfTraces, integer(p.traceCount));
    store.Write(k::kAmplitude, p.amplitudeScale.ToText());
    store.Write(k::kAgcLength, p.agcWindow);
    store.Write(k::kWaveletType, flag(p.waveletType == kRickerWavelet));
    store.Write(k::kFrequency1, p.lowCut.ToText());
    store.Write(k::kFrequency2, p.lowPass.ToText());
    store.Write(k::kFrequency3, p.highPass.ToText());
    store.Write(k::kFrequency4, p.highCut.ToText());
    store.Write(k::kPhase, p.phaseDegrees.ToText());
    store.Write(k::kWaveletLength, p.waveletLength.ToText());
    store.Write(k::kToolbarHelp, flag(toolbarHelp));
    store.Write(k::kScreenFactor, p.screenCorrection.ToText());
    store.Write(k::kVelocityLogGridWidth, integer(p.velocityLogWidth));
    store.Write(k::kDensityLogGridWidth, integer(p.densityLogWidth));
    store.Write(k::kLogCurvePenWidth, integer(p.logPenWidth));
    store.Write(k::kLogGridPenWidth, integer(p.gridPenWidth));
    store.Write(k::kTimingLines, integer(p.timingLinesPer100ms));
    store.Write(k::kDepthTicks, integer(p.depthTickInterval));
}

}  // namespace tessarin
