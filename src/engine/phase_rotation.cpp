#include "engine/phase_rotation.h"

#include <cmath>
#include <complex>
#include <numbers>

#include "engine/fourier.h"

namespace tessarin {

std::vector<double> HilbertTransform(const std::vector<double>& values) {
    // Every positive frequency turned by -90 degrees, DC and Nyquist dropped: the imaginary part
    // of the analytic signal. Padding to twice the length keeps the end of the trace from
    // wrapping round onto its start.
    const std::size_t n = 2 * values.size();
    if (n == 0) {
        return {};
    }
    Spectrum bins = RealSpectrum(values, n);
    bins.front() = 0.0;
    bins.back() = 0.0;
    for (std::size_t k = 1; k + 1 < bins.size(); ++k) {
        bins[k] *= std::complex<double>(0, -1);
    }
    std::vector<double> quadrature = InverseRealSpectrum(bins, n);
    quadrature.resize(values.size());
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
