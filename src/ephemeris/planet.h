#pragma once
// The apparent place and magnitude of a navigational planet.
#include "ephemeris/astro_moment.h"
#include "ephemeris/body_ephemeris.h"

namespace nocturna {

// Apparent (declination, right ascension) in radians, true equinox of date, of planet index
// (1 Venus, 2 Mars, 3 Jupiter, 4 Saturn) at a UT moment (no Delta-T), corrected for light-time,
// nutation and annual aberration. Needs the Sun record (0) filled by SunPosition and the four
// planet records by PlanetElements for the same moment; record index's magnitude must still
// hold the magnitude constant V0. Writes into record index: eccentricity, meanAnomaly,
// eccentricAnomaly, trueAnomaly (radians), rightAscension, sha, declination (degrees), the
// visual magnitude and the name. An index outside 1..4 changes nothing and gives (0, 0).
EquatorialPlace ComputePlanet(SunPlanetRecords& records, int index, const AstroMoment& moment);

}  // namespace nocturna
