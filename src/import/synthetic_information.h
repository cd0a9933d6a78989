#pragma once

// The Synthetic Information choices that govern an import (measurement units, the sonic unit,
// the velocity survey, the sample rate, how impedance is formed) and the conversions that a change
// of measurement units applies to the values shown by the other dialogs.

#include <string>

#include "model/project.h"

namespace tessarin {

struct SyntheticInformationValues {
    int measurementUnits = kEnglish;
    bool sonicInMicrosecondsPerFoot = false;  // metric only: the file gives microseconds per foot
    bool applyVelocitySurvey = false;
    int sampleRateIndex = 0;
    int impedanceType = kSonicOnly;
    bool gardnerFromDensity = false;  // only with Sonic - Density
};

// The choices as the record holds them; the microseconds-per-foot box always starts unticked.
SyntheticInformationValues SyntheticInformationValuesOf(const Project& project);

// Whether a box may be ticked: microseconds per foot in metric units, Gardner with Sonic - Density.
bool SonicPerFootAllowed(int measurementUnits);
bool GardnerAllowed(int impedanceType);

// The choices as they can stand: a box that may not be ticked is unticked.
SyntheticInformationValues Normalized(SyntheticInformationValues choices);

// OK of the dialog: the record takes the choices and the Gardner coefficient of the units, and is
// marked changed.
void ApplySyntheticInformationValues(Project& project, const SyntheticInformationValues& choices);

// Captions that follow the measurement units.
struct WellDatumCaptions {
    std::string kb, gl, datumElevation, datumVelocity;
};
struct VelocitySurveyCaptions {
    std::string surveyDatum, kb;
};
struct ScalesCaptions {
    std::string timeScale, traces;
};
WellDatumCaptions WellDatumCaptionsFor(int measurementUnits);
VelocitySurveyCaptions VelocitySurveyCaptionsFor(int measurementUnits);
ScalesCaptions ScalesCaptionsFor(int measurementUnits);

// The value a box shows after the units change to `measurementUnits`, from what it showed
// before. A box that does not hold a number is left as it is.
// KB, GL, datum elevation and datum velocity: x 0.3048 as "####0.0" to metric, / 0.3048 as
// "####0" to English.
std::string ConvertWellDatumValue(const std::string& shown, int measurementUnits);
// Time scale: x 2.54 as "####0.00" to metric, / 2.54 as "####0.0" to English.
std::string ConvertTimeScale(const std::string& shown, int measurementUnits);
// Traces per unit: / 2.54 as "####0.00" to metric, x 2.54 as "####0.0" to English.
std::string ConvertTracesPerUnit(const std::string& shown, int measurementUnits);

// A change of measurement units confirmed in the Synthetic Information dialog: the KB, GL, datum
// elevation and datum velocity and the time scale and traces per unit are converted as above and
// kept as the converted texts, and measurementUnits is set. The horizon depths and the velocity
// survey's datum and depths are converted as KB is. Nothing happens when the units stay the same.
// The logs and the other choices are left alone: the logs are imported again in the new units.
void ChangeMeasurementUnits(Project& project, int measurementUnits);

// During an import, the project takes the units of a LAS file: the values above are converted
// and the Gardner coefficient follows the units.
void SwitchImportUnits(Project& project, int measurementUnits);

}  // namespace tessarin
