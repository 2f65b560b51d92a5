#include <gtest/gtest.h>

#include <cmath>

#include "navigation/body_catalog.h"
#include "navigation/sight_reduction.h"

namespace nocturna {
namespace {

constexpr int kProbe = kMoonIndex;  // the last body reduced, whose LHA is returned

struct SightCase {
  const char* what;
  double latitude;   // north positive
  double longitude;  // west positive
  double gha;
  double declination;
  double lha;
  double hc;
  double zn;
  double znTolerance = 1e-5;
};

// Expected figures from the navigator's formulas worked independently (atan2 azimuth),
// or by hand for the special positions. On the meridian the arccosine magnifies the
// rounding of the stored degree/radian factors to a few ten-thousandths of a degree.
TEST(SightReduction, ReducesToAltitudeAndAzimuth) {
  const SightCase cases[] = {
      {"west of meridian", 42.125, 75.5, 100, 20, 24.5, 59.724534, 230.618707},
      {"south latitude, east longitude", -33.9, -18.4, 300, -60.5, 318.4, 52.286074, 147.693435},
      {"below horizon, east", 10, 0, 200, 45, 200, -32.112307, 16.590436},
      {"far east longitude", 60, -150, 10, -5, 160, -32.924777, 336.051541},
      {"zenith on the equator", 0, 0, 0, 0, 0, 90, 270},
      {"due south on the meridian", 42, 75, 75, -16.7, 0, 31.3, 180, 2e-3},
      {"due north on the meridian", 42, 75, 75, 60, 0, 72, 360, 2e-3},
      {"LHA 180 counts as east", 42, 0, 180, 10, 180, -38, 0, 2e-3},
      {"LHA 5 from west longitude", 30, 75, 80, 0, 5, 59.624493, 189.924985},
      {"LHA 15 from east longitude", 30, -75, 300, 0, 15, 56.774058, 208.186785},
      {"north pole, LHA below 180", 90, 0, 100, 23.5, 100, 23.5, 280},
      {"north pole, LHA above 180", 90, 0, 250, -10, 250, -10, 70},
      {"south pole", -90, 0, 100, -40, 100, 40, 260},
  };
  for (const SightCase& c : cases) {
    SCOPED_TRACE(c.what);
    BodyCatalog catalog = BuildCatalog();
    catalog.gha[kProbe] = c.gha;
    catalog.entries[kProbe].declination = c.declination;
    const double lha = ReduceSights(catalog, c.latitude, c.longitude);
    EXPECT_NEAR(lha, c.lha, 1e-9);
    EXPECT_NEAR(catalog.hc[kProbe], c.hc, 1e-5) << "expected " << c.hc << " got "
                                                << catalog.hc[kProbe];
    EXPECT_NEAR(catalog.zn[kProbe], c.zn, c.znTolerance) << "expected " << c.zn << " got "
                                                << catalog.zn[kProbe];
  }
}

TEST(SightReduction, AriesIsNeverReducedAndNoResultIsNaN) {
  BodyCatalog catalog = BuildCatalog();
  catalog.hc[kAriesIndex] = 12.5;
  catalog.zn[kAriesIndex] = 99.0;
  // Every body exactly at the observer's zenith or within rounding of it.
  for (int k = kFirstStarIndex; k < kBodyCount; ++k) {
    catalog.gha[k] = 75.0 + (k % 3) * 1e-12;
    catalog.entries[k].declination = 41.9999999999 + (k % 5) * 1e-11;
  }
  ReduceSights(catalog, 42.0, 75.0);
  EXPECT_EQ(catalog.hc[kAriesIndex], 12.5);
  EXPECT_EQ(catalog.zn[kAriesIndex], 99.0);
  for (int k = kFirstStarIndex; k < kBodyCount; ++k) {
    EXPECT_FALSE(std::isnan(catalog.hc[k]) || std::isnan(catalog.zn[k])) << "index " << k;
    EXPECT_NEAR(catalog.hc[k], 90.0, 1e-4) << "index " << k;
    EXPECT_TRUE(catalog.zn[k] >= 0 && catalog.zn[k] <= 360) << "index " << k;
  }
}

}  // namespace
}  // namespace nocturna
