#include "ephemeris/precise/precise_sun_moon.h"

#include <cmath>

#include "ephemeris/precise/apparent_frame.h"
#include "ephemeris/precise/disc_constants.h"
#include "ephemeris/precise/precise_moon.h"
#include "ephemeris/precise/precise_sun.h"

namespace nocturna {

PreciseBodyPlace PreciseSunPlace(const PreciseInstant& instant) {
  const ApparentSun sun = ApparentSunOf(MakeApparentFrame(instant));
  PreciseBodyPlace place;
  place.gha = sun.place.gha;
  place.declination = sun.place.declination;
  place.horizontalParallax =
      std::asin(kEarthEquatorialRadiusKm / (sun.distanceAu * kAstronomicalUnitKm)) * ERFA_DR2D;
  place.semiDiameter = kSunSemiDiameterAt1AuArcsec / sun.distanceAu / 3600.0;
  return place;
}

PreciseBodyPlace PreciseMoonPlace(const PreciseInstant& instant) {
  const ApparentMoon moon = ApparentMoonOf(MakeRotationFrame(instant), instant);
  PreciseBodyPlace place;
  place.gha = moon.place.gha;
  place.declination = moon.place.declination;
  place.horizontalParallax = moon.horizontalParallax;
  place.semiDiameter = moon.semiDiameter;
  return place;
}

}  // namespace nocturna
