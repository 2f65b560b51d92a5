#include "sights/sight_body.h"

#include <cmath>

#include "ephemeris/precise/disc_constants.h"
#include "foundations/angles.h"
#include "navigation/position_update.h"

namespace nocturna {
namespace {

// The Earth's equatorial radius seen from one astronomical unit: 8.794", in minutes of arc.
constexpr double kParallaxAtOneAuMinutes = 8.794 / 60.0;

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
        catalog.sunPlanetRecords[bodyIndex - kVenusIndex + kVenusRecord].geocentricDistanceAu;
    if (distance > 0.0) disc.horizontalParallaxMinutes = kParallaxAtOneAuMinutes / distance;
  }
  return disc;
}

double GeocentricDistanceKm(const BodyCatalog& catalog, int bodyIndex) {
  if (bodyIndex == kMoonIndex) return catalog.moonRecord.geocentricDistanceAu * kAstronomicalUnitKm;
  if (bodyIndex == kSunIndex)
    return catalog.sunPlanetRecords[kSunRecord].geocentricDistanceAu * kAstronomicalUnitKm;
  if (bodyIndex >= kVenusIndex && bodyIndex <= kSaturnIndex)
    return catalog.sunPlanetRecords[bodyIndex - kVenusIndex + kVenusRecord].geocentricDistanceAu *
           kAstronomicalUnitKm;
  return 0.0;
}

}  // namespace nocturna
