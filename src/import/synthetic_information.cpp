#include "import/synthetic_information.h"

#include "model/numeric.h"

namespace tessarin {
namespace {

constexpr double kMetresPerFoot = 0.3048;
constexpr double kCentimetresPerInch = 2.54;

std::string Multiply(const std::string& shown, double factor, const char* pattern) {
    const auto value = ParseNumber(shown);
    return value ? FormatPattern(*value * factor, pattern) : shown;
}

std::string Divide(const std::string& shown, double divisor, const char* pattern) {
    const auto value = ParseNumber(shown);
    return value ? FormatPattern(*value / divisor, pattern) : shown;
}

// A value that is not a number keeps what it holds; a converted one keeps its formatted text.
void Convert(Value& field, std::string (*conversion)(const std::string&, int), int units) {
    const std::string shown = field.ToText();
    const std::string converted = conversion(shown, units);
    if (converted != shown) {
        field = Value::Text(converted);
    }
}

}  // namespace

SyntheticInformationValues SyntheticInformationValuesOf(const Project& p) {
    SyntheticInformationValues choices;
    choices.measurementUnits = p.measurementUnits;
    choices.sonicInMicrosecondsPerFoot = false;
    choices.applyVelocitySurvey = p.applyVelocitySurvey;
    choices.sampleRateIndex = p.sampleRateIndex;
    choices.impedanceType = p.impedanceType;
    choices.gardnerFromDensity = p.gardnerFromDensity;
    return choices;
}

bool SonicPerFootAllowed(int measurementUnits) {
    return measurementUnits == kMetric;
}

bool GardnerAllowed(int impedanceType) {
    return impedanceType == kSonicDensity;
}

SyntheticInformationValues Normalized(SyntheticInformationValues choices) {
    choices.sonicInMicrosecondsPerFoot =
        choices.sonicInMicrosecondsPerFoot && SonicPerFootAllowed(choices.measurementUnits);
    choices.gardnerFromDensity =
        choices.gardnerFromDensity && GardnerAllowed(choices.impedanceType);
    return choices;
}

void ApplySyntheticInformationValues(Project& p, const SyntheticInformationValues& given) {
    const SyntheticInformationValues choices = Normalized(given);
    p.measurementUnits = choices.measurementUnits;
    p.sonicInMicrosecondsPerFoot = choices.sonicInMicrosecondsPerFoot;
    p.applyVelocitySurvey = choices.applyVelocitySurvey;
    p.sampleRateIndex = choices.sampleRateIndex;
    p.impedanceType = choices.impedanceType;
    p.gardnerFromDensity = choices.gardnerFromDensity;
    p.gardnerCoefficient = GardnerCoefficientFor(choices.measurementUnits);
    p.projectChanged = true;
}

WellDatumCaptions WellDatumCaptionsFor(int units) {
    if (units == kMetric) {
        return {
            "KB (m):", "GL (m):", "Seismic Datum Elevation (m):", "Seismic Datum Velocity (m/s):"};
    }
    return {"KB (feet):", "GL (feet):", "Seismic Datum Elevation (feet):",
            "Seismic Datum Velocity (ft/sec):"};
}

VelocitySurveyCaptions VelocitySurveyCaptionsFor(int units) {
    if (units == kMetric) {
        return {"Velocity Survey Datum Elevation (m):", "Well Datum Elevation - KB (m):"};
    }
    return {"Velocity Survey Datum Elevation (feet):", "Well Datum Elevation - KB (feet):"};
}

ScalesCaptions ScalesCaptionsFor(int units) {
    if (units == kMetric) {
        return {"Time Scale (cm/sec)", "Traces per cm"};
    }
    return {"Time Scale (inches/sec)", "Traces per inch"};
}

std::string ConvertWellDatumValue(const std::string& shown, int units) {
    return units == kMetric ? Multiply(shown, kMetresPerFoot, "####0.0")
                            : Divide(shown, kMetresPerFoot, "####0");
}

std::string ConvertTimeScale(const std::string& shown, int units) {
    return units == kMetric ? Multiply(shown, kCentimetresPerInch, "####0.00")
                            : Divide(shown, kCentimetresPerInch, "####0.0");
}

std::string ConvertTracesPerUnit(const std::string& shown, int units) {
    return units == kMetric ? Divide(shown, kCentimetresPerInch, "####0.00")
                            : Multiply(shown, kCentimetresPerInch, "####0.0");
}

void ChangeMeasurementUnits(Project& p, int units) {
    if (p.measurementUnits == units) {
        return;
    }
    for (Value* field : {&p.kbElevation, &p.glElevation, &p.datumElevation, &p.datumVelocity}) {
        Convert(*field, ConvertWellDatumValue, units);
    }
    Convert(p.timeScale, ConvertTimeScale, units);
    Convert(p.tracesPerUnit, ConvertTracesPerUnit, units);
    // Tops and survey points measured in the old units would be read as the new ones: a top at
    // 2845 ft taken as 2845 m lies far below a metric log and would be lost on the next import.
    for (Value& depth : p.horizonDepths) {
        Convert(depth, ConvertWellDatumValue, units);
    }
    Convert(p.velocitySurveyDatumElevation, ConvertWellDatumValue, units);
    for (int k = 1; k <= p.velocitySurveyCount && k < kTableSize; ++k) {
        double& depth = p.velocitySurveyDepths[static_cast<std::size_t>(k)];
        depth = ParseNumber(ConvertWellDatumValue(PlainNumber(depth), units)).value_or(depth);
    }
    p.measurementUnits = units;
}

void SwitchImportUnits(Project& p, int units) {
    ChangeMeasurementUnits(p, units);
    p.gardnerCoefficient = GardnerCoefficientFor(units);
}

}  // namespace tessarin
