#pragma once
// Nutation and the true obliquity of the ecliptic (series referred to 1900 January 0.5).
#include "ephemeris/astro_moment.h"

namespace nocturna {

// Nutation in longitude (dPsi) and in obliquity (dEps), degrees, for a UT moment (no Delta-T).
// Stores both and returns dPsi.
double Nutation(const AstroMoment& moment, double& dPsi, double& dEps);

// Mean obliquity of the ecliptic (IAU 1976 polynomial in centuries from J2000) plus the
// nutation in obliquity: the true obliquity of date, degrees, for a UT moment.
double TrueObliquity(const AstroMoment& moment);

}  // namespace nocturna
