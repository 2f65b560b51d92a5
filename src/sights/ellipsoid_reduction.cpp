#include "sights/ellipsoid_reduction.h"

#include <erfa.h>
#include <erfam.h>

#include <array>
#include <cmath>

#include "foundations/angles.h"

namespace nocturna {
namespace {

using Vector = std::array<double, 3>;

double Dot(const Vector& a, const Vector& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

// The observer's place from the Earth's centre, kilometres, Earth-fixed (x to Greenwich).
Vector ObserverKm(const DrPosition& position) {
  double xyz[3] = {0.0, 0.0, 0.0};
  eraGd2gc(ERFA_WGS84, DegToRad(-position.longitude), DegToRad(position.latitude), 0.0, xyz);
  return {xyz[0] / 1000.0, xyz[1] / 1000.0, xyz[2] / 1000.0};
}

// The ellipsoid's normal at the position: the direction of the observer's zenith.
Vector Zenith(const DrPosition& position) {
  const double lat = DegToRad(position.latitude), east = DegToRad(-position.longitude);
  return {std::cos(lat) * std::cos(east), std::cos(lat) * std::sin(east), std::sin(lat)};
}

// The body's direction from the Earth's centre, Earth-fixed: its GHA is measured westward.
Vector Direction(const GeocentricPlace& place) {
  const double dec = DegToRad(place.declinationDegrees), gha = DegToRad(place.ghaDegrees);
  return {std::cos(dec) * std::cos(gha), -std::cos(dec) * std::sin(gha), std::sin(dec)};
}

struct Geometry {
  double geocentricAltitude;   // radians, of the geocentric direction above the horizon
  double topocentricAltitude;  // radians
  double nearness;             // geocentric distance over topocentric
  double radiusOverDistance;   // the observer's distance from the centre over the body's
};

Geometry GeometryAt(const GeocentricPlace& place, const DrPosition& position) {
  const Vector zenith = Zenith(position);
  const Vector u = Direction(place);
  Geometry g{std::asin(Dot(zenith, u)), 0.0, 1.0, 0.0};
  if (place.distanceKm <= 0.0) {
    g.topocentricAltitude = g.geocentricAltitude;
    return g;
  }
  const Vector observer = ObserverKm(position);
  Vector seen;
  for (int i = 0; i < 3; ++i) seen[i] = place.distanceKm * u[i] - observer[i];
  const double length = std::sqrt(Dot(seen, seen));
  g.topocentricAltitude = std::asin(Dot(zenith, seen) / length);
  g.nearness = place.distanceKm / length;
  g.radiusOverDistance = std::sqrt(Dot(observer, observer)) / place.distanceKm;
  return g;
}

}  // namespace

TopocentricView TopocentricViewOf(const GeocentricPlace& place, const DrPosition& position) {
  const Geometry g = GeometryAt(place, position);
  return {RadToDeg(g.topocentricAltitude), g.nearness};
}

AltitudeCorrections CorrectOnTheEllipsoid(double hsDegrees, const SightConditions& conditions,
                                          Limb limb, const GeocentricPlace& place,
                                          const DrPosition& dr) {
  const Geometry g = GeometryAt(place, dr);
  BodyDisc seen;
  seen.limb = limb;
  seen.semiDiameterMinutes = place.semiDiameterMinutes * g.nearness;
  AltitudeCorrections c = CorrectSextantAltitude(hsDegrees, conditions, seen);
  if (c.caution == AltitudeCaution::belowHorizon || place.distanceKm <= 0.0) return c;
  // The parallax on a sphere of the observer's own radius, at the altitude observed, plus what
  // the figure adds at the DR (it changes little over the miles between the DR and the ship).
  const double topocentric = DegToRad(c.observedAltitudeDegrees);
  const double onSphereAtDr = std::asin(g.radiusOverDistance * std::cos(g.topocentricAltitude));
  const double figure = (g.geocentricAltitude - g.topocentricAltitude) - onSphereAtDr;
  const double parallax = std::asin(g.radiusOverDistance * std::cos(topocentric)) + figure;
  c.parallaxMinutes = 60.0 * RadToDeg(parallax);
  c.observedAltitudeDegrees += RadToDeg(parallax);
  return c;
}

}  // namespace nocturna
