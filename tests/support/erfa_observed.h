#pragma once
// A star's geometric altitude and azimuth at a place and UTC moment by ERFA's own chain from
// its J2000 catalogue place (eraAtco13: proper motion, parallax, light deflection, aberration,
// precession-nutation, Earth rotation; no refraction, DUT1 and polar motion 0): an independent
// reference for the sight tools' tests.
#include <erfa.h>
#include <erfam.h>

#include <cmath>

#include "ephemeris/precise/star_catalog_row.h"
#include "foundations/date_time.h"
#include "foundations/dr_position.h"
#include "sights/sight_line.h"

namespace nocturna::reference {

// Degrees: altitude above the celestial horizon, azimuth from north through east.
inline AltitudeAzimuth ErfaObservedStar(const StarCatalogRow& star, DateTime utc, const DrPosition& at) {
  constexpr double kJulianDayOf1899Dec30 = 2415018.5;
  const double dec = star.declination * ERFA_DD2R, mas = ERFA_DAS2R / 1000.0;
  double aob, zob, hob, dob, rob, eo;
  eraAtco13(star.rightAscension * ERFA_DD2R, dec, star.properMotionRa * mas / std::cos(dec),
            star.properMotionDec * mas, star.parallax / 1000.0, star.radialVelocity, kJulianDayOf1899Dec30, utc,
            0.0, -at.longitude * ERFA_DD2R, at.latitude * ERFA_DD2R, 0.0, 0.0, 0.0, 0.0, 10.0, 0.5, 0.55, &aob,
            &zob, &hob, &dob, &rob, &eo);
  return {90.0 - zob * ERFA_DR2D, aob * ERFA_DR2D};
}

}  // namespace nocturna::reference
