#include "engine/phase_rotation.h"

#include <cmath>
#include <complex>
#include <numbers>

namespace tessarin {
namespace {

using Spectrum = std::vector<std::complex<double>>;

// An in-place radix-2 FFT of a power-of-two length (inverse without the 1/N). Written here
// because the core uses the standard library only; traces of at most 32768 samples need nothing
// faster than this.
void Fft(Spectrum& a, bool inverse) {
    const std::size_t n = a.size();
    for (std::size_t i = 1, j = 0; i < n; ++i) {
        std::size_t bit = n >> 1;
        for (; j & bit; bit >>= 1) {
            j ^= bit;
        }
        j ^= bit;
        if (i < j) {
            std::swap(a[i], a[j]);
        }
    }
    for (std::size_t length = 2; length <= n; length <<= 1) {
        const double angle = (inverse ? 2 : -2) * std::numbers::pi / static_cast<double>(length);
        const std::complex<double> step(std::cos(angle), std::sin(angle));
        for (std::size_t start = 0; start < n; start += length) {
            std::complex<double> w(1);
            for (std::size_t k = 0; k < length / 2; ++k) {
                const std::complex<double> u = a[start + k];
                const std::complex<double> v = a[start + k + length / 2] * w;
                a[start + k] = u + v;
                a[start + k + length / 2] = u - v;
                w *= step;
            }
        }
    }
}

}  // namespace

std::vector<double> HilbertTransform(const std::vector<double>& values) {
    // The analytic signal: the positive frequencies doubled, the negative ones removed; its
    // imaginary part is the Hilbert transform. Padding to twice the length keeps the end of the
    // trace from wrapping round onto its start.
    std::size_t n = 1;
    while (n < 2 * values.size()) {
        n <<= 1;
    }
    Spectrum a(n);
    for (std::size_t i = 0; i < values.size(); ++i) {
        a[i] = values[i];
    }
    Fft(a, false);
    for (std::size_t k = 1; k < n / 2; ++k) {
        a[k] *= 2.0;
        a[n - k] = 0.0;
    }
    Fft(a, true);
    std::vector<double> quadrature(values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        quadrature[i] = a[i].imag() / static_cast<double>(n);
    }
    return quadrature;
}

std::vector<double> RotatePhase(const std::vector<double>& values, double degrees) {
    const double radians = degrees * std::numbers::pi / 180.0;
    const std::vector<double> quadrature = HilbertTransform(values);
    std::vector<double> rotated(values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        rotated[i] = values[i] * std::cos(radians) - quadrature[i] * std::sin(radians);
    }
    return rotated;
}

}  // namespace tessarin
