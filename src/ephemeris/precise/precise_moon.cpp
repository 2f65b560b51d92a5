#include "ephemeris/precise/precise_moon.h"

#include <cmath>

#include "ephemeris/precise/disc_constants.h"
#include "ephemeris/precise/elp_evaluation.h"

namespace nocturna {
namespace {

constexpr double kSecondsPerDay = 86400.0;
constexpr double kLightKmPerSecond = 299792.458;

}  // namespace

ApparentMoon ApparentMoonOf(const ApparentFrame& frame, const PreciseInstant& instant) {
  // The Moon where it was one light time (about 1.3 s) ago; the Earth's own motion over that
  // time and the annual aberration cancel to first order, so no aberration is applied.
  const double lightTimeDays =
      ElpLeadingDistanceKm(instant.ttJd1, instant.ttJd2) / kLightKmPerSecond / kSecondsPerDay;
  const GeocentricMoon geometric = EvaluateElp(instant.ttJd1, instant.ttJd2 - lightTimeDays);
  ApparentMoon moon;
  moon.distanceKm = geometric.distanceKm;
  moon.place = GeometricPlaceOf(frame, geometric.position);
  moon.horizontalParallax = std::asin(kEarthEquatorialRadiusKm / moon.distanceKm) * ERFA_DR2D;
  moon.semiDiameter =
      std::asin(kMoonRadiusInEarthRadii * kEarthEquatorialRadiusKm / moon.distanceKm) *
      ERFA_DR2D;
  return moon;
}

}  // namespace nocturna
