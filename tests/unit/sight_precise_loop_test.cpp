// Perfect sights made from the bodies' topocentric places (ERFA's WGS84 observer, the place
// seen from it turned into hour angle and declination and then altitude by ERFA), reduced with
// the precise ephemeris at the true position, give intercepts within 0.03' (0.05' for the Moon).
#include <gtest/gtest.h>
#include <erfa.h>
#include <erfam.h>

#include <cmath>
#include <random>

#include "foundations/angles.h"
#include "navigation/almanac_snapshot.h"
#include "sights/sight_body.h"
#include "sights/sight_fields.h"
#include "sights/sight_line.h"

namespace nocturna {
namespace {

constexpr double kMoonRadiusKm = 0.2725076 * 6378.1366;
constexpr double kSunRadiusKm = 695700.0;

struct Topocentric {
  double altitudeDegrees;
  double semiDiameterMinutes;
};

// The body's centre seen from `at` on the WGS84 ellipsoid, from its geocentric GHA,
// declination and distance, by ERFA's vector and frame functions.
Topocentric SeenFrom(const DrPosition& at, double gha, double dec, double distanceKm, int body) {
  double observer[3];
  eraGd2gc(ERFA_WGS84, DegToRad(-at.longitude), DegToRad(at.latitude), 0.0, observer);
  double place[3], seen[3];
  eraS2p(DegToRad(-gha), DegToRad(dec), distanceKm * 1000.0, place);
  eraPmp(place, observer, seen);
  double east = 0, declination = 0, metres = 0;
  eraP2s(seen, &east, &declination, &metres);
  double azimuth = 0, altitude = 0;
  eraHd2ae(DegToRad(-at.longitude) - east, declination, DegToRad(at.latitude), &azimuth, &altitude);
  const double radiusKm = body == kMoonIndex ? kMoonRadiusKm : body == kSunIndex ? kSunRadiusKm : 0.0;
  return {RadToDeg(altitude), 60.0 * RadToDeg(std::asin(radiusKm * 1000.0 / metres))};
}

TEST(SightPreciseLoop, PerfectTopocentricSightsComeBackWithinAFewHundredthsOfAMinute) {
  std::mt19937 random(20261209);
  std::uniform_real_distribution<double> days(EncodeDateTime(1960, 1, 1, 0, 0, 0),
                                              EncodeDateTime(2040, 12, 31, 0, 0, 0));
  std::uniform_real_distribution<double> latitude(-70.0, 70.0), longitude(-180.0, 180.0);
  const int bodies[] = {kSunIndex, kMoonIndex, kVenusIndex, kMarsIndex, kJupiterIndex, kSaturnIndex, 18, 49};
  const EphemerisChoice precise{EphemerisKind::precise, 0.0};
  const SightConditions conditions{-1.2, 3.0, 15.0, 1013.0};
  BodyCatalog catalog = BuildCatalog(), scratch = BuildCatalog();
  int checked = 0;
  double worst[2] = {0.0, 0.0};  // others, Moon
  for (int trial = 0; trial < 60; ++trial) {
    const DateTime utc = std::round(days(random) * 86400.0) / 86400.0;
    const DrPosition truth{latitude(random), longitude(random)};
    CalendarDate date;
    ClockTime clock;
    SplitUtc(utc, date, clock);
    ComputeMomentPositions(catalog, date, clock, truth, precise);
    for (int body : bodies) {
      const double distanceKm = GeocentricDistanceKm(catalog, body);
      const Topocentric seen =
          SeenFrom(truth, catalog.gha[body], catalog.entries[body].declination, distanceKm, body);
      if (seen.altitudeDegrees < 10.0 || seen.altitudeDegrees > 80.0) continue;
      SightRecord sight;
      sight.utc = utc;
      sight.limb = BodyHasLimbs(body) ? (trial % 2 ? Limb::upper : Limb::lower) : Limb::centre;
      sight.conditions = conditions;
      BodyDisc disc;
      disc.limb = sight.limb;
      disc.semiDiameterMinutes = seen.semiDiameterMinutes;
      sight.hsDegrees = *SextantAltitudeFor(seen.altitudeDegrees, conditions, disc);
      const SightLine line = ReduceSight(scratch, body, sight, truth, precise);
      const double limit = body == kMoonIndex ? 0.05 : 0.03;
      EXPECT_LT(std::abs(line.interceptMiles), limit)
          << catalog.entries[body].name << " at " << FormatUtcMoment(utc) << " from "
          << truth.latitude << ", " << truth.longitude;
      double& w = worst[body == kMoonIndex];
      w = std::max(w, std::abs(line.interceptMiles));
      ++checked;
    }
  }
  EXPECT_GT(checked, 100);
  std::printf("  worst intercept: %.4f' (Sun, planets, stars), %.4f' (Moon) in %d sights\n", worst[0],
              worst[1], checked);
}

}  // namespace
}  // namespace nocturna
