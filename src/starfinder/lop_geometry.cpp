#include "starfinder/lop_geometry.h"

#include <cmath>
#include <limits>

#include "foundations/angles.h"

namespace nocturna {

void LopSums::Add(double azimuthDegrees) {
  const double c = std::cos(DegToRad(azimuthDegrees));
  const double s = std::sin(DegToRad(azimuthDegrees));
  ++count;
  cosSum += c;
  sinSum += s;
  cosCos += c * c;
  sinSin += s * s;
  cosSin += c * s;
}

LopSums LopSums::Plus(const LopSums& other) const {
  return {count + other.count,       cosSum + other.cosSum, sinSum + other.sinSum,
          cosCos + other.cosCos,     sinSin + other.sinSin, cosSin + other.cosSin};
}

double HorizontalDop(const LopSums& sums) {
  constexpr double kInfinite = std::numeric_limits<double>::infinity();
  if (sums.count < 3) return kInfinite;
  // Eliminating the common error leaves the position block (AᵀA)⁻¹ = S⁻¹, S the scatter of the
  // unit vectors (cos Zn, sin Zn) about their mean; the trace of a 2×2 inverse is trace/det.
  const double n = sums.count;
  const double xx = sums.cosCos - sums.cosSum * sums.cosSum / n;
  const double yy = sums.sinSin - sums.sinSum * sums.sinSum / n;
  const double xy = sums.cosSin - sums.cosSum * sums.sinSum / n;
  const double determinant = xx * yy - xy * xy;
  // Below this the lines are parallel to within rounding: no fix.
  constexpr double kSingular = 1e-12;
  if (determinant <= kSingular) return kInfinite;
  return std::sqrt((xx + yy) / determinant);
}

}  // namespace nocturna
