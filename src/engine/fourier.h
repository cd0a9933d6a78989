#pragma once

// Discrete Fourier transforms of real traces, by FFTW. The traces are taken as zero beyond their
// samples and transformed on any number of points: no padding to a power of two.

#include <complex>
#include <cstddef>
#include <vector>

namespace tessarin {

using Spectrum = std::vector<std::complex<double>>;

// The spectrum of `values` zero-padded to n points (n at least values.size(), above 0): bins 0 to
// n / 2, bin k at frequency k / (n x dt).
Spectrum RealSpectrum(const std::vector<double>& values, std::size_t n);

// The n real values whose spectrum, in bins 0 to n / 2, is `bins`: the inverse of RealSpectrum,
// scaled so that InverseRealSpectrum(RealSpectrum(x, n), n) gives x back, with n - x.size()
// zeros after it.
std::vector<double> InverseRealSpectrum(const Spectrum& bins, std::size_t n);

}  // namespace tessarin
