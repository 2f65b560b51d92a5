#pragma once
// Row forms of the planets' perturbation tables and the sums over them.
#include <array>
#include <cstdint>
#include <span>

namespace nocturna {

// Mean anomalies of the Sun (the Earth's orbit seen from the Sun) and of the planets that
// perturb one another, radians.
struct MeanAnomalies {
  double sun = 0.0;
  double venus = 0.0;
  double mars = 0.0;
  double jupiter = 0.0;
};

// One inner-planet row: coefficient x cos(ms Ms + mv Mv + mm Mm + mj Mj + phase), phase in
// radians, the coefficient in the unit of the quantity the row feeds.
// The multiples are whole numbers held as doubles, so the sum needs no conversions.
struct AnomalyCosineRow {
  double coefficient;
  double ms;
  double mv;
  double mm;
  double mj;
  double phase;
};

// The sines and cosines of the basic multiples of the Jupiter-Saturn arguments V, W, zeta,
// Q and psi that the outer-planet rows multiply; kOne stands for a row's missing factor.
enum class Factor : std::uint8_t {
  kOne,
  kSinV, kCosV, kSin2V, kCos2V,
  kSinW,
  kSinZeta, kSin2Zeta, kSin3Zeta, kSin4Zeta, kSin5Zeta,
  kCosZeta, kCos2Zeta, kCos3Zeta, kCos4Zeta, kCos5Zeta,
  kSinQ, kSin2Q, kSin3Q, kSin4Q,
  kCosQ, kCos2Q, kCos3Q, kCos4Q,
  kSin2Psi, kCos2Psi, kSin3Psi, kCos3Psi,
  kCount
};

using FactorValues = std::array<double, static_cast<int>(Factor::kCount)>;

// One outer-planet row: (c0 + c1 nu + c2 nu^2) x first x second.
struct SeriesRow {
  double c0;
  double c1;
  double c2;
  Factor first;
  Factor second;
};

// Sum of the rows' cosine terms for the given mean anomalies, in the rows' unit.
double SumAnomalyRows(std::span<const AnomalyCosineRow> rows, const MeanAnomalies& anomalies);

// Sum of the rows' products for the factor values and nu, in the rows' unit.
double SumSeriesRows(std::span<const SeriesRow> rows, const FactorValues& factors, double nu);

// The factor values at T Julian centuries from 1900 January 0.5 (UT). Only Saturn's rows use
// the third and fourth multiples of Q, 2V's cosine and psi; they are left zero unless asked for.
FactorValues OuterPlanetFactors(double centuries, bool withSaturnFactors);

}  // namespace nocturna
