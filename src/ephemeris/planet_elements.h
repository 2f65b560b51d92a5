#pragma once
// Mean orbital elements of the four navigational planets for a moment.
#include "ephemeris/astro_moment.h"
#include "ephemeris/body_ephemeris.h"

namespace nocturna {

// Fills records 1 to 4 (Venus, Mars, Jupiter, Saturn) for the UT moment: meanLongitude (degrees,
// not reduced), dailyMotion (degrees per day), perihelionLongitude, inclination, nodeLongitude
// (degrees, mean equinox of date), meanEccentricity, semiMajorAxis (AU), diameterAt1Au (arc
// seconds), and magnitude = the magnitude constant V0. Record 0 (the Sun) is untouched.
void PlanetElements(const AstroMoment& moment, SunPlanetRecords& records);

}  // namespace nocturna
