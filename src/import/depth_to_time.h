#pragma once

// Depth-to-time conversion: the sonic log is integrated over depth into one-way time from its
// first depth, optionally calibrated against the velocity survey, and resampled at the project's
// sample interval into the time arrays of the record; the density log is then carried onto the
// same time samples. Times here are one-way microseconds from the top of the log.

#include <string>
#include <vector>

#include "import/depth_log.h"
#include "import/import_progress.h"
#include "model/project.h"

namespace tessarin {

// time[i] = one-way microseconds from depth[0] to depth[i], by the trapezium rule.
std::vector<double> IntegrateSonic(const DepthLog& sonic, ImportProgress& progress);

// Scales the integrated times so that they agree with the velocity survey of the record, and
// sets the seismic datum from the survey ("Specify", the survey datum, a velocity from the
// survey's time at the top of the log). Throws ImportError with the "Warning" title when the
// survey cannot be applied.
void CalibrateToVelocitySurvey(const DepthLog& sonic, std::vector<double>& time, Project& project,
                               ImportProgress& progress);

// The seismic datum as the calibration sets it for a log whose top lies at `topDepth` below KB.
// Throws as CalibrateToVelocitySurvey.
void SetDatumFromVelocitySurvey(Project& project, double topDepth);

// Fills lastSampleIndex, timeDepth and timeSonic from the timed log and sizes the other time
// arrays. Throws ImportError for a log shorter than one sample or longer than the time arrays.
void ResampleSonic(const DepthLog& sonic, const std::vector<double>& time, Project& project,
                   ImportProgress& progress);

// The whole sonic half of an import: integration, the survey calibration when the record asks
// for it, resampling, and the log ends in the horizon table.
void ConvertSonicToTime(const DepthLog& sonic, Project& project, ImportProgress& progress);

// Fills timeDensity: the average density of each sample interval, -1 outside the density log,
// kilograms per cubic metre (values above 100) turned into g/cc. Throws ImportError (title
// "Import Density Log") when no sample interval of the sonic lies inside the density log.
void ResampleDensity(const DepthLog& density, Project& project, ImportProgress& progress);

// The sonic made from a density log by Gardner's relation: 1000000 / (coefficient x density^4),
// a density above 100 (kilograms per cubic metre) first turned into g/cc.
DepthLog GardnerSonic(const DepthLog& density, double gardnerCoefficient);

// "2", "1" or "0.5": the two-way sample rate in milliseconds, as the progress steps name it.
std::string SampleRateText(int sampleIntervalUs);

}  // namespace tessarin
