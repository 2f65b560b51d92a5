// Latitude by Polaris against ERFA's own chain from the star's catalogue place to the
// observed altitude and azimuth (eraAtco13, no refraction): the rigorous latitude to 0.1',
// the almanac's a0 + a1 + a2 form as near as the printed tables come, the azimuth to 0.1 deg.
#include <erfa.h>
#include <gtest/gtest.h>

#include <cmath>

#include "ephemeris/precise/polaris_catalog.h"
#include "foundations/angles.h"
#include "sights/polaris_sight.h"

namespace nocturna {
namespace {

constexpr double kJulianDayOf1899Dec30 = 2415018.5;

struct ErfaSeen {
  double altitude;  // degrees, geometric (no refraction)
  double azimuth;   // degrees from north through east
};

ErfaSeen ErfaPolaris(DateTime utc, const DrPosition& at) {
  const StarCatalogRow& star = kPolarisCatalogRow;
  const double dec = star.declination * ERFA_DD2R;
  const double masToRad = ERFA_DAS2R / 1000.0;
  double aob, zob, hob, dob, rob, eo;
  eraAtco13(star.rightAscension * ERFA_DD2R, dec, star.properMotionRa * masToRad / std::cos(dec),
            star.properMotionDec * masToRad, star.parallax / 1000.0, star.radialVelocity,
            kJulianDayOf1899Dec30, utc, 0.0, -at.longitude * ERFA_DD2R, at.latitude * ERFA_DD2R, 0.0,
            0.0, 0.0, 0.0, 10.0, 0.5, 0.55, &aob, &zob, &hob, &dob, &rob, &eo);
  return {90.0 - zob * ERFA_DR2D, aob * ERFA_DR2D};
}

struct PolarisCase {
  int year, month, day, hour, minute;
  DrPosition truth;
};

TEST(PolarisSight, LatitudeAndAzimuthAgreeWithErfa) {
  const EphemerisChoice precise{EphemerisKind::precise, 0.0};
  const PolarisCase cases[] = {
      {2026, 3, 15, 19, 0, {35.0, 40.0}},    {2026, 9, 1, 4, 10, {55.5, -10.0}},
      {2026, 12, 20, 22, 30, {20.2, 150.0}}, {2027, 6, 5, 2, 0, {64.0, -170.0}},
      {2030, 1, 10, 6, 45, {11.0, 75.0}},
  };
  for (const PolarisCase& c : cases) {
    const DateTime utc = EncodeDateTime(c.year, c.month, c.day, c.hour, c.minute, 0, 0);
    const ErfaSeen seen = ErfaPolaris(utc, c.truth);
    // The DR is 20' out in longitude and 30' in latitude, as a navigator's may be.
    const DrPosition dr{c.truth.latitude + 0.5, c.truth.longitude - 0.33};
    const PolarisLatitude sight =
        LatitudeByPolaris(seen.altitude, utc, {c.truth.latitude + 0.5, c.truth.longitude}, precise);
    ASSERT_EQ(sight.refusal, nullptr);
    EXPECT_NEAR(60.0 * (sight.latitudeDegrees - c.truth.latitude), 0.0, 0.1) << c.year << "-" << c.month;
    EXPECT_NEAR(60.0 * (sight.tablesLatitudeDegrees - c.truth.latitude), 0.0, 0.3) << c.year << "-" << c.month;
    EXPECT_NEAR(std::remainder(sight.azimuthDegrees - seen.azimuth, 360.0), 0.0, 0.1);
    EXPECT_GT(sight.a0Minutes, 0.0);
    EXPECT_GT(sight.a1Minutes, 0.0);
    EXPECT_GT(sight.a2Minutes, 0.0);
    const PolarisLatitude offDr = LatitudeByPolaris(seen.altitude, utc, dr, precise);
    EXPECT_NEAR(60.0 * (offDr.latitudeDegrees - c.truth.latitude), 0.0, 0.5);  // 20' of longitude
  }
}

TEST(PolarisSight, RefusesAltitudesItCannotReduce) {
  const DateTime utc = EncodeDateTime(2026, 3, 15, 19, 0, 0, 0);
  for (const double ho : {9.9, 70.1, -5.0, NAN}) {
    EXPECT_NE(LatitudeByPolaris(ho, utc, {30.0, 40.0}, {}).refusal, nullptr) << ho;
  }
  EXPECT_NE(LatitudeByPolaris(40.0, EncodeDateTime(2150, 1, 1, 0, 0, 0, 0), {40.0, 0.0}, {}).refusal, nullptr);
}

}  // namespace
}  // namespace nocturna
