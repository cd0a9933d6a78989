#include <ctime>
#include <initializer_list>

#include "model/numeric.h"
#include "plot/header_lines.h"
#include "plot/layout.h"
#include "plot/painters.h"
#include "plot/plot_values.h"
#include "plot/tie_display.h"

namespace tessarin {

std::string TodayText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%m-%d-%Y", &local);
    return text;
}

namespace {

constexpr const char* kGap = "   ";

std::string ElevationLine(const Project& project, const std::string& unit) {
    const std::string kb = "KB = " + PrintedValue(project.kbElevation) + unit;
    const std::string gl = "GL = " + PrintedValue(project.glElevation) + unit;
    if (project.datumType == kSpecifiedDatum) {
        const double velocity = NumberOf(project.datumVelocity, "datum velocity");
        return kb + kGap + gl + kGap + "  Datum = " + PrintedValue(project.datumElevation) + unit +
               kGap + "Datum Velocity = " + FormatPattern(velocity, "####0") + unit + "/sec";
    }
    return kb + kGap + gl + kGap + "Datum = " + PrintedValue(project.datumElevation) + unit;
}

std::string ImpedanceText(const Project& project) {
    if (project.gardnerFromDensity) {
        return "Acoustic impedance from density log and sonic from Gardner constant = " +
               PlainNumber(project.gardnerCoefficient);
    }
    if (project.impedanceType == kSonicDensity) {
        return "Acoustic impedance from sonic and density logs";
    }
    return "Acoustic impedance from sonic log";
}

}  // namespace

std::vector<std::string> HeaderLines(const Project& project, const std::string& dateText) {
    const bool metric = project.measurementUnits == kMetric;
    const std::string lengthUnit = metric ? " m" : " ft";
    const std::string scaleUnit = metric ? " cm" : " inches";
    const std::string traceUnit = metric ? "cm" : "inch";
    const auto& location = project.wellLocation;

    // A location line whose fields are all empty or blank (Export Data pads an empty UWI to one
    // blank) is left out rather than printed as a blank line or as its bare words ("County,",
    // "Section - -").
    std::vector<std::string> lines;
    const auto addLocation = [&](std::initializer_list<int> fields, const std::string& line) {
        for (const int field : fields) {
            if (location[static_cast<std::size_t>(field)].find_first_not_of(' ') !=
                std::string::npos) {
                lines.push_back(line);
                return;
            }
        }
    };
    if (project.locationType == kGeneralLocation) {
        addLocation({0}, location[0]);
        addLocation({1}, location[1]);
    } else {
        addLocation({0, 1}, location[0] + " County, " + location[1]);
        addLocation({2, 3, 4},
                    "Section " + location[2] + " - " + location[3] + " - " + location[4]);
    }
    addLocation({5}, location[5]);
    lines.push_back(ElevationLine(project, lengthUnit));
    lines.push_back("Time scale = " + PrintedValue(project.timeScale) + scaleUnit + "/second" +
                    kGap + "Traces/" + traceUnit + " = " + PrintedValue(project.tracesPerUnit) +
                    kGap + "AGC length = " + project.agcWindow);
    lines.push_back("Sample rate = " + PlainNumber(project.sampleIntervalUs / 500.0) + " msec" +
                    kGap + ImpedanceText(project));
    if (project.applyVelocitySurvey) {
        lines.push_back("Velocity survey applied");
    }
    lines.push_back("Date plotted: " + dateText + kGap +
                    "Measurement Units: " + (metric ? "Metric" : "English"));
    return lines;
}

void PaintHeader(const Project& project, PlotState& state, DrawingSurface& surface) {
    const double x = 1440.0 * project.leftMarginInches * state.screenCorrection;
    surface.SetFontSize(kTitlePoints);
    surface.MoveTo(x, 400.0);
    surface.PrintLine(project.wellName);
    surface.SetFontSize(state.textPoints);
    const std::string date = state.dateText.empty() ? TodayText() : state.dateText;
    for (const std::string& line : HeaderLines(project, date)) {
        surface.MoveTo(x, surface.CurrentY());
        surface.PrintLine(line);
    }
    if (project.tie) {
        surface.MoveTo(x, surface.CurrentY());
        surface.PrintLine(TieHeaderLine(project, state.tie));
    }
}

}  // namespace tessarin
