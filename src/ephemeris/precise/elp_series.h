#pragma once
// The shape of the ELP/MPP02 series table: for each coordinate, series of powers 0..3 of T.
namespace nocturna {

// One term A sin(p0 + p1 T + p2 T^2 + p3 T^3 + p4 T^4): A in arc seconds (longitude,
// latitude) or kilometres (distance), p in radians, T in Julian centuries from J2000.
struct ElpTerm {
  double amplitude;
  double phase[5];
};

struct ElpSeries {
  const ElpTerm* terms;
  int count;
};

// Coordinate = sum over n of T^n (series n).
struct ElpCoordinate {
  ElpSeries powers[4];
};

struct ElpMoon {
  ElpCoordinate longitude;  // arc seconds, added to the mean longitude W1
  ElpCoordinate latitude;   // arc seconds
  ElpCoordinate distance;   // kilometres
};

}  // namespace nocturna
