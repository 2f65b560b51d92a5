#include "ephemeris/precise/precise_stars.h"

#include <cmath>

#include "ephemeris/precise/star_catalog_table.h"

namespace nocturna {
namespace {

static_assert(std::size(kPreciseStarTable) == kPreciseStarCount);

constexpr double kRadiansPerMilliarcsec = ERFA_DAS2R / 1000.0;

}  // namespace

ApparentPlace ApparentStarOf(const ApparentFrame& frame, const StarCatalogRow& star) {
  eraASTROM& astrom = const_cast<eraASTROM&>(frame.astrom);
  const double declination = star.declination * ERFA_DD2R;
  // ERFA takes the proper motion in right ascension as d(alpha)/dt, without cos(delta).
  const double properMotionRa = star.properMotionRa * kRadiansPerMilliarcsec / std::cos(declination);
  double intermediateRa = 0.0;
  double apparentDeclination = 0.0;
  eraAtciq(star.rightAscension * ERFA_DD2R, declination, properMotionRa,
           star.properMotionDec * kRadiansPerMilliarcsec, star.parallax / 1000.0, star.radialVelocity,
           &astrom, &intermediateRa, &apparentDeclination);
  ApparentPlace place;
  place.rightAscension = eraAnp(intermediateRa - frame.equationOfOrigins) * ERFA_DR2D;
  place.declination = apparentDeclination * ERFA_DR2D;
  place.gha = eraAnp(frame.earthRotationAngle - intermediateRa) * ERFA_DR2D;
  return place;
}

void ApparentStarsOf(const ApparentFrame& frame, ApparentPlace (&places)[kPreciseStarCount]) {
  for (int k = 0; k < kPreciseStarCount; ++k) places[k] = ApparentStarOf(frame, kPreciseStarTable[k]);
}

}  // namespace nocturna
