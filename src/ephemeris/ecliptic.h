#pragma once
// Ecliptic to equatorial coordinates with the true obliquity of date.
#include "ephemeris/astro_moment.h"
#include "ephemeris/body_ephemeris.h"

namespace nocturna {

// Ecliptic latitude beta and longitude lambda (radians, equinox of date) at a UT moment into
// (declination, right ascension) in radians, right ascension in 0..2pi. sign is -1 for this
// direction (every caller passes -1). Also writes body.rightAscension and body.sha in degrees,
// sha = 360 - rightAscension (a right ascension of 0 gives sha 360).
EquatorialPlace EclipticToEquatorial(BodyEphemeris& body, double beta, double lambda,
                                     const AstroMoment& moment, int sign);

}  // namespace nocturna
