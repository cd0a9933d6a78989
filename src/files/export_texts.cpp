#include "files/export_texts.h"

#include "model/numeric.h"

namespace tessarin {

std::string FormatValue(const Value& value, std::string_view pattern) {
    if (value.IsText() && !ParseNumber(value.ToText())) {
        return value.ToText();
    }
    return FormatPattern(value.Number(), pattern);
}

std::string LocationText(const Project& project) {
    const auto& location = project.wellLocation;
    switch (project.locationType) {
        case kTownshipRange:
            return location[0] + " County, " + location[1] + "   Section " + location[2] + "-" +
                   location[3] + "-" + location[4];
        case kGeneralLocation:
            return location[0] + " " + location[1];
        default:
            return {};
    }
}

std::string ElevationsText(const Project& project) {
    return "KB = " + FormatValue(project.kbElevation, "#####.0") +
           "  GL = " + FormatValue(project.glElevation, "#####.0");
}

std::string DatumText(const Project& project) {
    return "Seismic Datum = " + FormatValue(project.datumElevation, "#####.0") +
           "  Datum Velocity = " + FormatValue(project.datumVelocity, "####0");
}

std::string WaveletText(const Project& project) {
    if (project.waveletType == kRickerWavelet) {
        return "Wavelet = " + project.lowCut.ToText() + " Hz Ricker" + "  Phase = " + "0";
    }
    return "Wavelet = " + project.lowCut.ToText() + "-" + project.lowPass.ToText() + "-" +
           project.highPass.ToText() + "-" + project.highCut.ToText() + " Hz" +
           "  Phase = " + project.phaseDegrees.ToText();
}

std::string WaveletLengthText(const Project& project) {
    return FormatValue(project.waveletLength, "0.000");
}

}  // namespace tessarin
