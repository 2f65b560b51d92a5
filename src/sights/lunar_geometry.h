#pragma once
// Directions in the observer's horizon frame (east, north, up along the WGS84 normal) and the
// parallax between the observer's place on the ellipsoid and the Earth's centre.
namespace nocturna {

// Altitude above the horizon plane and azimuth from true north through east, degrees.
struct HorizonPlace {
  double altitudeDegrees = 0.0;
  double azimuthDegrees = 0.0;
};

// The vector from the Earth's centre to the observer, kilometres, in the observer's own
// east-north-up frame (east is always 0; the north part is the small tilt between the
// geodetic and geocentric verticals).
struct ObserverOffset {
  double northKm = 0.0;
  double upKm = 0.0;
};

// The observer at a geodetic latitude (degrees) and height above the ellipsoid (metres).
ObserverOffset ObserverOnWgs84(double geodeticLatitudeDegrees, double heightMetres);

// The place seen from the observer of a body whose geocentric direction is `geocentric` (its
// altitude and azimuth measured with the observer's axes) at `distanceKm` from the centre. A
// distance of 0 or less stands for a body so far away that it shows no parallax.
HorizonPlace TopocentricPlace(const HorizonPlace& geocentric, double distanceKm,
                              const ObserverOffset& observer);

// The inverse: the geocentric direction of a body seen at `topocentric` whose distance from
// the Earth's centre is `distanceKm` (0 or less: no parallax).
HorizonPlace GeocentricPlace(const HorizonPlace& topocentric, double distanceKm,
                             const ObserverOffset& observer);

// The body's distance from the observer, kilometres, seen at `topocentric` at `distanceKm`
// from the Earth's centre.
double TopocentricDistanceKm(const HorizonPlace& topocentric, double distanceKm,
                             const ObserverOffset& observer);

// The great-circle angle between two places, degrees.
double AngleBetween(const HorizonPlace& a, const HorizonPlace& b);

// The distance from the Earth's centre, kilometres, of a body with this equatorial horizontal
// parallax (minutes of arc); 0 (no parallax) for a parallax of 0 or less.
double DistanceFromParallaxKm(double horizontalParallaxMinutes);

}  // namespace nocturna
