#include "files/export_texts.h"

#include <initializer_list>

#include "model/numeric.h"

namespace tessarin {

std::string FormatValue(const Value& value, std::string_view pattern) {
    if (value.IsText() && !ParseNumber(value.ToText())) {
        return value.ToText();
    }
    return FormatPattern(value.Number(), pattern);
}

namespace {

// Joins the parts that are not empty with `separator`.
std::string JoinFilled(std::initializer_list<std::string> parts, const std::string& separator) {
    std::string joined;
    for (const std::string& part : parts) {
        if (!part.empty()) {
            joined += (joined.empty() ? "" : separator) + part;
        }
    }
    return joined;
}

}  // namespace

std::string LocationText(const Project& project) {
    const auto& location = project.wellLocation;
    switch (project.locationType) {
        case kTownshipRange: {
            // A part whose fields are all empty is left out, not written as its bare words.
            const std::string county = location[0].empty() && location[1].empty()
                                           ? ""
                                           : location[0] + " County, " + location[1];
            const std::string section =
                location[2].empty() && location[3].empty() && location[4].empty()
                    ? ""
                    : "Section " + location[2] + "-" + location[3] + "-" + location[4];
            return JoinFilled({county, section}, "   ");
        }
        case kGeneralLocation:
            return JoinFilled({location[0], location[1]}, " ");
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
    if (project.waveletType == kExtractedWavelet && project.extractedWavelet) {
        return "Wavelet = extracted, " + project.extractedWavelet->source;
    }
    if (project.waveletType == kRickerWavelet) {
        return "Wavelet = " + PrintedValue(project.lowCut) + " Hz Ricker" + "  Phase = " + "0";
    }
    return "Wavelet = " + PrintedValue(project.lowCut) + "-" + PrintedValue(project.lowPass) + "-" +
           PrintedValue(project.highPass) + "-" + PrintedValue(project.highCut) + " Hz" +
           "  Phase = " + PrintedValue(project.phaseDegrees);
}

std::string WaveletLengthText(const Project& project) {
    return FormatValue(project.waveletLength, "0.000");
}

}  // namespace tessarin
