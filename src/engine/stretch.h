#pragma once

// Stretch and squeeze: the correction of a drift that no bulk shift fits. A stretch is a list of
// knees (model/tie.h), each pairing a time on the synthetic with the time it moves to. It moves
// the well's time-depth relation: the time-sampled logs are carried onto the moved times, and the
// reflection coefficients and the convolution are then computed from them as always, so the
// wavelet keeps its shape. The depth ticks, horizon times, horizon table, exports and the tie
// all follow, since they read the moved logs.

#include <vector>

#include "model/project.h"

namespace tessarin {

// The knees in order of synthetic time. Throws Error naming both knees when two share a
// synthetic time or would cross (a later knee moved to or above an earlier one), and for a knee
// whose times are not finite numbers.
std::vector<StretchKnee> OrderedKnees(std::vector<StretchKnee> knees);

// The shift at synthetic time t: linear between the knees, that of the nearest end knee above the
// first or below the last; 0 without knees. The knees must be ordered.
double StretchShiftAt(const std::vector<StretchKnee>& knees, double t);

// Where the event at synthetic time t lies once stretched: t plus the shift there.
double StretchedTime(const std::vector<StretchKnee>& knees, double t);

// The synthetic time of the event that the stretch moved to `stretched`: the inverse of
// StretchedTime.
double UnstretchedTime(const std::vector<StretchKnee>& knees, double stretched);

// One interval between two neighbouring knees and what the stretch does to it.
struct StretchInterval {
    StretchKnee upper;
    StretchKnee lower;
    double strain = 0;  // the slope of the shift, ds/dt
    // How much the interval velocity over the interval changes, in per cent: the same depths
    // now take (1 + strain) times as long.
    double velocityChangePercent = 0;
};

// The intervals between neighbouring knees, top down; none for fewer than two knees.
std::vector<StretchInterval> StretchIntervals(const std::vector<StretchKnee>& knees);

// The largest size of a velocity change over the intervals, in per cent (0 for none), and the
// largest size of a knee's shift, in seconds (0 without knees).
double LargestVelocityChange(const std::vector<StretchInterval>& intervals);
double LargestKneeShift(const std::vector<StretchKnee>& knees);

// The interval velocity between neighbouring knees along the log, before and after the stretch:
// twice the depth the interval spans over its two-way time. Times are those of the display (the
// stretched times); velocities in the project's units per second.
struct KneeIntervalVelocity {
    double top = 0;
    double bottom = 0;
    double before = 0;
    double after = 0;
};

// One entry for every interval between two knees that lies along the imported log (an interval
// reaching past an end of the log is cut to it); none without two such knees.
std::vector<KneeIntervalVelocity> KneeIntervalVelocities(const Project& project);

// The logs carried onto the stretched times. `logs` has sample i at firstTime + i x dt, with dt
// the two-way sample interval of `sampleIntervalUs`; the result has sample j at
// StretchedTime(firstTime) + j x dt, down to the last sample before the stretched end of the log.
// Depths are interpolated linearly at the unstretched times; each new interval takes the imported
// sonic over the depth it covers, scaled to its own time, so interval velocities change with the
// stretch and a stretch that only shifts gives back the imported sonic exactly; densities are
// averaged over each new interval's depths, -1 where any of it lies outside the density log.
// Throws Error when the stretched log would need more samples than a project holds.
TimeSampledLogs StretchedLogs(const TimeSampledLogs& logs, int sampleIntervalUs, double firstTime,
                              const std::vector<StretchKnee>& knees);

// The record's time-sampled logs, and the record's logs replaced.
TimeSampledLogs LogsOf(const Project& project);
void SetLogs(Project& project, TimeSampledLogs logs);

// The logs as imported: those kept aside while the record's logs are stretched, otherwise the
// record's own.
TimeSampledLogs ImportedLogs(const Project& project);

// The knees of the project's stretch; none without a tie.
const std::vector<StretchKnee>& KneesOf(const Project& project);

// The tie's stretch becomes `knees`, ordered. Sets projectChanged when that changes it. Throws
// Error when the project holds no seismic trace, or as OrderedKnees does; the record is then
// left as it was.
void SetStretch(Project& project, std::vector<StretchKnee> knees);

// The first step of a recompute: the record's logs become the imported logs moved by the
// stretch as it stands, or the imported logs again once there is no stretch. Throws Error as
// StretchedLogs and FirstSampleTime do; the record is then left as it was.
void ApplyStretch(Project& project);

}  // namespace tessarin
