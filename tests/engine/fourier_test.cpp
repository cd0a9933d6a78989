// Transforms of traces of any length, and the Hilbert transform built on them.

#include "engine/fourier.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "engine/phase_rotation.h"

namespace tessarin::test {
namespace {

constexpr double kPi = std::numbers::pi;

TEST(Fourier, ACosineFallsInItsBinAndComesBackOnAnyLength) {
    for (const std::size_t n : {std::size_t{12}, std::size_t{375}, std::size_t{1000}}) {
        std::vector<double> wave(n);
        for (std::size_t i = 0; i < n; ++i) {
            wave[i] = 2 * std::cos(2 * kPi * 5 * static_cast<double>(i) / n + 0.3);
        }
        const Spectrum bins = RealSpectrum(wave, n);
        ASSERT_EQ(bins.size(), n / 2 + 1);
        for (std::size_t k = 0; k < bins.size(); ++k) {
            EXPECT_NEAR(std::abs(bins[k]), k == 5 ? static_cast<double>(n) : 0.0, 1e-9) << n;
        }
        EXPECT_NEAR(std::arg(bins[5]), 0.3, 1e-9);
        // Zero-padded to twice the length, the trace comes back followed by zeros.
        const std::vector<double> back = InverseRealSpectrum(RealSpectrum(wave, 2 * n), 2 * n);
        for (std::size_t i = 0; i < 2 * n; ++i) {
            EXPECT_NEAR(back[i], i < n ? wave[i] : 0.0, 1e-9) << i;
        }
    }
}

TEST(Fourier, HilbertTurnsACosineIntoASineAwayFromTheEnds) {
    // 25 Hz at 2 ms over 1.001 s: an odd length, no power of two.
    std::vector<double> wave(501);
    for (std::size_t i = 0; i < wave.size(); ++i) {
        wave[i] = std::cos(2 * kPi * 25 * 0.002 * static_cast<double>(i));
    }
    const std::vector<double> quadrature = HilbertTransform(wave);
    ASSERT_EQ(quadrature.size(), wave.size());
    for (std::size_t i = 150; i < 350; ++i) {
        EXPECT_NEAR(quadrature[i], std::sin(2 * kPi * 25 * 0.002 * static_cast<double>(i)), 0.02)
            << i;
    }
    const std::vector<double> turned = RotatePhase(wave, 90);
    EXPECT_NEAR(turned[250], -quadrature[250], 1e-12);
    EXPECT_TRUE(HilbertTransform({}).empty());
}

}  // namespace
}  // namespace tessarin::test
