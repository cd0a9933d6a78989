#include "import/spline.h"

#include "model/numeric.h"

namespace tessarin {

std::vector<double> SplineSecondDerivatives(const std::vector<double>& x,
                                            const std::vector<double>& y, double firstSlope,
                                            double lastSlope) {
    const std::size_t n = x.size();
    std::vector<double> y2(n, 0.0);
    std::vector<double> u(n, 0.0);
    if (n < 2) {
        return y2;
    }
    if (firstSlope <= kNaturalSplineEnd) {
        y2[0] = -0.5;
        u[0] = (3.0 / (x[1] - x[0])) * ((y[1] - y[0]) / (x[1] - x[0]) - firstSlope);
    }
    for (std::size_t i = 1; i + 1 < n; ++i) {
        const double sig = (x[i] - x[i - 1]) / (x[i + 1] - x[i - 1]);
        const double p = sig * y2[i - 1] + 2.0;
        y2[i] = (sig - 1.0) / p;
        u[i] =
            (6.0 * ((y[i + 1] - y[i]) / (x[i + 1] - x[i]) - (y[i] - y[i - 1]) / (x[i] - x[i - 1])) /
                 (x[i + 1] - x[i - 1]) -
             sig * u[i - 1]) /
            p;
    }
    double qn = 0.0;
    double un = 0.0;
    if (lastSlope <= kNaturalSplineEnd) {
        qn = 0.5;
        un = (3.0 / (x[n - 1] - x[n - 2])) *
             (lastSlope - (y[n - 1] - y[n - 2]) / (x[n - 1] - x[n - 2]));
    }
    y2[n - 1] = (un - qn * u[n - 2]) / (qn * y2[n - 2] + 1.0);
    for (std::size_t k = n - 1; k-- > 0;) {
        y2[k] = y2[k] * y2[k + 1] + u[k];
    }
    return y2;
}

Bracket BisectIncreasing(const std::vector<double>& v, double at) {
    int lo = 1;
    int hi = static_cast<int>(v.size());
    while (hi - lo > 1) {
        const int k = static_cast<int>(RoundHalfEven((lo + hi) / 2.0));
        if (v[static_cast<std::size_t>(k - 1)] > at) {
            hi = k;
        } else {
            lo = k;
        }
    }
    return {lo, hi};
}

std::optional<double> SplineValue(const std::vector<double>& x, const std::vector<double>& y,
                                  const std::vector<double>& y2, double at) {
    const Bracket b = BisectIncreasing(x, at);
    const auto lo = static_cast<std::size_t>(b.lo - 1);
    const auto hi = static_cast<std::size_t>(b.hi - 1);
    const double h = x[hi] - x[lo];
    if (h == 0.0) {
        return std::nullopt;
    }
    const double a = (x[hi] - at) / h;
    const double bb = (at - x[lo]) / h;
    return a * y[lo] + bb * y[hi] +
           ((a * a * a - a) * y2[lo] + (bb * bb * bb - bb) * y2[hi]) * (h * h) / 6.0;
}

}  // namespace tessarin
