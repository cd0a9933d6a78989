#pragma once

// The project record: everything the program knows about the one open project. Dialogs edit
// slices of it, computations read it, the project file is a serialisation of most of it.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/offset_array.h"
#include "model/sampled_trace.h"
#include "model/tie.h"
#include "model/value.h"

namespace tessarin {

// Fixed tables (horizons, velocity survey) use entries 1 to the count; 0 is never used.
inline constexpr int kTableSize = 22;

enum MeasurementUnits : int { kMetric = 0, kEnglish = 1 };
enum LocationType : int { kGeneralLocation = 0, kTownshipRange = 1 };
enum DatumType : int { kStartOfLog = 0, kSpecifiedDatum = 1 };
enum ImpedanceType : int { kSonicOnly = 0, kSonicDensity = 1 };
// An extracted wavelet is one no parameters make: taken from the seismic at the well or read
// from a wavelet file, and kept in the project as its own samples.
enum WaveletType : int { kBandpassWavelet = 0, kRickerWavelet = 1, kExtractedWavelet = 2 };
enum PlotDepthType : int { kMeasuredDepth = 0, kSeismicDepth = 1, kSubseaDepth = 2 };

// The names of the two horizon entries that mark the ends of the log. The program keeps their
// depths at the first and last log depth; every other entry is the user's.
inline constexpr const char* kStartOfLogName = "start of log";
inline constexpr const char* kEndOfLogName = "end of log";

// The samples of an extracted wavelet at their own sample interval, centred on two-way time 0
// (sample i at samples.firstTime + i x samples.interval seconds), and where they came from in
// the user's words ("drifted.sgy trace 12, 0.60-1.40 s, deterministic", or a wavelet file's
// name). The synthetic's wavelet is made from them at the project's sample interval.
struct ExtractedWavelet {
    SampledTrace samples;
    std::string source;

    bool operator==(const ExtractedWavelet&) const = default;
};

// Density value meaning "no density at this sample".
inline constexpr double kNoDensity = -1.0;

// The time-sampled logs of a project, apart from the record: sample i of each at the record's
// times, entries 0 to lastSampleIndex used (the vectors may be longer).
struct TimeSampledLogs {
    std::int16_t lastSampleIndex = 0;
    std::vector<double> depth;
    std::vector<double> sonic;
    std::vector<double> density;

    bool operator==(const TimeSampledLogs&) const = default;
};

struct Project {
    // Well and datum.
    std::string wellName;
    std::array<std::string, 6> wellLocation;  // county, state, section, township, range, UWI
    Value kbElevation;
    Value glElevation;
    Value datumElevation;
    Value datumVelocity;
    int locationType = kTownshipRange;
    int datumType = kStartOfLog;

    // Synthetic information.
    int measurementUnits = kEnglish;
    int sampleRateIndex = 0;  // 0 = 2 msec, 1 = 1 msec, 2 = 0.5 msec; -1 when none is selected
    std::int16_t sampleIntervalUs = 1000;  // one-way microseconds per sample
    int impedanceType = kSonicOnly;
    bool gardnerFromDensity = false;
    bool applyVelocitySurvey = false;
    bool sonicInMicrosecondsPerFoot = false;  // an import choice, never stored
    double gardnerCoefficient = 357.3458;
    bool importChoicesEnabled = true;  // impedance and sample-rate choices may be changed

    // Time-sampled logs, indices 0 to lastSampleIndex (the arrays may be longer).
    std::int16_t lastSampleIndex = 0;
    std::vector<double> timeDepth;
    std::vector<double> timeSonic;
    std::vector<double> timeDensity;
    double firstSampleTime = 0.0;
    // While the tie's stretch has moved the logs above onto new times, the logs as they were
    // imported: the project file keeps these, and every recompute moves them again by the
    // stretch as it then stands (engine/stretch.h). None while nothing is stretched.
    std::optional<TimeSampledLogs> unstretchedLogs;

    // Results of synthetic generation.
    std::vector<double> intervalVelocity;
    OffsetArray reflectionCoefficients;  // -h to n + 10 + h
    std::vector<double> syntheticTrace;
    double minVelocity = 0.0;
    double maxVelocity = 0.0;
    double minDensity = 0.0;
    double maxDensity = 0.0;
    double maxAbsReflection = 0.0;
    std::array<double, kTableSize> horizonTimes{};

    // Wavelet.
    int waveletType = kBandpassWavelet;
    Value lowCut;
    Value lowPass;
    Value highPass;
    Value highCut;
    Value phaseDegrees;
    Value waveletLength;
    OffsetArray wavelet;  // -h to h + 1; the last element stays 0
    // The wavelet kExtractedWavelet builds from; none until one is extracted or read.
    std::optional<ExtractedWavelet> extractedWavelet;

    // Horizons: entries 1 to horizonCount, sorted by depth.
    int horizonCount = 0;
    std::array<std::string, kTableSize> horizonNames;
    std::array<Value, kTableSize> horizonDepths;
    std::string horizonFileName;

    // Velocity survey: entries 1 to velocitySurveyCount.
    int velocitySurveyCount = 0;
    std::array<double, kTableSize> velocitySurveyDepths{};
    std::array<double, kTableSize> velocitySurveyTimes{};
    Value velocitySurveyDatumElevation;

    // The seismic tie; none until a seismic trace is loaded.
    std::optional<SeismicTie> tie;

    // Scales and AGC.
    Value timeScale;
    Value tracesPerUnit;
    Value amplitudeScale;
    std::int16_t traceCount = 5;
    std::string agcWindow = "None";
    int plotDepthType = kMeasuredDepth;
    Value screenCorrection = Value(1);
    double leftMarginInches = 0.5;

    // Plot preferences.
    std::string plotFontName = "Arial";
    bool plotFontBold = false;
    bool plotFontItalic = false;
    std::int16_t logPenWidth = 1;
    std::int16_t gridPenWidth = 1;
    std::int16_t velocityLogWidth = 1440;
    std::int16_t densityLogWidth = 720;
    std::int16_t timingLinesPer100ms = 1;
    std::int16_t depthTickInterval = 100;

    // State.
    std::string projectFileName = "*.tsp";
    bool projectChanged = false;
    bool synthDisplayed = false;
    bool dialogCancelled = false;

    bool operator==(const Project&) const = default;
};

// One-way microseconds per sample for a sample-rate index: 1000, 500 or 250.
std::int16_t SampleIntervalForRate(int sampleRateIndex);

// The sample-rate index of an interval, or -1 when the interval is none of the three.
int SampleRateForInterval(int sampleIntervalUs);

// Gardner's relation solved for velocity: 108.2812 for metric units, 357.3458 for English.
double GardnerCoefficientFor(int measurementUnits);

}  // namespace tessarin
