#pragma once

// The descriptive texts that the text export and the SEG-Y text header share: well location,
// elevations and datum, wavelet.

#include <string>
#include <string_view>

#include "model/project.h"
#include "model/value.h"

namespace tessarin {

// A field of kind value formatted with a digit pattern ("#####.0"); a text that is no number is
// written as it stands, so a typed remark never stops an export.
std::string FormatValue(const Value& value, std::string_view pattern);

// Township and Range: "County County, State   Section s-t-r"; General: the two location lines
// joined by a blank; empty while no location format is chosen. A part whose fields are all empty
// (county and state, section-township-range, a General line) is left out.
std::string LocationText(const Project& project);

// "KB = 1234.0  GL = 1200.0"
std::string ElevationsText(const Project& project);

// "Seismic Datum = 1000.0  Datum Velocity = 7000"
std::string DatumText(const Project& project);

// Bandpass: "Wavelet = 5-15-40-60 Hz  Phase = 0"; Ricker: "Wavelet = 30 Hz Ricker  Phase = 0";
// extracted: "Wavelet = extracted, " and where it came from.
std::string WaveletText(const Project& project);

// The wavelet length in seconds, "0.160".
std::string WaveletLengthText(const Project& project);

}  // namespace tessarin
