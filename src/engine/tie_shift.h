#pragma once

// What a tie changes in the project: the bulk shift of the well's two-way times and the phase of
// the bandpass wavelet. Each sets projectChanged when it changes the record; the caller then
// recomputes the synthetic, which moves with the shift (FirstSampleTime adds it).

#include <optional>
#include <string>

#include "engine/tie.h"
#include "model/project.h"

namespace tessarin {

// The step of the shift box: 0.1 ms. Every shift stored is a whole number of steps.
inline constexpr double kTieShiftStep = 0.0001;

// `seconds` to the nearest step.
double RoundedTieShift(double seconds);

// The shift box: the bulk shift becomes `seconds`, to the nearest step. Throws Error when the
// project holds no seismic trace, or for a shift that is not a finite number.
void SetTieShift(Project& project, double seconds);

// Apply Shift: the lag the tie measured (seismic later than the synthetic when positive) is added
// to the bulk shift, so that a new measure finds it near 0. Throws as SetTieShift.
void ApplyTieShift(Project& project, double lagSeconds);

// Reset Shift: the bulk shift returns to 0; nothing happens without a tie.
void ResetTieShift(Project& project);

// Why Apply Phase cannot be used on this project (the window shows it in the greyed button's
// tip), or nothing when it can: a Ricker wavelet has no phase of its own, and an extracted one
// has the phase of its samples.
std::optional<std::string> ApplyTiePhaseRefusal(const Project& project);

// Apply Phase: the bandpass wavelet turns by the best phase the tie found for its synthetic, to
// whole degrees from -180 to 179, and is built again. Returns the refusal instead for a Ricker
// wavelet, or the builder's reason when the turned wavelet cannot be built; the record is then
// left as it was.
std::optional<std::string> ApplyTiePhase(Project& project, const TieMeasures& measures);

}  // namespace tessarin
