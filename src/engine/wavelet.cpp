#include "engine/wavelet.h"

#include <cmath>
#include <string>

#include "engine/synthetic.h"
#include "engine/trace_value.h"
#include "model/error.h"
#include "model/numeric.h"

namespace tessarin {
namespace {

constexpr double kPi = kWaveletPi;

// A bandpass corner, taken as a whole number of hertz.
int CornerHz(const Value& value, const std::string& what) {
    const double hz = NumberOf(value, what);
    try {
        return ToInt16(hz);
    } catch (const OverflowError&) {
        throw Error("The " + what + " " + value.ToText() + " Hz is outside -32768 to 32767.");
    }
}

// Two-way time of sample i: 2 x i x sampleIntervalUs / 1000000 seconds.
double SampleTime(int i, int sampleIntervalUs) {
    return 2.0 * i * sampleIntervalUs / 1000000.0;
}

// Divides samples -h..h by their largest absolute value. `floor` is the size below which that
// value is only the rounding of the arithmetic: the samples then count as all zero.
void Normalise(OffsetArray& w, int h, double floor) {
    double peak = 0;
    for (int i = -h; i <= h; ++i) {
        peak = std::max(peak, std::fabs(w[i]));
    }
    if (!(peak > floor)) {
        throw Error(
            "The wavelet's samples are all 0, so it cannot be scaled to a peak of 1: choose "
            "another length or phase.");
    }
    for (int i = -h; i <= h; ++i) {
        w[i] /= peak;
    }
}

}  // namespace

BandpassAmplitudes BandpassSpectrum(int lowCut, int lowPass, int highPass, int highCut) {
    if (!(0 <= lowCut && lowCut < lowPass && lowPass < highPass && highPass < highCut)) {
        throw Error(
            "The corner frequencies must rise: low cut < low pass < high pass < high cut, none "
            "of them negative.");
    }
    if (highCut > kHighestWaveletFrequency) {
        throw Error("The high cut " + std::to_string(highCut) + " Hz lies above " +
                    std::to_string(kHighestWaveletFrequency) +
                    " Hz, the highest frequency a bandpass wavelet can hold.");
    }
    BandpassAmplitudes a{};
    for (int f = lowCut; f <= lowPass; ++f) {
        a[static_cast<std::size_t>(f)] =
            (1 - std::cos(kPi * (f - lowCut) / (lowPass - lowCut))) / 2;
    }
    for (int f = lowPass + 1; f <= highPass - 1; ++f) {
        a[static_cast<std::size_t>(f)] = 1;
    }
    for (int f = highPass; f <= highCut; ++f) {
        a[static_cast<std::size_t>(f)] =
            (1 + std::cos(kPi * (f - highPass) / (highCut - highPass))) / 2;
    }
    return a;
}

double CutWaveletLength(double lengthSeconds, int sampleIntervalUs) {
    return IntFloor(lengthSeconds * 250000.1 / sampleIntervalUs) * sampleIntervalUs / 250000.0;
}

void MakeRickerWavelet(Project& project) {
    project.sampleIntervalUs = SampleIntervalForRate(project.sampleRateIndex);
    const int h = WaveletHalfLength(project);
    const double f = NumberOf(project.lowCut, "Ricker frequency");
    if (!(f > 0)) {
        throw Error("The Ricker frequency " + project.lowCut.ToText() + " Hz is not above 0 Hz.");
    }
    const double td = std::sqrt(6.0) / (kPi * f);
    const double omega = 2 * std::sqrt(6.0) / td;  // 2 pi f

    OffsetArray w(-h, h + 1);
    for (int i = -h; i <= h; ++i) {
        const double x = omega * SampleTime(i, project.sampleIntervalUs);
        w[i] = (std::sqrt(kPi) / 2) * (0.5 - x * x / 4) * std::exp(-x * x / 4);
    }
    Normalise(w, h, 0.0);
    project.wavelet = std::move(w);
}

void MakeBandpassWavelet(Project& project) {
    project.sampleIntervalUs = SampleIntervalForRate(project.sampleRateIndex);
    const int lowCut = CornerHz(project.lowCut, "low cut");
    const int lowPass = CornerHz(project.lowPass, "low pass");
    const int highPass = CornerHz(project.highPass, "high pass");
    const int highCut = CornerHz(project.highCut, "high cut");
    const double phase = NumberOf(project.phaseDegrees, "phase");
    const BandpassAmplitudes a = BandpassSpectrum(lowCut, lowPass, highPass, highCut);
    const int h = WaveletHalfLength(project);

    OffsetArray w(-h, h + 1);
    double total = 0;
    for (int f = lowCut; f <= highCut; ++f) {
        total += a[static_cast<std::size_t>(f)];
    }
    for (int i = -h; i <= h; ++i) {
        const double t = SampleTime(i, project.sampleIntervalUs);
        double sum = 0;
        for (int f = lowCut; f <= highCut; ++f) {
            sum += a[static_cast<std::size_t>(f)] * std::cos(kPi * (2 * f * t + phase / 180));
        }
        w[i] = sum;
    }
    // A sum of cosines that cancel (a phase of 90 degrees on a single sample, say) leaves only
    // the rounding of pi: 1e-4 of the total amplitude covers it for any 16-bit phase.
    Normalise(w, h, 1e-4 * total);
    project.wavelet = std::move(w);
}

void MakeExtractedWavelet(Project& project) {
    if (!project.extractedWavelet || project.extractedWavelet->samples.values.empty()) {
        throw Error(
            "The project holds no extracted wavelet: extract one at the well or read a wavelet "
            "file.");
    }
    const SampledTrace& own = project.extractedWavelet->samples;
    const int interval = SampleIntervalForRate(project.sampleRateIndex);
    const double step = SampleTime(1, interval);
    const double reach = std::max(std::fabs(own.firstTime), std::fabs(own.LastTime()));
    // A sample within a millionth of a step of the wavelet's end still reaches it.
    const double steps = std::ceil(reach / step - 1e-6);
    // The length in whole microseconds over 10^6, so that it prints and reads back exactly.
    const double length = steps * 4.0 * interval / 1000000.0;
    const int h = WaveletHalfLength(length, interval);

    OffsetArray w(-h, h + 1);
    for (int i = -h; i <= h; ++i) {
        w[i] = TraceValueAt(own, SampleTime(i, interval)).value_or(0.0);
    }
    Normalise(w, h, 0.0);
    project.sampleIntervalUs = static_cast<std::int16_t>(interval);
    project.waveletLength = Value(length);
    project.wavelet = std::move(w);
}

void BuildWavelet(Project& project) {
    if (project.waveletType == kRickerWavelet) {
        MakeRickerWavelet(project);
    } else if (project.waveletType == kExtractedWavelet) {
        MakeExtractedWavelet(project);
    } else {
        MakeBandpassWavelet(project);
    }
}

}  // namespace tessarin
