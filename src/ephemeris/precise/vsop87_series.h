#pragma once
// The shape of a VSOP87 series table: for each coordinate, series of powers 0..5 of tau.
namespace nocturna {

// One term A cos(B + C tau): A in the coordinate's unit (radians or au), B radians, C radians
// per Julian millennium.
struct VsopTerm {
  double amplitude;
  double phase;
  double frequency;
};

struct VsopSeries {
  const VsopTerm* terms;
  int count;
};

// Coordinate = sum over n of tau^n (series n).
struct VsopCoordinate {
  VsopSeries powers[6];
};

// Heliocentric ecliptic longitude and latitude (radians) and radius (au), J2000 ecliptic
// and equinox.
struct VsopBody {
  VsopCoordinate longitude;
  VsopCoordinate latitude;
  VsopCoordinate radius;
};

}  // namespace nocturna
