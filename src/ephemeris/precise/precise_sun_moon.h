#pragma once
// The Sun's and the Moon's apparent places for one moment: the fast path the event searches
// call many times a day.
#include "ephemeris/precise/precise_instant.h"

namespace nocturna {

// Geocentric apparent place, true equator and equinox of date, all degrees.
struct PreciseBodyPlace {
  double gha = 0.0;                 // Greenwich hour angle [0, 360), from the apparent sidereal time
  double declination = 0.0;         // north positive
  double horizontalParallax = 0.0;  // equatorial horizontal parallax
  double semiDiameter = 0.0;        // geocentric semi-diameter
};

// The Sun at the instant (UT1 for the hour angle, TT for the place).
PreciseBodyPlace PreciseSunPlace(const PreciseInstant& instant);

// The Moon at the instant (UT1 for the hour angle, TT for the place).
PreciseBodyPlace PreciseMoonPlace(const PreciseInstant& instant);

}  // namespace nocturna
