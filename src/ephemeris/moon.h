#pragma once
// The Moon's apparent place for one moment: a closed-form lunar theory (mean elements from
// 1900 January 0.5 and three trigonometric series).
#include "ephemeris/astro_moment.h"
#include "ephemeris/body_ephemeris.h"

namespace nocturna {

// The Moon's and Sun's mean elements in degrees, before their small periodic corrections,
// for days1900 days since 1900 January 0.5 (UT). Each angle is its epoch value plus whole and
// fractional revolutions, so it stays within a few turns of the constant for any date.
struct MoonMeanElements {
  double meanLongitude;      // L'
  double sunMeanAnomaly;     // M
  double moonMeanAnomaly;    // M'
  double meanElongation;     // D
  double argumentOfLatitude; // F
  double ascendingNode;      // Omega
};
MoonMeanElements ComputeMoonMeanElements(double days1900);

// Fills the Moon record for the UT moment (no Delta-T): name, apparent declination (degrees),
// sha (degrees 0..360), geometric ecliptic latitude and longitude (radians, mean equinox of
// date), horizontal parallax (degrees), distance (km), semi-diameter (degrees) and illuminated
// fraction. The record's Sun fields are left holding the Sun of the same moment.
// Returns the apparent declination and right ascension in radians (true equator and equinox).
EquatorialPlace ComputeMoon(BodyEphemeris& moon, const AstroMoment& moment);

}  // namespace nocturna
