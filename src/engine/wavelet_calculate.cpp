#include "engine/wavelet_calculate.h"

#include <optional>

#include "engine/synthetic.h"
#include "engine/wavelet.h"
#include "model/error.h"
#include "model/numeric.h"

namespace tessarin {
namespace {

// Bandpass lengths above this are cut to it.
constexpr double kLongestBandpassLength = 0.24;
// The length a freshly chosen bandpass wavelet starts with.
constexpr double kDefaultBandpassLength = 0.16;

std::string LengthText(double seconds) {
    return FormatPattern(seconds, "0.000");
}

std::optional<double> NumberIfAny(const Value& value) {
    try {
        return value.Number();
    } catch (const ConversionError&) {
        return std::nullopt;
    }
}

double BoxNumber(const std::string& text, const std::string& what) {
    if (auto number = ParseNumber(text)) {
        return *number;
    }
    throw Error("The " + what + " \"" + text + "\" is not a number.");
}

int BoxInt16(const std::string& text, const std::string& what) {
    const double number = BoxNumber(text, what);
    try {
        return ToInt16(number);
    } catch (const OverflowError&) {
        throw Error("The " + what + " " + text + " is outside -32768 to 32767.");
    }
}

// Stores the bandpass parameters and builds the wavelet; returns the length box's new text.
std::string CalculateBandpass(Project& p, const WaveletTexts& texts) {
    const int lowCut = BoxInt16(texts.lowCut, "low cut");
    const int lowPass = BoxInt16(texts.lowPass, "low pass");
    const int highPass = BoxInt16(texts.highPass, "high pass");
    const int highCut = BoxInt16(texts.highCut, "high cut");
    BoxInt16(texts.phase, "phase");  // a check only: the typed phase is what is stored
    BandpassSpectrum(lowCut, lowPass, highPass, highCut);  // throws for corners out of order

    p.lowCut = Value(lowCut);
    p.lowPass = Value(lowPass);
    p.highPass = Value(highPass);
    p.highCut = Value(highCut);
    p.phaseDegrees = Value::Text(texts.phase);
    double length = BoxNumber(texts.length, "wavelet length");
    if (length < 0) {
        throw Error("The wavelet length " + texts.length + " s is negative.");
    }
    if (length > kLongestBandpassLength) {
        length = kLongestBandpassLength;
    }
    length = CutWaveletLength(length, p.sampleIntervalUs);
    p.waveletLength = Value(length);
    MakeBandpassWavelet(p);
    return LengthText(length);
}

// Stores the Ricker frequency and its length 2.4 / f and builds the wavelet; returns the length
// box's new text. A frequency below 1 Hz or above the Nyquist frequency of the sample rate is
// refused: the first would make a wavelet seconds long, the second a single spike.
std::string CalculateRicker(Project& p, const WaveletTexts& texts) {
    const double f = BoxNumber(texts.lowCut, "Ricker frequency");
    const double sampleMs = 2.0 * p.sampleIntervalUs / 1000.0;
    const double nyquist = 1000.0 / (2.0 * sampleMs);
    if (!(f >= 1 && f <= nyquist)) {
        throw Error("The Ricker frequency " + texts.lowCut + " Hz is outside 1 to " +
                    PlainNumber(nyquist) + " Hz, the frequencies a " + PlainNumber(sampleMs) +
                    " ms sample rate holds.");
    }
    p.lowCut = Value::Text(texts.lowCut);
    const double length = CutWaveletLength(2.4 / f, p.sampleIntervalUs);
    p.waveletLength = Value(length);
    MakeRickerWavelet(p);
    return LengthText(length);
}

}  // namespace

WaveletTexts StoredWaveletTexts(const Project& p) {
    WaveletTexts texts{p.lowCut.ToText(),  p.lowPass.ToText(),      p.highPass.ToText(),
                       p.highCut.ToText(), p.phaseDegrees.ToText(), p.waveletLength.ToText()};
    if (auto length = NumberIfAny(p.waveletLength)) {
        texts.length = LengthText(*length);
    }
    return texts;
}

CalculateOutcome CalculateWavelet(Project& project, const WaveletTexts& texts) {
    project.sampleIntervalUs = SampleIntervalForRate(project.sampleRateIndex);
    // Everything is stored in a copy first, so that refused input leaves no half-stored values.
    Project trial = project;
    CalculateOutcome outcome;
    try {
        outcome.texts = texts;
        if (trial.waveletType == kExtractedWavelet) {
            // No box makes an extracted wavelet: it is built again from its own samples, and the
            // boxes keep the parameters of the other types for a return to them.
            MakeExtractedWavelet(trial);
            outcome.texts.length = LengthText(*NumberIfAny(trial.waveletLength));
        } else {
            outcome.texts.length = trial.waveletType == kRickerWavelet
                                       ? CalculateRicker(trial, texts)
                                       : CalculateBandpass(trial, texts);
        }
    } catch (const Error& e) {
        outcome.reason = e.what();
        outcome.texts = StoredWaveletTexts(project);
        return outcome;
    }
    trial.projectChanged = true;
    project = std::move(trial);
    outcome.accepted = true;
    return outcome;
}

Project WithOpeningWavelet(Project project) {
    if (project.wavelet.Empty()) {
        ApplyLowCutCorrection(project);
        CalculateWavelet(project, StoredWaveletTexts(project));
    }
    return project;
}

bool ApplyLowCutCorrection(Project& project) {
    if (project.waveletType != kBandpassWavelet) {
        return false;
    }
    const auto lowPass = NumberIfAny(project.lowPass);
    if (!lowPass) {
        return false;  // Calculate refuses such a record anyway
    }
    const auto lowCut = NumberIfAny(project.lowCut);
    if (lowCut && *lowCut <= *lowPass) {
        return false;
    }
    project.lowCut = Value(IntFloor(*lowPass / 2));
    return true;
}

CalculateOutcome ChooseWaveletType(Project& project, int waveletType, WaveletTexts texts) {
    project.waveletType = waveletType;
    if (waveletType == kBandpassWavelet) {
        if (ApplyLowCutCorrection(project)) {
            texts.lowCut = project.lowCut.ToText();
        }
        project.waveletLength = Value(kDefaultBandpassLength);
        texts.length = LengthText(kDefaultBandpassLength);
    }
    return CalculateWavelet(project, texts);
}

std::optional<std::string> FindWaveletProblem(const Project& project, const WaveletValues& values) {
    Project trial = project;
    trial.waveletType = values.waveletType;
    const CalculateOutcome outcome = CalculateWavelet(trial, values.texts);
    if (outcome.accepted) {
        return std::nullopt;
    }
    return outcome.reason;
}

void ApplyWaveletValues(Project& project, const WaveletValues& values) {
    Project changed = project;
    changed.waveletType = values.waveletType;
    if (CalculateWavelet(changed, values.texts).accepted) {
        project = std::move(changed);
    }
}

}  // namespace tessarin
