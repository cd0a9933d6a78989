#include "engine/wavelet_spectrum.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>

#include "engine/fourier.h"

namespace tessarin {
namespace {

// Lines enough to place a peak to a fraction of a hertz for any wavelet the program makes.
constexpr std::size_t kFinestTransform = 4096;
// The wavelet's band: where its amplitude is at least this part of its peak.
constexpr double kBandFloor = 0.1;

// The spectrum with time zero at the first sample, so that its phase is the wavelet's own phase
// about time zero: lag j goes to sample j, negative lags wrap round to the end.
Spectrum CentredSpectrum(const std::vector<double>& samples, std::size_t n) {
    const auto h = static_cast<long long>(samples.size() / 2);
    std::vector<double> wrapped(n, 0.0);
    for (long long j = -h; j <= h; ++j) {
        const auto at =
            static_cast<std::size_t>((j + static_cast<long long>(n)) % static_cast<long long>(n));
        wrapped[at] += samples[static_cast<std::size_t>(j + h)];
    }
    return RealSpectrum(wrapped, n);
}

std::size_t TransformLength(std::size_t samples) {
    std::size_t n = kFinestTransform;
    while (n < 2 * samples) {
        n *= 2;
    }
    return n;
}

double Degrees(double radians) {
    return radians * 180.0 / std::numbers::pi;
}

}  // namespace

ConstantPhase WaveletPhase(const std::vector<double>& samples) {
    const Spectrum bins = CentredSpectrum(samples, TransformLength(samples.size()));
    // Only the band the wavelet carries counts: beyond it the phase of a zero-phase wavelet
    // flips to 180 degrees wherever the spectrum's side lobes turn negative.
    double peak = 0;
    for (std::size_t k = 1; k + 1 < bins.size(); ++k) {
        peak = std::max(peak, std::abs(bins[k]));
    }
    const auto inBand = [&](std::size_t k) { return std::abs(bins[k]) >= kBandFloor * peak; };
    // The closest rotation c |W| exp(i phase) of the zero-phase spectrum |W| to W: its phase
    // makes Re(exp(-i phase) sum |W| W) largest, which is the phase of that sum.
    std::complex<double> sum = 0;
    double power = 0;
    for (std::size_t k = 1; k + 1 < bins.size(); ++k) {
        if (inBand(k)) {
            sum += std::abs(bins[k]) * bins[k];
            power += std::norm(bins[k]);
        }
    }
    if (!(power > 0)) {
        return {};
    }
    const double phase = std::arg(sum);
    double squares = 0;
    for (std::size_t k = 1; k + 1 < bins.size(); ++k) {
        if (inBand(k)) {
            const double off = std::arg(bins[k] * std::exp(std::complex<double>(0, -phase)));
            squares += std::norm(bins[k]) * off * off;
        }
    }
    return {Degrees(phase), Degrees(std::sqrt(squares / power))};
}

double DominantFrequency(const std::vector<double>& samples, double interval) {
    const std::size_t n = TransformLength(samples.size());
    const Spectrum bins = CentredSpectrum(samples, n);
    std::size_t peak = 0;
    for (std::size_t k = 1; k < bins.size(); ++k) {
        if (std::abs(bins[k]) > std::abs(bins[peak])) {
            peak = k;
        }
    }
    double offset = 0;
    if (peak > 0 && peak + 1 < bins.size()) {
        const double left = std::abs(bins[peak - 1]);
        const double centre = std::abs(bins[peak]);
        const double right = std::abs(bins[peak + 1]);
        const double curvature = left - 2 * centre + right;
        offset = curvature < 0 ? 0.5 * (left - right) / curvature : 0.0;
    }
    return (static_cast<double>(peak) + offset) / (static_cast<double>(n) * interval);
}

std::vector<double> AmplitudeSpectrum(const std::vector<double>& samples, int bins) {
    const Spectrum spectrum =
        CentredSpectrum(samples, 2 * static_cast<std::size_t>(std::max(bins, 2) - 1));
    std::vector<double> amplitudes;
    for (const std::complex<double>& bin : spectrum) {
        amplitudes.push_back(std::abs(bin));
    }
    return amplitudes;
}

}  // namespace tessarin
