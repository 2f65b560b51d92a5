#include "ephemeris/precise/precise_moon.h"

#include <cmath>

#include "ephemeris/precise/disc_constants.h"

namespace nocturna {

ApparentMoon ApparentMoonOf(const ApparentFrame& frame, const PreciseInstant& instant) {
  // First version: ERFA's eraMoon98 (about 0.2' off); the ELP/MPP02 series replace it.
  double pv[2][3];
  eraMoon98(instant.ttJd1, instant.ttJd2, pv);
  ApparentMoon moon;
  moon.distanceKm = eraPm(pv[0]) * kAstronomicalUnitKm;
  moon.place = GeometricPlaceOf(frame, pv[0]);
  moon.horizontalParallax = std::asin(kEarthEquatorialRadiusKm / moon.distanceKm) * ERFA_DR2D;
  moon.semiDiameter =
      std::asin(kMoonRadiusInEarthRadii * kEarthEquatorialRadiusKm / moon.distanceKm) *
      ERFA_DR2D;
  return moon;
}

}  // namespace nocturna
