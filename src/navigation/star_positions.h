#pragma once
// Places the 57 navigational stars for a UT moment and gives every catalog entry its GHA.
#include "ephemeris/astro_moment.h"
#include "navigation/body_catalog.h"

namespace nocturna {

// Star model for the UT date and whole-second UT time (years 1901..2099): writes SHA
// (degrees [0, 360), westward from the equinox of date) and declination (degrees, north
// positive) of the stars, entries 1..57. Returns the model's day angle v in degrees,
// 0.9856474 x days since 1995 December 31.0 UT, not reduced.
double PlaceStars(BodyCatalog& catalog, const CalendarDate& utDate, const ClockTime& utTime);

// GHA Aries for the UT moment, then PlaceStars, then gha[k] = SHA of entry k + GHA Aries
// (degrees [0, 360)) for all 64 entries; the Sun, Moon and planet SHA must be current.
// Returns GHA Aries in degrees, also stored in gha[0].
double ComputeStarPositions(BodyCatalog& catalog, const CalendarDate& utDate,
                            const ClockTime& utTime);

}  // namespace nocturna
