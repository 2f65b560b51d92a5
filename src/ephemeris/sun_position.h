#pragma once
// The Sun's apparent place from mean elements of 1900 January 0.5 with periodic perturbations.
#include "ephemeris/astro_moment.h"
#include "ephemeris/body_ephemeris.h"

namespace nocturna {

// Apparent (declination, right ascension) of the Sun in radians, equinox of date, for a UT
// moment (no Delta-T). Also fills the Sun fields of the record: declination, rightAscension and
// sha (degrees), trueLongitude (geometric, radians 0..2pi), radiusVector (AU), meanAnomaly,
// eccentricAnomaly, trueAnomaly (radians) and eccentricity, which the planetary theory reuses.
EquatorialPlace SunPosition(BodyEphemeris& sun, const AstroMoment& moment);

}  // namespace nocturna
