#pragma once

// The rules of the Select Wavelet dialog, apart from the widgets: what "Calculate" accepts and
// stores, and what choosing a wavelet type does. The dialog and tessarin-cli both go through
// these functions.

#include <optional>
#include <string>

#include "model/project.h"

namespace tessarin {

// The texts of the dialog's boxes: Text1 to Text5 and the length box.
struct WaveletTexts {
    std::string lowCut;    // Text1: the low cut, or the Ricker frequency
    std::string lowPass;   // Text2
    std::string highPass;  // Text3
    std::string highCut;   // Text4
    std::string phase;     // Text5
    std::string length;    // the length box, seconds

    bool operator==(const WaveletTexts&) const = default;
};

struct CalculateOutcome {
    // True when the wavelet was built and stored. The dialog then checks "Select &Wavelet" and,
    // when the logs are imported too, enables "&Display Synthetic"; a refusal beeps.
    bool accepted = false;
    std::string reason;  // why the input was refused; empty when accepted
    WaveletTexts texts;  // what the boxes show afterwards
};

// What Select Wavelet hands back: the wavelet type and the boxes as the last accepted Calculate
// left them, and whether the dialog was closed with Done (which asks for a recompute).
struct WaveletValues {
    int waveletType = kBandpassWavelet;
    WaveletTexts texts;
    bool done = false;
};

// Why Calculate would refuse the values; nothing when it accepts them.
std::optional<std::string> FindWaveletProblem(const Project& project, const WaveletValues& values);

// The record takes the values as Calculate stores them: the parameters, the length cut to whole
// samples and the wavelet built, and is marked changed. Values Calculate would refuse leave it as
// it was.
void ApplyWaveletValues(Project& project, const WaveletValues& values);

// The stored wavelet parameters as the boxes show them (length formatted "0.000").
WaveletTexts StoredWaveletTexts(const Project& project);

// Calculate: validates the texts for project.waveletType, stores the parameters, cuts the
// length to whole samples, builds the wavelet and sets projectChanged. Input that is refused
// leaves the record as it was (apart from sampleIntervalUs following sampleRateIndex) and the
// boxes show the stored values again. On success the boxes keep the typed texts, except the
// length box, which shows the length actually used.
CalculateOutcome CalculateWavelet(Project& project, const WaveletTexts& texts);

// The record as Select Wavelet previews it when it opens: with its stored wavelet, or, when none
// has been built yet (a new project), with the wavelet its stored parameters make, so that the
// previews are never empty while the boxes hold a wavelet. Parameters Calculate would refuse
// leave the record as it is.
Project WithOpeningWavelet(Project project);

// With the bandpass chosen, a low cut above the low pass (a Ricker frequency left in the low-cut
// box) becomes Int(lowPass / 2). Returns true when it changed, so Text1 must show it again.
bool ApplyLowCutCorrection(Project& project);

// A click on a wavelet type: the bandpass gets the low-cut correction and the length 0.16 s;
// then Calculate runs with the boxes' texts.
CalculateOutcome ChooseWaveletType(Project& project, int waveletType, WaveletTexts texts);

}  // namespace tessarin
