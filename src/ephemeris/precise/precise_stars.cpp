#include "ephemeris/precise/precise_stars.h"

#include <cmath>

#include "ephemeris/precise/star_catalog_table.h"

namespace nocturna {
namespace {

static_assert(std::size(kPreciseStarTable) == kPreciseStarCount);

constexpr double kRadiansPerMilliarcsec = ERFA_DAS2R / 1000.0;

}  // namespace

void ApparentStarsOf(const ApparentFrame& frame, ApparentPlace (&places)[kPreciseStarCount]) {
  eraASTROM& astrom = const_cast<eraASTROM&>(frame.astrom);
  for (int k = 0; k < kPreciseStarCount; ++k) {
    const StarCatalogRow& star = kPreciseStarTable[k];
    const double declination = star.declination * ERFA_DD2R;
    // ERFA takes the proper motion in right ascension as d(alpha)/dt, without cos(delta).
    const double properMotionRa =
        star.properMotionRa * kRadiansPerMilliarcsec / std::cos(declination);
    double intermediateRa = 0.0;
    double apparentDeclination = 0.0;
    eraAtciq(star.rightAscension * ERFA_DD2R, declination, properMotionRa,
             star.properMotionDec * kRadiansPerMilliarcsec, star.parallax / 1000.0,
             star.radialVelocity, &astrom, &intermediateRa, &apparentDeclination);
    places[k].rightAscension =
        eraAnp(intermediateRa - frame.equationOfOrigins) * ERFA_DR2D;
    places[k].declination = apparentDeclination * ERFA_DR2D;
    places[k].gha = eraAnp(frame.earthRotationAngle - intermediateRa) * ERFA_DR2D;
  }
}

}  // namespace nocturna
