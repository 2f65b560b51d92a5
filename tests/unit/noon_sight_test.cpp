// Noon: latitude from a meridian altitude by the rule of the almanac's noon form (zenith
// distance named opposite to the bearing; same names add, contrary names subtract), and the
// time of noon, a single noon row and a run of shots against the Sun placed by ERFA along the
// ship's track.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "foundations/angles.h"
#include "navigation/body_catalog.h"
#include "sights/dead_reckoning.h"
#include "sights/local_apparent_noon.h"
#include "sights/meridian_latitude.h"
#include "sights/noon_row.h"
#include "sights/noon_run.h"
#include "support/erfa_sun.h"

namespace nocturna {
namespace {

struct FormCase {
  double ho;
  char bearing;
  double declination;
  double latitude;
  char zenithName;
};

TEST(MeridianLatitude, NamesAndCombinesAsTheNoonFormDoes) {
  const FormCase cases[] = {
      {50.0, 'S', 20.0, 60.0, 'N'},     // same names: added
      {60.0, 'S', -10.0, 20.0, 'N'},    // contrary names: differenced
      {70.0, 'N', 15.0, -5.0, 'S'},     // the body north of a ship just south of the line
      {45.5, 'N', -12.25, -56.75, 'S'},  // southern summer
  };
  for (const FormCase& c : cases) {
    const MeridianLatitude form = LatitudeFromMeridianAltitude(c.ho, c.bearing, c.declination);
    EXPECT_EQ(form.refusal, nullptr);
    EXPECT_NEAR(form.latitudeDegrees, c.latitude, 1e-12) << c.ho << c.bearing << c.declination;
    EXPECT_EQ(form.zenithDistanceName, c.zenithName);
    EXPECT_DOUBLE_EQ(form.zenithDistanceDegrees, 90.0 - c.ho);
  }
  EXPECT_NE(LatitudeFromMeridianAltitude(95.0, 'S', 0.0).refusal, nullptr);
  EXPECT_NE(LatitudeFromMeridianAltitude(40.0, 'E', 0.0).refusal, nullptr);
  EXPECT_NE(LatitudeFromMeridianAltitude(10.0, 'S', 20.0).refusal, nullptr);  // 100 deg N
}

constexpr double kHoursPerDay = 24.0;
const EphemerisChoice kPrecise{EphemerisKind::precise, 0.0};

// A ship at 40 N 30 W at 13:00 UTC on 2026 June 21, steering 045 at 20 knots.
struct NoonVoyage : ::testing::Test {
  const DateTime drUtc = EncodeDateTime(2026, 6, 21, 13, 0, 0);
  const DeadReckoning dr{{40.0, 30.0}, drUtc, 45.0, 20.0};
  BodyCatalog scratch = BuildCatalog();

  DrPosition ShipAt(DateTime utc) const { return PositionAt(dr, utc); }

  // The reference's local apparent noon: the Sun's GHA equal to the ship's longitude.
  DateTime ReferenceNoon() const {
    DateTime low = drUtc, high = drUtc + 2.0 / kHoursPerDay;
    for (int i = 0; i < 40; ++i) {
      const DateTime mid = 0.5 * (low + high);
      const double lha = std::remainder(reference::ErfaSun(mid).gha - ShipAt(mid).longitude, 360.0);
      (lha < 0.0 ? low : high) = mid;
    }
    return 0.5 * (low + high);
  }

  double ReferenceAltitude(DateTime utc) const {
    const reference::SunPlace sun = reference::ErfaSun(utc);
    const DrPosition at = ShipAt(utc);
    const double lha = (sun.gha - at.longitude) * kDegreesToRadians;
    const double lat = at.latitude * kDegreesToRadians, dec = sun.declination * kDegreesToRadians;
    return std::asin(std::sin(lat) * std::sin(dec) + std::cos(lat) * std::cos(dec) * std::cos(lha)) *
           kRadiansToDegrees;
  }
};

TEST_F(NoonVoyage, NoonOfTheMovingShipMatchesTheReference) {
  const DateTime truth = ReferenceNoon();
  const LocalApparentNoon noon =
      LocalApparentNoonFor(scratch, drUtc, dr, SightConditions{}, Limb::lower, kPrecise);
  ASSERT_EQ(noon.refusal, nullptr);
  EXPECT_NEAR((noon.utc - truth) * 86400.0, 0.0, 2.0);
  EXPECT_NEAR(60.0 * (noon.meridianAltitudeDegrees - ReferenceAltitude(truth)), 0.0, 0.1);
  EXPECT_EQ(noon.bearing, 'S');
  ASSERT_TRUE(noon.presetHsDegrees.has_value());
  EXPECT_LT(*noon.presetHsDegrees, noon.meridianAltitudeDegrees);  // the lower limb reads low
}

TEST_F(NoonVoyage, NoonRowGivesTheLatitudeOnlyAtMeridianPassage) {
  const DateTime truth = ReferenceNoon();
  const DateTime atNoon = std::round(truth * 86400.0) / 86400.0;
  const MeridianLatitude form =
      NoonRowLatitude(scratch, kSunIndex, atNoon, ReferenceAltitude(atNoon), ShipAt(atNoon), kPrecise);
  EXPECT_EQ(form.refusal, nullptr);
  EXPECT_NEAR(60.0 * (form.latitudeDegrees - ShipAt(atNoon).latitude), 0.0, 0.1);
  const DateTime late = atNoon + 20.0 / 1440.0;
  EXPECT_NE(NoonRowLatitude(scratch, kSunIndex, late, ReferenceAltitude(late), ShipAt(late), kPrecise).refusal,
            nullptr);
}

TEST_F(NoonVoyage, RunOfShotsFindsNoonLatitudeAndLongitude) {
  const DateTime truth = ReferenceNoon();
  std::vector<TimedAltitude> shots;
  for (int k = -12; k <= 8; ++k) {  // every two minutes, more before noon than after
    const DateTime at = std::round(truth * 1440.0 + 2.0 * k) / 1440.0;
    const double noiseMinutes = ((k + 30) % 3 - 1) * 0.2;  // a sextant's scatter
    shots.push_back({at, ReferenceAltitude(at) + noiseMinutes / 60.0});
  }
  const NoonRun fit = FitNoonRun(scratch, shots, dr, kPrecise);
  ASSERT_EQ(fit.refusal, nullptr);
  EXPECT_NEAR((fit.noonUtc - truth) * 86400.0, 0.0, 30.0);
  EXPECT_NEAR(60.0 * (fit.latitude.latitudeDegrees - ShipAt(truth).latitude), 0.0, 0.1);
  EXPECT_NEAR(60.0 * (fit.longitudeDegrees - ShipAt(truth).longitude), 0.0, 7.5);  // 30 s of time
  EXPECT_NEAR(fit.rmsResidualMinutes, 0.16, 0.05);

  std::vector<TimedAltitude> farMorning;
  for (int k = 0; k < 5; ++k) {
    const DateTime at = truth - (90.0 - 5.0 * k) / 1440.0;
    farMorning.push_back({at, ReferenceAltitude(at)});
  }
  EXPECT_NE(FitNoonRun(scratch, farMorning, dr, kPrecise).refusal, nullptr);
  EXPECT_NE(FitNoonRun(scratch, {shots[0], shots[1]}, dr, kPrecise).refusal, nullptr);
}

}  // namespace
}  // namespace nocturna
