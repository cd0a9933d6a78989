#pragma once

// The solution of a symmetric Toeplitz system, such as the normal equations of a least-squares
// filter: the matrix holds the autocorrelation of the filter's input, lag |j - k| at row j,
// column k.

#include <vector>

namespace tessarin {

// x with sum over k of autocorrelation[|j - k|] x[k] = rightSide[j] for every j, by Levinson
// recursion. Both vectors have one entry per unknown. Throws Error when the matrix is not
// positive definite (an input without energy, or one that repeats itself exactly).
std::vector<double> SolveToeplitz(const std::vector<double>& autocorrelation,
                                  const std::vector<double>& rightSide);

}  // namespace tessarin
