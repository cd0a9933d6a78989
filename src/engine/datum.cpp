#include "engine/datum.h"

#include <algorithm>
#include <cmath>

#include "engine/stretch.h"
#include "model/error.h"

namespace tessarin {

namespace {

// The difference of two decimal numbers, without the binary noise of the subtraction: 30 - 30.15
// gives -0.15, not -0.149999999999999. Twelve significant digits of the larger operand are kept,
// far more than any elevation or depth is measured to.
double DecimalDifference(double a, double b) {
    const double larger = std::max(std::fabs(a), std::fabs(b));
    if (larger == 0.0) {
        return 0.0;
    }
    // Dividing the rounded whole number by an exact power of ten gives the nearest double.
    const double scale = std::pow(10.0, 12.0 - std::floor(std::log10(larger)) - 1.0);
    return std::round((a - b) * scale) / scale;
}

}  // namespace

void ApplyStartOfLogDatum(Project& project) {
    if (project.datumType == kStartOfLog) {
        const double kb = NumberOf(project.kbElevation, "KB elevation");
        project.datumElevation = Value(DecimalDifference(kb, project.timeDepth.at(0)));
    }
}

static double TimeBelowDatum(const Project& project, const std::vector<double>& depth, int n);

double UnstretchedFirstSampleTime(const Project& project) {
    // The tie's bulk shift moves every two-way time of the well at once; everything that places
    // the well in time (the display, horizon times, the exports) takes it from here. The sum is
    // kept free of binary noise, so that a shift of whole samples moves a SEG-Y trace by whole
    // samples. Time zero is found in the log as imported: the stretch moves the log's samples,
    // not the datum.
    const TimeSampledLogs* imported = project.unstretchedLogs ? &*project.unstretchedLogs : nullptr;
    const double time = imported
                            ? TimeBelowDatum(project, imported->depth, imported->lastSampleIndex)
                            : TimeBelowDatum(project, project.timeDepth, project.lastSampleIndex);
    const double shift = project.tie ? project.tie->shiftSeconds : 0.0;
    return shift == 0.0 ? time : DecimalDifference(time, -shift);
}

double FirstSampleTime(const Project& project) {
    const double time = UnstretchedFirstSampleTime(project);
    const double shift = StretchShiftAt(KneesOf(project), time);
    return shift == 0.0 ? time : DecimalDifference(time, -shift);
}

static double TimeBelowDatum(const Project& project, const std::vector<double>& depth, int n) {
    // The datum lies at the first sample by definition. Working the gap out again from the
    // elevations would leave binary noise of either sign: a plot starting at a -0.1 s line, a
    // SEG-Y trace one sample short, or a datum velocity the user never needed to give.
    if (project.datumType == kStartOfLog) {
        return 0.0;
    }
    const double kb = NumberOf(project.kbElevation, "KB elevation");
    const double datum = NumberOf(project.datumElevation, "seismic datum elevation");
    const double firstElevation = kb - depth[0];

    if (static_cast<float>(datum) >= static_cast<float>(firstElevation)) {
        // The log starts at or below the datum: the datum velocity covers the gap.
        const double gap = depth[0] + datum - kb;
        if (gap == 0.0) {
            return 0.0;
        }
        const double velocity = NumberOf(project.datumVelocity, "datum velocity");
        if (!(velocity > 0.0)) {
            throw Error("The seismic datum velocity must be greater than zero.");
        }
        return 2.0 * gap / velocity;
    }

    // The log starts above the datum: time zero falls between samples k and k + 1.
    int k = 0;
    for (int i = 0; i <= n; ++i) {
        if (static_cast<float>(datum) < static_cast<float>(kb - depth[i])) {
            k = i;
        }
    }
    if (k >= n) {
        throw Error(
            "Every sample of the log lies above the seismic datum, so the plot has no "
            "time zero.");
    }
    if (depth[k + 1] == depth[k]) {
        throw Error("Two log samples at the seismic datum have the same depth.");
    }
    const double kf = k + (kb - depth[k] - datum) / (depth[k + 1] - depth[k]);
    return -kf * project.sampleIntervalUs / 500000.0;
}

void ComputeStartTime(Project& project) {
    const int n = project.lastSampleIndex;
    if (n < 0 || project.timeDepth.size() <= static_cast<std::size_t>(n)) {
        throw Error("The project holds no time-sampled log.");
    }
    ApplyStartOfLogDatum(project);
    project.firstSampleTime = FirstSampleTime(project);
}

}  // namespace tessarin
