#pragma once
// Brings the whole body catalog to one UT moment.
#include "ephemeris/astro_moment.h"
#include "navigation/body_catalog.h"

namespace nocturna {

// The Sun's semi-diameter in minutes of arc at radiusVector astronomical units.
double SunSemiDiameterMinutes(double radiusVector);

// Computes the Sun, the planets and the Moon for the UT date and whole-second UT time into the
// catalog's ephemeris records and rewrites entries 59..64 (positions 58..63): name, display
// code, magnitude, SHA and declination (degrees, true equinox of date). The Sun's and the
// Moon's magnitude is 6 minus their semi-diameter in minutes of arc.
void ComputeSolarSystemBodies(BodyCatalog& catalog, const CalendarDate& utDate,
                              const ClockTime& utTime);

// ComputeSolarSystemBodies, then the stars and the GHA (degrees [0, 360)) of all 64 entries.
// Returns GHA Aries in degrees. Allocates nothing.
double ComputePositions(BodyCatalog& catalog, const CalendarDate& utDate,
                        const ClockTime& utTime);

}  // namespace nocturna
