#pragma once
// The geometry of a set of lines of position with an unknown common error (the same error in
// every altitude, such as a wrong index correction or an unseen horizon bias).
#include <limits>

namespace nocturna {

// Sums over a set's design rows (cos Zn, sin Zn, 1), Zn the true azimuth of each body: the
// entries of AᵀA. Adding or removing a body is one call, so a search can build sets step by step.
struct LopSums {
  int count = 0;
  double cosSum = 0, sinSum = 0;              // Σ cos Zn, Σ sin Zn
  double cosCos = 0, sinSin = 0, cosSin = 0;  // Σ cos² Zn, Σ sin² Zn, Σ cos Zn sin Zn

  // Zn in degrees from true north through east.
  void Add(double azimuthDegrees);
  LopSums Plus(const LopSums& other) const {
    return {count + other.count,   cosSum + other.cosSum, sinSum + other.sinSum,
            cosCos + other.cosCos, sinSin + other.sinSin, cosSin + other.cosSin};
  }
};

// The horizontal dilution of precision: sqrt of the trace of the position block of (AᵀA)⁻¹,
// the block that remains once the common error is solved for with the position. It is the
// radial position error per unit altitude error (nautical miles per minute of arc). Three bodies
// 120° apart give 2/sqrt(3) ≈ 1.155, the least any three can give; a set whose lines do not fix
// a position (fewer than three bodies, or all on one line through the centre of the
// position block) gives +infinity.
double HorizontalDop(const LopSums& sums);
// Its square, without the root: what a search compares, once for every set (so inline).
inline double HorizontalDopSquared(const LopSums& sums) {
  if (sums.count < 3) return std::numeric_limits<double>::infinity();
  // Eliminating the common error leaves the position block (AᵀA)⁻¹ = S⁻¹, S the scatter of the
  // unit vectors (cos Zn, sin Zn) about their mean; the trace of a 2×2 inverse is trace/det.
  const double n = sums.count;
  const double xx = sums.cosCos - sums.cosSum * sums.cosSum / n;
  const double yy = sums.sinSin - sums.sinSum * sums.sinSum / n;
  const double xy = sums.cosSin - sums.cosSum * sums.sinSum / n;
  const double determinant = xx * yy - xy * xy;
  // Below this the lines are parallel to within rounding: no fix.
  constexpr double kSingular = 1e-12;
  if (determinant <= kSingular) return std::numeric_limits<double>::infinity();
  return (xx + yy) / determinant;
}

}  // namespace nocturna
