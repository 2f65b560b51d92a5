#pragma once
// Evaluates a truncated VSOP87B body: heliocentric place and motion in ICRS axes.
#include "ephemeris/precise/vsop87_series.h"

namespace nocturna {

// Position (au) and velocity (au per day), heliocentric, ICRS (BCRS) axes.
struct HeliocentricState {
  double position[3];
  double velocity[3];
};

// The body at TT Julian date ttJd1 + ttJd2 (TT for TDB, 1.7 ms apart): the series' J2000
// ecliptic place turned to ICRS axes.
HeliocentricState EvaluateVsop(const VsopBody& body, double ttJd1, double ttJd2);

}  // namespace nocturna
