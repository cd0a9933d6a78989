#pragma once

// What the Well and Datum Information dialog shows and stores: the well's name and location, its
// KB and GL elevations and the seismic datum, as the texts of the dialog's boxes.

#include <array>
#include <optional>
#include <string>

#include "model/project.h"

namespace tessarin {

struct WellDatumValues {
    std::string wellName;
    std::array<std::string, 6> wellLocation;  // county, state, section, township, range, UWI
    std::string kbElevation;
    std::string glElevation;
    std::string datumElevation;
    std::string datumVelocity;
    int locationType = kTownshipRange;
    int datumType = kStartOfLog;

    bool operator==(const WellDatumValues&) const = default;
};

// The boxes as the dialog opens: the stored texts, the datum velocity as a whole number.
WellDatumValues WellDatumValuesOf(const Project& project);

// Input the dialog refuses, with the box to go back to (7 KB, 8 GL, 9 datum elevation,
// 10 datum velocity in the dialog's numbering).
struct WellDatumProblem {
    int box = 0;
    std::string message;
};

// An elevation or velocity must be a number the project file keeps, and the datum velocity must
// be above zero, since the time down from the datum is divided by it. A box left empty (or
// blank) keeps the stored value and is never refused. The datum boxes are checked only with a
// specified datum: with "Start of Log" they merely show the stored values.
std::optional<WellDatumProblem> FindWellDatumProblem(const WellDatumValues& values);

// OK: the record takes the texts (an elevation or velocity box left empty or blank leaves its
// value as it was) and the two layout choices, and is marked changed.
void ApplyWellDatumValues(Project& project, const WellDatumValues& values);

}  // namespace tessarin
