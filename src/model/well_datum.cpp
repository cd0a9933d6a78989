#include "model/well_datum.h"

#include "model/numeric.h"
#include "model/saved_value.h"

namespace tessarin {
namespace {

// A box left empty, or holding only blanks, keeps the value stored before.
bool LeftEmpty(const std::string& text) {
    return text.find_first_not_of(" \t") == std::string::npos;
}

void StoreUnlessEmpty(Value& field, const std::string& text) {
    if (!LeftEmpty(text)) {
        field = Value::Text(text);
    }
}

std::optional<WellDatumProblem> CheckNumber(int box, const std::string& text, const char* what) {
    if (LeftEmpty(text)) {
        return std::nullopt;
    }
    if (auto problem = BoxNumberProblem(text, what)) {
        return WellDatumProblem{box, *problem};
    }
    return std::nullopt;
}

}  // namespace

WellDatumValues WellDatumValuesOf(const Project& p) {
    WellDatumValues values;
    values.wellName = p.wellName;
    values.wellLocation = p.wellLocation;
    values.kbElevation = p.kbElevation.ToText();
    values.glElevation = p.glElevation.ToText();
    values.datumElevation = p.datumElevation.ToText();
    values.datumVelocity = p.datumVelocity.ToText();
    if (auto velocity = ParseNumber(values.datumVelocity)) {
        values.datumVelocity = FormatPattern(*velocity, "####0");
    }
    values.locationType = p.locationType;
    values.datumType = p.datumType;
    return values;
}

std::optional<WellDatumProblem> FindWellDatumProblem(const WellDatumValues& v) {
    if (auto problem = CheckNumber(7, v.kbElevation, "KB elevation")) {
        return problem;
    }
    if (auto problem = CheckNumber(8, v.glElevation, "GL elevation")) {
        return problem;
    }
    if (v.datumType != kSpecifiedDatum) {
        return std::nullopt;
    }
    if (auto problem = CheckNumber(9, v.datumElevation, "seismic datum elevation")) {
        return problem;
    }
    if (auto problem = CheckNumber(10, v.datumVelocity, "seismic datum velocity")) {
        return problem;
    }
    if (!LeftEmpty(v.datumVelocity) && !(TextToNumber(v.datumVelocity) > 0)) {
        return WellDatumProblem{10, "The seismic datum velocity must be greater than zero."};
    }
    return std::nullopt;
}

void ApplyWellDatumValues(Project& p, const WellDatumValues& v) {
    p.projectChanged = true;
    p.wellName = v.wellName;
    p.wellLocation = v.wellLocation;
    StoreUnlessEmpty(p.kbElevation, v.kbElevation);
    StoreUnlessEmpty(p.glElevation, v.glElevation);
    StoreUnlessEmpty(p.datumElevation, v.datumElevation);
    StoreUnlessEmpty(p.datumVelocity, v.datumVelocity);
    p.locationType = v.locationType;
    p.datumType = v.datumType;
}

}  // namespace tessarin
