#pragma once

// The classic cubic spline with prescribed end slopes, used to calibrate a sonic log to a velocity
// survey. Points are given in increasing x.

#include <optional>
#include <vector>

namespace tessarin {

// A slope above this leaves its end natural (second derivative 0).
inline constexpr double kNaturalSplineEnd = 0.99e30;

// The second derivatives of the spline through the points (x[i], y[i]), at least two of them.
// Repeated x values divide by zero: the results are then not finite.
std::vector<double> SplineSecondDerivatives(const std::vector<double>& x,
                                            const std::vector<double>& y, double firstSlope,
                                            double lastSlope);

// The spline at `at`, the interval around it found by bisection. Nothing when that interval has
// no width.
std::optional<double> SplineValue(const std::vector<double>& x, const std::vector<double>& y,
                                  const std::vector<double>& y2, double at);

// Bisection over increasing values v (entries 1 to count, as the program counts them): the
// 1-based pair lo, hi = lo + 1 whose interval holds `at`, or the end interval beyond either end.
struct Bracket {
    int lo;
    int hi;
};
Bracket BisectIncreasing(const std::vector<double>& v, double at);

}  // namespace tessarin
