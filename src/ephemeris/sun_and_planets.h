#pragma once
// The Sun and the four navigational planets for one moment.
#include "ephemeris/astro_moment.h"
#include "ephemeris/body_ephemeris.h"

namespace nocturna {

// Fills all five records for the UT moment (no Delta-T): the planets' mean elements, the Sun
// (record 0), then Venus, Mars, Jupiter and Saturn (records 1..4) with their apparent places
// (declination, rightAscension, sha in degrees, true equinox of date), names and visual
// magnitudes. Always returns 1.
int ComputeSunAndPlanets(const AstroMoment& moment, SunPlanetRecords& records);

}  // namespace nocturna
