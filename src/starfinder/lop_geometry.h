#pragma once
// The geometry of a set of lines of position with an unknown common error (the same error in
// every altitude, such as a wrong index correction or an unseen horizon bias).
namespace nocturna {

// Sums over a set's design rows (cos Zn, sin Zn, 1), Zn the true azimuth of each body: the
// entries of AᵀA. Adding or removing a body is one call, so a search can build sets step by step.
struct LopSums {
  int count = 0;
  double cosSum = 0, sinSum = 0;            // Σ cos Zn, Σ sin Zn
  double cosCos = 0, sinSin = 0, cosSin = 0;  // Σ cos² Zn, Σ sin² Zn, Σ cos Zn sin Zn

  // Zn in degrees from true north through east.
  void Add(double azimuthDegrees);
  LopSums Plus(const LopSums& other) const;
};

// The horizontal dilution of precision: sqrt of the trace of the position block of (AᵀA)⁻¹,
// the block that remains once the common error is solved for with the position. It is the
// radial position error per unit altitude error (nautical miles per minute of arc). Three bodies
// 120° apart give 2/sqrt(3) ≈ 1.155, the least any three can give; a set whose lines do not fix
// a position (fewer than three bodies, or all on one line through the centre of the
// position block) gives +infinity.
double HorizontalDop(const LopSums& sums);

}  // namespace nocturna
