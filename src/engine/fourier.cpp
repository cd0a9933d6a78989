#include "engine/fourier.h"

#include <fftw3.h>

#include <algorithm>
#include <memory>
#include <stdexcept>

namespace tessarin {
namespace {

// FFTW's buffers, aligned as its transforms want them.
template <class T>
struct FftwBuffer {
    explicit FftwBuffer(std::size_t n) : data(static_cast<T*>(fftw_malloc(sizeof(T) * n))) {
        if (!data) {
            throw std::bad_alloc();
        }
    }
    ~FftwBuffer() { fftw_free(data); }
    FftwBuffer(const FftwBuffer&) = delete;
    FftwBuffer& operator=(const FftwBuffer&) = delete;
    T* data;
};

// A plan made for one transform and destroyed after it. FFTW_ESTIMATE plans at once without
// trying transforms out, which pays for traces transformed once each.
struct Plan {
    explicit Plan(fftw_plan p) : plan(p) {
        if (!plan) {
            throw std::runtime_error("FFTW could not plan a transform.");
        }
    }
    ~Plan() { fftw_destroy_plan(plan); }
    Plan(const Plan&) = delete;
    Plan& operator=(const Plan&) = delete;
    fftw_plan plan;
};

}  // namespace

Spectrum RealSpectrum(const std::vector<double>& values, std::size_t n) {
    n = std::max({n, values.size(), std::size_t{1}});
    FftwBuffer<double> in(n);
    FftwBuffer<fftw_complex> out(n / 2 + 1);
    const Plan plan(fftw_plan_dft_r2c_1d(static_cast<int>(n), in.data, out.data, FFTW_ESTIMATE));
    std::fill(in.data, in.data + n, 0.0);
    std::copy(values.begin(), values.end(), in.data);
    fftw_execute(plan.plan);
    Spectrum bins(n / 2 + 1);
    for (std::size_t k = 0; k < bins.size(); ++k) {
        bins[k] = {out.data[k][0], out.data[k][1]};
    }
    return bins;
}

std::vector<double> InverseRealSpectrum(const Spectrum& bins, std::size_t n) {
    n = std::max(n, std::size_t{1});
    FftwBuffer<fftw_complex> in(n / 2 + 1);
    FftwBuffer<double> out(n);
    // Planned before the input is filled: planning may write over the arrays.
    const Plan plan(fftw_plan_dft_c2r_1d(static_cast<int>(n), in.data, out.data, FFTW_ESTIMATE));
    for (std::size_t k = 0; k <= n / 2; ++k) {
        const std::complex<double> bin = k < bins.size() ? bins[k] : 0.0;
        in.data[k][0] = bin.real();
        in.data[k][1] = bin.imag();
    }
    fftw_execute(plan.plan);
    std::vector<double> values(out.data, out.data + n);
    for (double& v : values) {
        v /= static_cast<double>(n);
    }
    return values;
}

}  // namespace tessarin
