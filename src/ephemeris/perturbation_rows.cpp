#include "ephemeris/perturbation_rows.h"

#include <cmath>

#include "foundations/angles.h"

namespace nocturna {

double SumAnomalyRows(std::span<const AnomalyCosineRow> rows, const MeanAnomalies& anomalies) {
  double sum = 0.0;
  for (const AnomalyCosineRow& row : rows) {
    const double argument = row.ms * anomalies.sun + row.mv * anomalies.venus +
                            row.mm * anomalies.mars + row.mj * anomalies.jupiter + row.phase;
    sum += row.coefficient * std::cos(argument);
  }
  return sum;
}

double SumSeriesRows(std::span<const SeriesRow> rows, const FactorValues& factors, double nu) {
  double sum = 0.0;
  for (const SeriesRow& row : rows) {
    const double coefficient = row.c0 + nu * (row.c1 + nu * row.c2);
    sum += coefficient * factors[static_cast<int>(row.first)] *
           factors[static_cast<int>(row.second)];
  }
  return sum;
}

namespace {

void SetSinCos(FactorValues& values, Factor sine, Factor cosine, double angle) {
  values[static_cast<int>(sine)] = std::sin(angle);
  values[static_cast<int>(cosine)] = std::cos(angle);
}

}  // namespace

FactorValues OuterPlanetFactors(double centuries, bool withSaturnFactors) {
  const double p = WrapTwoPi(52.9691 * centuries + 4.14473);
  const double q = WrapTwoPi(21.32991 * centuries + 4.641118);
  const double s = WrapTwoPi(7.478172 * centuries + 4.250177);
  const double v = 5.0 * q - 2.0 * p;
  const double w = 2.0 * p - 6.0 * q + 3.0 * s;
  const double zeta = q - p;

  FactorValues values{};
  values[static_cast<int>(Factor::kOne)] = 1.0;
  SetSinCos(values, Factor::kSinV, Factor::kCosV, v);
  values[static_cast<int>(Factor::kSin2V)] = std::sin(2.0 * v);
  values[static_cast<int>(Factor::kSinW)] = std::sin(w);
  SetSinCos(values, Factor::kSinZeta, Factor::kCosZeta, zeta);
  SetSinCos(values, Factor::kSin2Zeta, Factor::kCos2Zeta, 2.0 * zeta);
  SetSinCos(values, Factor::kSin3Zeta, Factor::kCos3Zeta, 3.0 * zeta);
  SetSinCos(values, Factor::kSin4Zeta, Factor::kCos4Zeta, 4.0 * zeta);
  SetSinCos(values, Factor::kSin5Zeta, Factor::kCos5Zeta, 5.0 * zeta);
  SetSinCos(values, Factor::kSinQ, Factor::kCosQ, q);
  SetSinCos(values, Factor::kSin2Q, Factor::kCos2Q, 2.0 * q);
  if (withSaturnFactors) {
    values[static_cast<int>(Factor::kCos2V)] = std::cos(2.0 * v);
    SetSinCos(values, Factor::kSin3Q, Factor::kCos3Q, 3.0 * q);
    SetSinCos(values, Factor::kSin4Q, Factor::kCos4Q, 4.0 * q);
    const double psi = s - q;
    SetSinCos(values, Factor::kSin2Psi, Factor::kCos2Psi, 2.0 * psi);
    SetSinCos(values, Factor::kSin3Psi, Factor::kCos3Psi, 3.0 * psi);
  }
  return values;
}

}  // namespace nocturna
