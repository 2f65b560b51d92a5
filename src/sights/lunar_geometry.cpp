#include "sights/lunar_geometry.h"

#include <algorithm>
#include <cmath>

#include "foundations/angles.h"

namespace nocturna {
namespace {

constexpr double kWgs84EquatorialRadiusKm = 6378.137;
constexpr double kWgs84Flattening = 1.0 / 298.257223563;

struct Vector {
  double east = 0.0;
  double north = 0.0;
  double up = 0.0;
};

Vector UnitVector(const HorizonPlace& place) {
  const double alt = DegToRad(place.altitudeDegrees);
  const double az = DegToRad(place.azimuthDegrees);
  return {std::cos(alt) * std::sin(az), std::cos(alt) * std::cos(az), std::sin(alt)};
}

HorizonPlace PlaceOf(const Vector& v) {
  const double horizontal = std::hypot(v.east, v.north);
  HorizonPlace place;
  place.altitudeDegrees = RadToDeg(std::atan2(v.up, horizontal));
  place.azimuthDegrees = WrapPositive(RadToDeg(std::atan2(v.east, v.north)), 360.0);
  return place;
}

double Dot(const Vector& a, const Vector& b) { return a.east * b.east + a.north * b.north + a.up * b.up; }

Vector ObserverVector(const ObserverOffset& observer) { return {0.0, observer.northKm, observer.upKm}; }

}  // namespace

ObserverOffset ObserverOnWgs84(double geodeticLatitudeDegrees, double heightMetres) {
  const double phi = DegToRad(geodeticLatitudeDegrees);
  const double e2 = kWgs84Flattening * (2.0 - kWgs84Flattening);
  const double n = kWgs84EquatorialRadiusKm / std::sqrt(1.0 - e2 * std::sin(phi) * std::sin(phi));
  const double h = heightMetres / 1000.0;
  // Earth-fixed coordinates in the observer's meridian plane, then rotated into its horizon.
  const double equatorial = (n + h) * std::cos(phi);
  const double polar = (n * (1.0 - e2) + h) * std::sin(phi);
  return {-equatorial * std::sin(phi) + polar * std::cos(phi),
          equatorial * std::cos(phi) + polar * std::sin(phi)};
}

HorizonPlace TopocentricPlace(const HorizonPlace& geocentric, double distanceKm,
                              const ObserverOffset& observer) {
  if (distanceKm <= 0.0) return geocentric;
  const Vector g = UnitVector(geocentric);
  const Vector o = ObserverVector(observer);
  return PlaceOf({distanceKm * g.east - o.east, distanceKm * g.north - o.north,
                  distanceKm * g.up - o.up});
}

double TopocentricDistanceKm(const HorizonPlace& topocentric, double distanceKm,
                             const ObserverOffset& observer) {
  const Vector u = UnitVector(topocentric);
  const Vector o = ObserverVector(observer);
  // |o + d u| = distance, the root in front of the observer.
  const double b = Dot(o, u);
  const double c = Dot(o, o) - distanceKm * distanceKm;
  return -b + std::sqrt(std::max(0.0, b * b - c));
}

HorizonPlace GeocentricPlace(const HorizonPlace& topocentric, double distanceKm,
                             const ObserverOffset& observer) {
  if (distanceKm <= 0.0) return topocentric;
  const Vector u = UnitVector(topocentric);
  const Vector o = ObserverVector(observer);
  const double d = TopocentricDistanceKm(topocentric, distanceKm, observer);
  return PlaceOf({o.east + d * u.east, o.north + d * u.north, o.up + d * u.up});
}

double AngleBetween(const HorizonPlace& a, const HorizonPlace& b) {
  const Vector u = UnitVector(a);
  const Vector v = UnitVector(b);
  const Vector cross{u.north * v.up - u.up * v.north, u.up * v.east - u.east * v.up,
                     u.east * v.north - u.north * v.east};
  // atan2 of |u x v| and u.v keeps small and near-180-degree angles exact.
  return RadToDeg(std::atan2(std::sqrt(Dot(cross, cross)), Dot(u, v)));
}

double DistanceFromParallaxKm(double horizontalParallaxMinutes) {
  if (horizontalParallaxMinutes <= 0.0) return 0.0;
  return kWgs84EquatorialRadiusKm / std::sin(DegToRad(horizontalParallaxMinutes / 60.0));
}

}  // namespace nocturna
