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

// The Moon's geocentric distance (kilometres) at the TT Julian date from the twelve largest
// terms of the distance series alone: within a few hundred kilometres, enough for the light
// time (1 ms of it moves the Moon 0.0006").
double ElpLeadingDistanceKm(double ttJd1, double ttJd2);

}  // namespace nocturna
