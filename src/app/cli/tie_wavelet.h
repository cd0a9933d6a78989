#pragma once

// The wavelet extraction of tessarin-cli tie: a deterministic or statistical wavelet taken from
// the tie's trace in the tie's window and measured there and in a check window; with -o it
// becomes the project's wavelet, and with --wavelet-out it is written as a wavelet file.

#include <CLI/CLI.hpp>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/tie_report.h"
#include "model/project.h"

namespace tessarin::cli {

struct WaveletArguments {
    std::optional<std::string> method;  // "deterministic" or "statistical"
    std::string length = "0.128";       // seconds
    std::optional<std::string> prewhitening;
    std::optional<std::string> phase;  // the statistical wavelet's: zero, deterministic or degrees
    std::string taper = "20";          // per cent of the length
    std::optional<std::string> checkWindow;
    std::optional<std::string> out;
};

void AddWaveletOptions(CLI::App& command, WaveletArguments& a);

// The refusals the options decide alone, as UsageError. An extraction does not go with a phase
// applied or a stretch in the same run; the wavelet file may not overwrite `otherFiles`.
void RefuseWaveletCombinations(const WaveletArguments& a, bool applyPhase, bool stretch,
                               const std::vector<std::string>& otherFiles);

// Extracts the wavelet from the project as it stands (its trace, window and bulk shift), writes
// the wavelet file when asked and, with `keep`, makes the wavelet the project's. Throws Error for
// the user.
WaveletReport RunExtraction(Project& project, const WaveletArguments& a, bool keep);

// A warning on `err` when the check window given overlaps the window the wavelet was fitted in,
// where r is high by construction; the run still succeeds.
void WarnOfCheckWindow(const WaveletReport& report, std::ostream& err);

}  // namespace tessarin::cli
