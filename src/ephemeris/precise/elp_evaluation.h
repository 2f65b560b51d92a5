#pragma once
// Evaluates the truncated ELP/MPP02 lunar series.
namespace nocturna {

// The Moon's geometric geocentric position at TT Julian date ttJd1 + ttJd2 (TT for TDB),
// kilometres, ICRS axes (the series' J2000 ecliptic turned as the VSOP87 one).
struct GeocentricMoon {
  double position[3];
  double distanceKm;
};
GeocentricMoon EvaluateElp(double ttJd1, double ttJd2);

// The Moon's geocentric distance alone (kilometres) at the TT Julian date: the distance series.
double ElpDistanceKm(double ttJd1, double ttJd2);

}  // namespace nocturna
