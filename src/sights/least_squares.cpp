#include "sights/least_squares.h"

#include <cmath>
#include <cstddef>
#include <utility>

namespace nocturna {
namespace {

constexpr double kRelativePivotFloor = 1e-9;

using Matrix = std::vector<std::vector<double>>;

// The normal equations A'A x = A'b as one augmented matrix.
Matrix NormalEquations(const Matrix& rows, const std::vector<double>& values) {
  const std::size_t n = rows.front().size();
  Matrix m(n, std::vector<double>(n + 1, 0.0));
  for (std::size_t r = 0; r < rows.size(); ++r) {
    for (std::size_t i = 0; i < n; ++i) {
      for (std::size_t j = 0; j < n; ++j) m[i][j] += rows[r][i] * rows[r][j];
      m[i][n] += rows[r][i] * values[r];
    }
  }
  return m;
}

}  // namespace

std::optional<std::vector<double>> SolveLeastSquares(const Matrix& rows, const std::vector<double>& values) {
  if (rows.empty() || rows.size() != values.size()) return std::nullopt;
  Matrix m = NormalEquations(rows, values);
  const std::size_t n = m.size();
  double largest = 0.0;
  for (std::size_t i = 0; i < n; ++i) largest = std::fmax(largest, std::fabs(m[i][i]));
  for (std::size_t col = 0; col < n; ++col) {
    std::size_t pivot = col;
    for (std::size_t r = col + 1; r < n; ++r) {
      if (std::fabs(m[r][col]) > std::fabs(m[pivot][col])) pivot = r;
    }
    if (!(std::fabs(m[pivot][col]) > kRelativePivotFloor * largest)) return std::nullopt;
    std::swap(m[pivot], m[col]);
    for (std::size_t r = 0; r < n; ++r) {
      if (r == col) continue;
      const double factor = m[r][col] / m[col][col];
      for (std::size_t k = col; k <= n; ++k) m[r][k] -= factor * m[col][k];
    }
  }
  std::vector<double> x(n);
  for (std::size_t i = 0; i < n; ++i) x[i] = m[i][n] / m[i][i];
  return x;
}

}  // namespace nocturna
