#pragma once
// Hs to Ho for an observer on the WGS84 ellipsoid, as the precise ephemeris reduces: the body's
// place seen from the observer's true position (geodetic latitude, the Earth's figure) rather
// than from the almanac's sphere. The semi-diameter is the one seen from the observer, and the
// parallax in altitude is taken from the body's true distance, at the observed altitude, with
// the figure's small remainder (the almanac's "OB" correction) taken at the DR.
#include "foundations/dr_position.h"
#include "sights/sight_corrections.h"

namespace nocturna {

// The body's geocentric place at the sight's moment: apparent GHA and declination (degrees),
// distance from the Earth's centre (kilometres; 0 for a star) and geocentric semi-diameter.
struct GeocentricPlace {
  double ghaDegrees = 0.0;
  double declinationDegrees = 0.0;
  double distanceKm = 0.0;
  double semiDiameterMinutes = 0.0;
};

// The topocentric altitude of the place's centre above the horizon of `position` (geodetic,
// degrees, north and WEST positive, on the ellipsoid), degrees, and the factor by which its
// semi-diameter grows there (geocentric distance over topocentric).
struct TopocentricView {
  double altitudeDegrees = 0.0;
  double nearnessFactor = 1.0;
};
TopocentricView TopocentricViewOf(const GeocentricPlace& place, const DrPosition& position);

// Ho from Hs: Ho is the altitude the geocentric direction has above the observer's horizon
// (the altitude the spherical formula computes with the geodetic latitude), so that Ho - Hc is
// the intercept. `dr` is the position the sight is reduced at.
AltitudeCorrections CorrectOnTheEllipsoid(double hsDegrees, const SightConditions& conditions,
                                          Limb limb, const GeocentricPlace& place,
                                          const DrPosition& dr);

}  // namespace nocturna
