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

    std::string Text(const TextKey& key) const {
        return store_.Read(key.name).value_or(key.fallback);
    }

    Value TextValue(const TextKey& key) const { return Value::Text(Text(key)); }

    std::int16_t Integer(const IntegerKey& key) const {
        const auto number = StoredNumber(key.name);
        if (!number) {
            return key.fallback;
        }
        try {
            return ToInt16(*number);
        } catch (const OverflowError&) {
            Report(key.name, "is outside -32768 to 32767");
            return key.fallback;
        }
    }

    int Choice(const ChoiceKey& key) const {
        const auto number = StoredNumber(key.name);
        if (!number) {
            return key.fallback;
        }
        const double index = RoundHalfEven(*number);
        if (!(index >= 0 && index < key.count)) {
            Report(key.name, "is not one of its choices " + ChoiceList(key.count));
            return key.fallback;
        }
        return static_cast<int>(index);
    }

    bool Truth(const TruthKey& key) const { return Integer({key.name, 0}) != 0; }

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
    p.datumType = in.Choice(k::kDatumType);
    p.datumVelocity = in.TextValue(k::kDatumVelocity);
    p.measurementUnits = in.Choice(k::kMeasurementUnits);
    p.locationType = in.Choice(k::kLocationType);
    p.impedanceType = in.Choice(k::kImpedanceType);
    p.applyVelocitySurvey = in.Choice(k::kVelocitySurvey) == 1;
    p.sampleRateIndex = in.Choice(k::kSampleRate);
    p.sampleIntervalUs = SampleIntervalForRate(p.sampleRateIndex);
    p.plotFontName = in.Text(k::kFont);
    p.plotFontBold = in.Truth(k::kBold);
    p.plotFontItalic = in.Truth(k::kItalic);
    p.timeScale = in.TextValue(k::kTimeScale);
    p.tracesPerUnit = in.TextValue(k::kTracesPerInch);
    p.traceCount = in.Integer(k::kNumberOfTraces);
    p.amplitudeScale = in.TextValue(k::kAmplitude);
    p.agcWindow = in.Text(k::kAgcLength);
    p.waveletType = in.Choice(k::kWaveletType);
    p.lowCut = in.TextValue(k::kFrequency1);
    p.lowPass = in.TextValue(k::kFrequency2);
    p.highPass = in.TextValue(k::kFrequency3);
    p.highCut = in.TextValue(k::kFrequency4);
    p.phaseDegrees = in.TextValue(k::kPhase);
    p.waveletLength = in.TextValue(k::kWaveletLength);
    p.velocityLogWidth = in.Integer(k::kVelocityLogGridWidth);
    p.densityLogWidth = in.Integer(k::kDensityLogGridWidth);
    p.logPenWidth = in.Integer(k::kLogCurvePenWidth);
    p.gridPenWidth = in.Integer(k::kLogGridPenWidth);
    p.timingLinesPer100ms = in.Integer(k::kTimingLines);
    p.depthTickInterval = in.Integer(k::kDepthTicks);
    return problems;
}

StartupSettings ReadStartupSettings(const SettingsStore& store,
                                    std::vector<SettingsProblem>* problems) {
    const SettingsReader in(store, problems);
    StartupSettings s;
    s.toolbarHelp = in.Truth(settings_key::kToolbarHelp);
    s.screenFactor = in.TextValue(settings_key::kScreenFactor);
    if (!ParseNumber(s.screenFactor.ToText())) {
        if (problems) {
            problems->push_back({settings_key::kScreenFactor.name, s.screenFactor.ToText()});
        }
        s.screenFactor = Value::Text(settings_key::kScreenFactor.fallback);
    }
    return s;
}

double ReadStretchVelocityLimit(const SettingsStore& store,
                                std::vector<SettingsProblem>* problems) {
    const TextKey& key = settings_key::kStretchVelocityLimit;
    const std::optional<std::string> stored = store.Read(key.name);
    const std::optional<double> limit = stored ? ParseNumber(*stored) : std::nullopt;
    if (limit && *limit > 0) {
        return *limit;
    }
    if (stored && problems) {
        problems->push_back({key.name, *stored, "is not a number of per cent above 0"});
    }
    return *ParseNumber(key.fallback);
}

void WriteStretchVelocityLimit(SettingsStore& store, double percent) {
    store.Write(settings_key::kStretchVelocityLimit.name, PlainNumber(percent));
}

void WriteSettings(const Project& p, bool toolbarHelp, SettingsStore& store) {
    namespace k = settings_key;
    const auto flag = [](bool on) { return std::string(on ? "1" : "0"); };
    const auto truth = [](bool on) { return std::string(on ? "-1" : "0"); };
    const auto integer = [](int value) { return std::to_string(value); };
    store.Write(k::kDatumType.name, flag(p.datumType == kSpecifiedDatum));
    store.Write(k::kDatumVelocity.name, p.datumVelocity.ToText());
    store.Write(k::kMeasurementUnits.name, flag(p.measurementUnits == kEnglish));
    store.Write(k::kLocationType.name, flag(p.locationType == kTownshipRange));
    store.Write(k::kImpedanceType.name, flag(p.impedanceType == kSonicDensity));
    store.Write(k::kVelocitySurvey.name, flag(p.applyVelocitySurvey));
    store.Write(k::kSampleRate.name, integer(p.sampleRateIndex < 0 ? 0 : p.sampleRateIndex));
    store.Write(k::kFont.name, p.plotFontName);
    store.Write(k::kBold.name, truth(p.plotFontBold));
    store.Write(k::kItalic.name, truth(p.plotFontItalic));
    store.Write(k::kTimeScale.name, p.timeScale.ToText());
    store.Write(k::kTracesPerInch.name, p.tracesPerUnit.ToText());
    store.Write(k::kNumberOfTraces.name, integer(p.traceCount));
    store.Write(k::kAmplitude.name, p.amplitudeScale.ToText());
    store.Write(k::kAgcLength.name, p.agcWindow);
    store.Write(k::kWaveletType.name, flag(p.waveletType == kRickerWavelet));
    store.Write(k::kFrequency1.name, p.lowCut.ToText());
    store.Write(k::kFrequency2.name, p.lowPass.ToText());
    store.Write(k::kFrequency3.name, p.highPass.ToText());
    store.Write(k::kFrequency4.name, p.highCut.ToText());
    store.Write(k::kPhase.name, p.phaseDegrees.ToText());
    store.Write(k::kWaveletLength.name, p.waveletLength.ToText());
    store.Write(k::kToolbarHelp.name, flag(toolbarHelp));
    store.Write(k::kScreenFactor.name, p.screenCorrection.ToText());
    store.Write(k::kVelocityLogGridWidth.name, integer(p.velocityLogWidth));
    store.Write(k::kDensityLogGridWidth.name, integer(p.densityLogWidth));
    store.Write(k::kLogCurvePenWidth.name, integer(p.logPenWidth));
    store.Write(k::kLogGridPenWidth.name, integer(p.gridPenWidth));
    store.Write(k::kTimingLines.name, integer(p.timingLinesPer100ms));
    store.Write(k::kDepthTicks.name, integer(p.depthTickInterval));
}

}  // namespace tessarin
