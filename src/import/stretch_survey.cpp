#include "import/stretch_survey.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/datum.h"
#include "engine/stretch.h"
#include "engine/tie_shift.h"
#include "import/depth_to_time.h"
#include "model/error.h"
#include "model/numeric.h"

namespace tessarin {
namespace {

// The seismic datum's elevation; a "Start of Log" datum lies at the first sample.
double DatumElevation(const Project& project, const TimeSampledLogs& logs) {
    const double kb = NumberOf(project.kbElevation, "KB elevation");
    return project.datumType == kStartOfLog
               ? kb - logs.depth[0]
               : NumberOf(project.datumElevation, "seismic datum elevation");
}

}  // namespace

VelocitySurvey StretchSurvey(const Project& project) {
    const std::vector<StretchKnee>& knees = KneesOf(project);
    if (knees.empty()) {
        throw Error("The synthetic is not stretched: there is no stretch to keep as a survey.");
    }
    const TimeSampledLogs logs = ImportedLogs(project);
    const int n = logs.lastSampleIndex;
    const double top = UnstretchedFirstSampleTime(project);
    const double dt = 2.0 * project.sampleIntervalUs / 1000000.0;
    const double datum = DatumElevation(project, logs);
    const double belowDatum = datum - NumberOf(project.kbElevation, "KB elevation");

    VelocitySurvey survey;
    survey.datumElevation = Value(datum);
    const auto add = [&](double u) {
        const int i = std::min(static_cast<int>(std::floor(u)), n - 1);
        const auto k = static_cast<std::size_t>(i);
        const double depth = logs.depth[k] + (u - i) * (logs.depth[k + 1] - logs.depth[k]);
        ++survey.count;
        survey.depths[static_cast<std::size_t>(survey.count)] = depth + belowDatum;
        survey.times[static_cast<std::size_t>(survey.count)] = StretchedTime(knees, top + u * dt);
    };
    int inside = 0;
    for (const StretchKnee& knee : knees) {
        const double u = (knee.syntheticTime - top) / dt;
        inside += u > 0 && u < n;
    }
    if (inside + 2 > kVelocitySurveyRows) {
        throw Error("The stretch has " + std::to_string(inside) +
                    " knees along the log: with the top and the bottom of the log that makes " +
                    std::to_string(inside + 2) + " survey points, more than the " +
                    std::to_string(kVelocitySurveyRows) +
                    " a velocity survey holds. Use fewer knees, or a wider knee spacing.");
    }
    add(0);
    for (const StretchKnee& knee : knees) {
        const double u = (knee.syntheticTime - top) / dt;
        if (u > 0 && u < n) {
            add(u);
        }
    }
    add(n);
    return survey;
}

void UseStretchAsVelocitySurvey(Project& project) {
    Project p = project;
    ApplyStretch(p);
    const VelocitySurvey survey = StretchSurvey(p);
    const double firstTime = FirstSampleTime(p);

    p.unstretchedLogs.reset();
    p.tie->knees.clear();
    p.tie->shiftSeconds = 0;
    SetVelocitySurvey(p, survey);
    p.applyVelocitySurvey = true;
    SetDatumFromVelocitySurvey(p, p.timeDepth[0]);
    // The survey puts the top of a log below the datum at its own time; a log that starts at or
    // above the datum takes its time zero from the datum, and keeps the rest as a bulk shift.
    p.tie->shiftSeconds = RoundedTieShift(firstTime - FirstSampleTime(p));
    p.projectChanged = true;
    project = std::move(p);
}

}  // namespace tessarin
