#include "sights/sight_body.h"

#include <cmath>

#include "foundations/angles.h"
#include "navigation/position_update.h"

namespace nocturna {
namespace {

// The Earth's equatorial radius seen from one astronomical unit: 8.794", in minutes of arc.
constexpr double kParallaxAtOneAuMinutes = 8.794 / 60.0;

// The planet's distance from the Earth in astronomical units from its elements in the record
// (radius vector from the eccentric anomaly, heliocentric longitude from the true anomaly),
// or 0 when the record holds no elements.
double PlanetEarthDistance(const SunPlanetRecords& records, int record) {
  const BodyEphemeris& planet = records[record];
  const BodyEphemeris& sun = records[kSunRecord];
  if (planet.semiMajorAxis <= 0.0 || sun.radiusVector <= 0.0) return 0.0;
  const double r = planet.semiMajorAxis * (1.0 - planet.eccentricity * std::cos(planet.eccentricAnomaly));
  const double longitude = planet.trueAnomaly + DegToRad(planet.perihelionLongitude);
  const double earthLongitude = sun.trueLongitude + kPi;
  const double R = sun.radiusVector;
  return std::sqrt(R * R + r * r - 2.0 * R * r * std::cos(longitude - earthLongitude));
}

}  // namespace

bool BodyHasLimbs(int bodyIndex) { return bodyIndex == kSunIndex || bodyIndex == kMoonIndex; }

BodyDisc DiscOf(const BodyCatalog& catalog, int bodyIndex, Limb limb) {
  BodyDisc disc;
  disc.limb = BodyHasLimbs(bodyIndex) ? limb : Limb::centre;
  if (bodyIndex == kSunIndex) {
    const double distance = catalog.sunPlanetRecords[kSunRecord].radiusVector;
    disc.semiDiameterMinutes = SunSemiDiameterMinutes(distance);
    disc.horizontalParallaxMinutes = kParallaxAtOneAuMinutes / distance;
  } else if (bodyIndex == kMoonIndex) {
    disc.semiDiameterMinutes = 60.0 * catalog.moonRecord.semiDiameter;
    disc.horizontalParallaxMinutes = 60.0 * catalog.moonRecord.horizontalParallax;
    disc.augmentSemiDiameter = true;
  } else if (bodyIndex >= kVenusIndex && bodyIndex <= kSaturnIndex) {
    const double distance =
        PlanetEarthDistance(catalog.sunPlanetRecords, bodyIndex - kVenusIndex + kVenusRecord);
    if (distance > 0.0) disc.horizontalParallaxMinutes = kParallaxAtOneAuMinutes / distance;
  }
  return disc;
}

}  // namespace nocturna
