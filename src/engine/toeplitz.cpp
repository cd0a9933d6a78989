#include "engine/toeplitz.h"

#include <cassert>

#include "model/error.h"

namespace tessarin {

// Levinson recursion rather than a general solver: it takes n^2 steps where elimination takes
// n^3, needs no matrix to be stored, and is exact for the Toeplitz normal equations. Each order
// k grows two solutions by one unknown: the prediction error filter `a` (a[0] = 1, the matrix
// times a is error x e0) and x, from the system cut to its first k + 1 rows and columns.
std::vector<double> SolveToeplitz(const std::vector<double>& autocorrelation,
                                  const std::vector<double>& rightSide) {
    const std::size_t n = rightSide.size();
    assert(autocorrelation.size() >= n);
    const auto& r = autocorrelation;
    if (n == 0) {
        return {};
    }
    const auto notPositive = [] {
        return Error(
            "The equations for the filter have no single solution: its input has no energy or "
            "repeats itself exactly.");
    };
    double error = r[0];
    if (!(error > 0)) {
        throw notPositive();
    }
    std::vector<double> a{1.0};
    std::vector<double> x{rightSide[0] / r[0]};
    for (std::size_t k = 1; k < n; ++k) {
        double reflection = 0;
        for (std::size_t i = 0; i < k; ++i) {
            reflection += a[i] * r[k - i];
        }
        const double lambda = -reflection / error;
        a.push_back(0.0);
        const std::vector<double> previous = a;
        for (std::size_t i = 1; i <= k; ++i) {
            a[i] += lambda * previous[k - i];
        }
        error *= 1 - lambda * lambda;
        if (!(error > 0)) {
            throw notPositive();
        }
        double fitted = 0;
        for (std::size_t i = 0; i < k; ++i) {
            fitted += x[i] * r[k - i];
        }
        const double mu = (rightSide[k] - fitted) / error;
        x.push_back(0.0);
        for (std::size_t i = 0; i <= k; ++i) {
            x[i] += mu * a[k - i];
        }
    }
    return x;
}

}  // namespace tessarin
