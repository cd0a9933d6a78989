#pragma once

// The stretch of tessarin-cli tie: knees found by Auto Stretch or read from a knee file, measured
// against the tie's trace; with --apply-stretch they become the project's stretch, and with
// --survey-out the stretched relation is written as a velocity survey file.

#include <CLI/CLI.hpp>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/tie_report.h"
#include "model/project.h"

namespace tessarin::cli {

struct StretchArguments {
    std::optional<std::string> stretch;  // "auto"
    std::string maxStrain = "0.05";
    std::string kneeSpacing = "100";  // milliseconds
    bool kneesAtHorizons = false;
    std::optional<std::string> kneeFile;
    bool apply = false;
    std::optional<std::string> surveyOut;

    bool Any() const { return stretch || kneeFile; }
};

// `output` is the -o option, which --apply-stretch needs.
void AddStretchOptions(CLI::App& command, StretchArguments& a, CLI::Option* output);

// The refusals the options decide alone, as UsageError. A stretch does not go with a shift or a
// phase applied in the same run: the knees are found on the synthetic as it stands. The survey
// may not overwrite `otherFiles` (the project, the seismic, -o).
void RefuseStretchCombinations(const StretchArguments& a, bool applyShift, bool applyPhase,
                               const std::vector<std::string>& otherFiles);

// The knees of the knee file; none without one. Throws Error with the reader's message.
std::vector<StretchKnee> ReadKnees(const StretchArguments& a);

// Finds the knees (or takes those read), measures them with lags up to `maxLag` seconds, and
// applies them or writes the survey as asked. `velocityLimit` (per cent) goes into the report.
// Throws Error for the user.
StretchReport RunStretch(Project& project, const StretchArguments& a,
                         std::vector<StretchKnee> fileKnees, double maxLag, double velocityLimit);

// A warning on `err` when an interval's velocity changes by more than the limit; the run still
// succeeds, since the user may have reasons the logs do not show.
void WarnOfVelocityChange(const StretchReport& report, std::ostream& err);

}  // namespace tessarin::cli
