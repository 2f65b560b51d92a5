#pragma once
// Linear least squares for the small fits of the sight tools.
#include <optional>
#include <vector>

namespace nocturna {

// The coefficients x minimising |A x - b| for the rows of A (each of the same length, at most
// a handful) and the values b, by the normal equations with partial pivoting; nothing when
// the rows do not determine every coefficient (a pivot below 1e-9 of the largest).
std::optional<std::vector<double>> SolveLeastSquares(const std::vector<std::vector<double>>& rows,
                                                     const std::vector<double>& values);

}  // namespace nocturna
