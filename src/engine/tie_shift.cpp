#include "engine/tie_shift.h"

#include <cmath>

#include "engine/wavelet.h"
#include "model/error.h"
#include "model/numeric.h"

namespace tessarin {
namespace {

SeismicTie& TieOf(Project& project) {
    if (!project.tie) {
        throw Error("The project holds no seismic trace to tie to: load one first.");
    }
    return *project.tie;
}

// -180 to 179 degrees.
double WrappedPhase(double degrees) {
    return std::fmod(std::fmod(degrees + 180.0, 360.0) + 360.0, 360.0) - 180.0;
}

}  // namespace

double RoundedTieShift(double seconds) {
    // Whole steps counted as an integer and divided by the exact number of steps per second, so
    // that 12 ms is the double nearest 0.012 and prints as such.
    return std::round(seconds / kTieShiftStep) / 10000.0;
}

void SetTieShift(Project& project, double seconds) {
    SeismicTie& tie = TieOf(project);
    if (!std::isfinite(seconds)) {
        throw Error("The shift must be a number of milliseconds.");
    }
    const double shift = RoundedTieShift(seconds);
    if (shift != tie.shiftSeconds) {
        tie.shiftSeconds = shift;
        project.projectChanged = true;
    }
}

void ApplyTieShift(Project& project, double lagSeconds) {
    SetTieShift(project, TieOf(project).shiftSeconds + lagSeconds);
}

void ResetTieShift(Project& project) {
    if (project.tie && project.tie->shiftSeconds != 0.0) {
        project.tie->shiftSeconds = 0.0;
        project.projectChanged = true;
    }
}

std::optional<std::string> ApplyTiePhaseRefusal(const Project& project) {
    if (project.waveletType == kRickerWavelet) {
        return "A Ricker wavelet is always zero phase. To tie with a phase, choose a bandpass "
               "wavelet in Select Wavelet.";
    }
    if (project.waveletType == kExtractedWavelet) {
        return "An extracted wavelet keeps the phase of its own samples. To tie with a phase, "
               "choose a bandpass wavelet in Select Wavelet.";
    }
    return std::nullopt;
}

std::optional<std::string> ApplyTiePhase(Project& project, const TieMeasures& measures) {
    if (auto refusal = ApplyTiePhaseRefusal(project)) {
        return refusal;
    }
    if (!std::isfinite(measures.bestPhase.phaseDegrees)) {
        return "The tie found no best phase to apply.";
    }
    const Value present = project.phaseDegrees;
    try {
        // The tie turned the synthetic of the present wavelet, so the two phases add.
        const double before = NumberOf(present, "phase");
        const double phase = WrappedPhase(RoundHalfEven(before + measures.bestPhase.phaseDegrees));
        if (phase == before) {
            return std::nullopt;
        }
        project.phaseDegrees = Value::Text(PlainNumber(phase));
        MakeBandpassWavelet(project);
    } catch (const Error& e) {
        project.phaseDegrees = present;
        return e.what();
    }
    project.projectChanged = true;
    return std::nullopt;
}

}  // namespace tessarin
