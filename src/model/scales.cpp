#include "model/scales.h"

#include "model/error.h"
#include "model/numeric.h"
#include "model/saved_value.h"

namespace tessarin {

ScalesValues ScalesValuesOf(const Project& p) {
    ScalesValues values;
    values.timeScale = p.timeScale.ToText();
    values.tracesPerUnit = p.tracesPerUnit.ToText();
    values.amplitude = p.amplitudeScale.ToText();
    if (auto amplitude = ParseNumber(values.amplitude)) {
        values.amplitude = FormatPattern(*amplitude, "0.00");
    }
    values.traceCount = std::to_string(p.traceCount);
    values.agcWindow = p.agcWindow;
    values.plotDepthType = p.plotDepthType;
    return values;
}

std::optional<std::string> FindScalesProblem(const ScalesValues& v) {
    const struct {
        const std::string& text;
        const char* what;
    } boxes[] = {{v.timeScale, "time scale"},
                 {v.tracesPerUnit, "number of traces per unit"},
                 {v.amplitude, "amplitude"},
                 {v.traceCount, "number of traces"}};
    for (const auto& box : boxes) {
        if (auto problem = BoxInt16Problem(box.text, box.what)) {
            return problem;
        }
    }
    const bool agcOff = v.agcWindow == kNoAgc;
    if (!agcOff) {
        if (auto problem = BoxInt16Problem(v.agcWindow, "AGC window")) {
            return *problem + " Choose \"None\" for no AGC.";
        }
    }
    if (!(TextToNumber(v.timeScale) > 0)) {
        return "The time scale must be greater than zero.";
    }
    if (!(TextToNumber(v.tracesPerUnit) > 0)) {
        return "The number of traces per unit must be greater than zero.";
    }
    if (TextToInt16(v.traceCount) < 1) {
        return "At least one trace must be drawn.";
    }
    if (!agcOff && !(TextToNumber(v.agcWindow) > 0)) {
        return "The AGC window must be longer than zero seconds, or \"None\".";
    }
    return std::nullopt;
}

void ApplyScalesValues(Project& p, const ScalesValues& v) {
    if (auto problem = FindScalesProblem(v)) {
        throw Error(*problem);
    }
    p.projectChanged = true;
    p.agcWindow = v.agcWindow;
    p.timeScale = Value::Text(v.timeScale);
    p.amplitudeScale = Value::Text(v.amplitude);
    p.tracesPerUnit = Value::Text(v.tracesPerUnit);
    p.traceCount = TextToInt16(v.traceCount);
    p.plotDepthType = v.plotDepthType;
}

}  // namespace tessarin
