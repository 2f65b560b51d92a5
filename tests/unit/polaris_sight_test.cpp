// Latitude by Polaris against ERFA's own chain from the star's catalogue place to the
// observed altitude and azimuth (eraAtco13, no refraction): the rigorous latitude to 0.1',
// the almanac's a0 + a1 + a2 form as near as the printed tables come, the azimuth to 0.1 deg.
#include <gtest/gtest.h>

#include <cmath>

#include "ephemeris/precise/polaris_catalog.h"
#include "foundations/angles.h"
#include "sights/polaris_sight.h"
#include "support/erfa_observed.h"

namespace nocturna {
namespace {

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
    const AltitudeAzimuth seen = reference::ErfaObservedStar(kPolarisCatalogRow, utc, c.truth);
    // The DR is 20' out in longitude and 30' in latitude, as a navigator's may be.
    const DrPosition dr{c.truth.latitude + 0.5, c.truth.longitude - 0.33};
    const PolarisLatitude sight =
        LatitudeByPolaris(seen.hcDegrees, utc, {c.truth.latitude + 0.5, c.truth.longitude}, precise);
    ASSERT_EQ(sight.refusal, nullptr);
    EXPECT_NEAR(60.0 * (sight.latitudeDegrees - c.truth.latitude), 0.0, 0.1) << c.year << "-" << c.month;
    EXPECT_NEAR(60.0 * (sight.tablesLatitudeDegrees - c.truth.latitude), 0.0, 0.15) << c.year << "-" << c.month;
    EXPECT_NEAR(std::remainder(sight.azimuthDegrees - seen.znDegrees, 360.0), 0.0, 0.1);
    EXPECT_GT(sight.a0Minutes, 0.0);
    EXPECT_GT(sight.a1Minutes, 0.0);
    EXPECT_GT(sight.a2Minutes, 0.0);
    const PolarisLatitude offDr = LatitudeByPolaris(seen.hcDegrees, utc, dr, precise);
    EXPECT_NEAR(60.0 * (offDr.latitudeDegrees - c.truth.latitude), 0.0, 0.5);  // 20' of longitude
  }
}

TEST(PolarisSight, RefusesAltitudesItCannotReduce) {
  const DateTime utc = EncodeDateTime(2026, 3, 15, 19, 0, 0, 0);
  for (const double ho : {9.9, 70.1, -5.0, std::nan("")}) {
    EXPECT_NE(LatitudeByPolaris(ho, utc, {30.0, 40.0}, {}).refusal, nullptr) << ho;
  }
  EXPECT_NE(LatitudeByPolaris(40.0, EncodeDateTime(2150, 1, 1, 0, 0, 0, 0), {40.0, 0.0}, {}).refusal, nullptr);
}

}  // namespace
}  // namespace nocturna
