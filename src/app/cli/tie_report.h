#pragma once

// What tessarin-cli tie prints: the figures of a tie as lines of text, or the same figures as
// JSON for scripts.

#include <optional>
#include <ostream>
#include <string>

#include "engine/tie.h"
#include "model/tie.h"

namespace tessarin::cli {

struct TieReport {
    const SeismicTie* tie = nullptr;  // the trace measured, its source and window
    TieMeasures measures;
    double driftWindow = 0;             // seconds
    double shiftBefore = 0;             // the bulk shift the measures were made with, seconds
    double shiftAfter = 0;              // the bulk shift written, seconds
    std::optional<double> phaseBefore;  // the wavelet's phase, degrees, when Apply Phase ran
    std::optional<double> phaseAfter;
    std::optional<std::string> written;  // the project file written
};

void PrintTieReport(const TieReport& report, std::ostream& out);
void PrintTieJson(const TieReport& report, std::ostream& out);

}  // namespace tessarin::cli
