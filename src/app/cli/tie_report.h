#pragma once

// What tessarin-cli tie prints: the figures of a tie as lines of text, or the same figures as
// JSON for scripts.

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "engine/tie.h"
#include "engine/wavelet_extraction.h"
#include "files/tie_search.h"
#include "model/tie.h"

namespace tessarin::cli {

// A stretch found by Auto Stretch or read from a knee file, and what it does to the tie.
struct StretchReport {
    std::optional<std::string> kneeFile;  // where the knees came from; nothing for Auto Stretch
    bool atHorizons = false;              // Auto Stretch put the knees at the horizons
    double maxStrain = 0;                 // the bound Auto Stretch ran with
    double kneeSpacingAsked = 0;          // seconds
    double kneeSpacing = 0;               // seconds: the spacing used, perhaps wider than asked
    std::vector<StretchKnee> knees;
    double rBefore = 0;
    double rAfter = 0;
    double largestStrain = 0;
    double largestVelocityChange = 0;  // per cent
    double velocityLimit = 0;          // per cent: the setting a larger change is warned of by
    bool applied = false;              // the knees became the project's stretch
    std::optional<std::string> surveyWritten;
};

// A wavelet extracted from the tie's trace, and where it went.
struct WaveletReport {
    std::string method;  // "deterministic" or "statistical"
    WaveletExtraction extraction;
    std::optional<TieWindow> checkWindow;  // as given; nothing: the rest of the overlap
    std::optional<std::string> source;     // the project's wavelet now, by its source
    std::optional<std::string> fileWritten;
};

struct TieReport {
    std::string well;                 // the project's well name, which names the tie in a batch
    const SeismicTie* tie = nullptr;  // the trace measured, its source and window
    int measurementUnits = kMetric;   // the project's, for the distance to the nearest trace
    TieMeasures measures;
    double driftWindow = 0;             // seconds
    double shiftBefore = 0;             // the bulk shift the measures were made with, seconds
    double shiftAfter = 0;              // the bulk shift written, seconds
    std::optional<double> phaseBefore;  // the wavelet's phase, degrees, when Apply Phase ran
    std::optional<double> phaseAfter;
    std::optional<std::string> written;  // the project file written
    std::optional<StretchReport> stretch;
    std::optional<WaveletReport> wavelet;
    std::optional<TieSearch> search;  // the traces around the tie's trace, when searched
};

void PrintTieReport(const TieReport& report, std::ostream& out);
void PrintTieJson(const TieReport& report, std::ostream& out);

}  // namespace tessarin::cli
