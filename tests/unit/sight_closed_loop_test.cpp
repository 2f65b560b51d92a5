// The closed loop: true altitudes from an independent reference (libnova: VSOP87 for the Sun
// and planets, ELP 2000-82B for the Moon, apparent places, apparent sidereal time) at a known
// position, turned into sextant altitudes with the inverse corrections, reduced from a DR up
// to 60 miles away. The fix must land where the ephemeris's own errors put it: each sight's
// error e (reference Ho less our Hc at the true position) moves the least-squares fix by
// (A'A)^-1 A'e, and apart from that the fix must be the true position to 0.05 mile.
#include <gtest/gtest.h>

#if NOCTURNA_HAVE_LIBNOVA
#include <libnova/jupiter.h>
#include <libnova/lunar.h>
#include <libnova/mars.h>
#include <libnova/precession.h>
#include <libnova/saturn.h>
#include <libnova/sidereal_time.h>
#include <libnova/solar.h>
#include <libnova/venus.h>
#endif

#include <cmath>
#include <cstdio>
#include <vector>

#include "foundations/angles.h"
#include "navigation/almanac_snapshot.h"
#include "sights/dead_reckoning.h"
#include "sights/sight_body.h"
#include "sights/sight_fields.h"
#include "sights/sight_log_reduction.h"

namespace nocturna {
namespace {

#if NOCTURNA_HAVE_LIBNOVA

constexpr double kJulianDayOf1899Dec30 = 2415018.5;
constexpr double kTtLessUtcSeconds = 69.2;  // 2026: 37 leap seconds + 32.184 s

// The reference's geocentric altitude of the body's centre (degrees) at `at` and UTC `utc`.
double ReferenceAltitude(int body, DateTime utc, const DrPosition& at) {
  const double jdUt = utc + kJulianDayOf1899Dec30;
  const double jdTt = jdUt + kTtLessUtcSeconds / 86400.0;
  ln_equ_posn equ{};
  switch (body) {
    case kSunIndex: ln_get_solar_equ_coords(jdTt, &equ); break;
    case kMoonIndex: ln_get_lunar_equ_coords(jdTt, &equ); break;
    case kVenusIndex: ln_get_venus_equ_coords(jdTt, &equ); break;
    case kMarsIndex: ln_get_mars_equ_coords(jdTt, &equ); break;
    case kJupiterIndex: ln_get_jupiter_equ_coords(jdTt, &equ); break;
    default: ln_get_saturn_equ_coords(jdTt, &equ); break;
  }
  // libnova gives these places on the J2000 equator and equinox: precess them to the mean
  // equator of date and measure from the mean equinox (nutation then cancels to a few ").
  ln_equ_posn ofDate{};
  ln_get_equ_prec(&equ, jdTt, &ofDate);
  const double gha = ln_get_mean_sidereal_time(jdUt) * 15.0 - ofDate.ra;
  return ComputedAltitudeAzimuth(gha, ofDate.dec, at).hcDegrees;
}

struct LoopCase {
  const char* what;
  int sights;
  double courseDegrees, speedKnots;
  double drEastMiles, drNorthMiles;  // the DR's offset from the truth at the fix time
};

TEST(SightClosedLoop, StandardEphemerisFixesWithinItsOwnError) {
  const DrPosition truth{30.5, 40.25};  // at the fix time
  const DateTime start = *ParseUtcMoment("2026-03-26 15:00:00");
  const int bodies[] = {kMoonIndex, kSunIndex, kVenusIndex, kJupiterIndex, kMarsIndex, kSaturnIndex};
  const LoopCase cases[] = {
      {"two sights, no run", 2, 0, 0, 35, -45},
      {"three sights, no run", 3, 0, 0, -60, 0},
      {"five sights, running fix", 5, 60, 12, 20, 55},
      {"eight sights, running fix", 8, 300, 8, -40, -40},
  };
  const SightConditions conditions{-1.2, 4.5, 18, 1022};
  for (const LoopCase& c : cases) {
    SCOPED_TRACE(c.what);
    // Sights every 20 minutes through the day, each body between 15 and 70 degrees, a body
    // again only three hours after its last sight.
    struct Planned { int body; DateTime utc; };
    std::vector<Planned> plan;
    std::vector<DateTime> lastUse(kBodyCount, -1e9);
    for (int step = 0; step < 72 && static_cast<int>(plan.size()) < c.sights; ++step) {
      const DateTime t = start + step * 20.0 / 1440.0;
      for (int body : bodies) {
        if (static_cast<int>(plan.size()) == c.sights || t - lastUse[body] < 3.0 / 24.0) continue;
        const double h = ReferenceAltitude(body, t, truth);  // near enough to choose by
        if (h < 15.0 || h > 70.0) continue;
        plan.push_back({body, t});
        lastUse[body] = t;
        break;
      }
    }
    ASSERT_EQ(static_cast<int>(plan.size()), c.sights);
    const DateTime fixTime = plan.back().utc;

    std::vector<SightRecord> log;
    double aee = 0, aen = 0, ann = 0, be = 0, bn = 0;  // normal equations of the errors
    BodyCatalog catalog = BuildCatalog();
    for (const Planned& p : plan) {
      const DrPosition there = PositionAt({truth, fixTime, c.courseDegrees, c.speedKnots}, p.utc);
      const double ho = ReferenceAltitude(p.body, p.utc, there);
      SightRecord sight;
      sight.utc = p.utc;
      sight.body = catalog.entries[p.body].name;
      sight.limb = BodyHasLimbs(p.body) ? (log.size() % 2 ? Limb::upper : Limb::lower) : Limb::centre;
      sight.conditions = conditions;
      const SightLine ours = ReduceSight(catalog, p.body, sight, there, {});
      sight.hsDegrees = *SextantAltitudeFor(ho, conditions, DiscOf(catalog, p.body, sight.limb));
      log.push_back(sight);
      const double error = 60.0 * (ho - ours.hcDegrees);
      const double s = std::sin(DegToRad(ours.znDegrees)), k = std::cos(DegToRad(ours.znDegrees));
      aee += s * s; aen += s * k; ann += k * k; be += s * error; bn += k * error;
      std::printf("  %-8s %s  ephemeris error %+.2f'\n", sight.body.c_str(),
                  FormatUtcMoment(p.utc).c_str(), error);
    }
    const double det = aee * ann - aen * aen;
    const DrPosition expected =
        MoveByMiles(truth, (ann * be - aen * bn) / det, (aee * bn - aen * be) / det);

    const DrPosition dr = MoveByMiles(truth, c.drEastMiles, c.drNorthMiles);
    const SightLogReduction reduction = ReduceSightLog(log, {dr, fixTime, c.courseDegrees, c.speedKnots}, fixTime, {});
    ASSERT_TRUE(reduction.fix.found) << reduction.fix.problem;
    const DrPosition& fix = reduction.fix.position;
    const auto miles = [](const DrPosition& a, const DrPosition& b) {
      return std::hypot(60.0 * (a.latitude - b.latitude),
                        60.0 * (a.longitude - b.longitude) * std::cos(DegToRad(a.latitude)));
    };
    std::printf("  fix %.2f miles from the truth; %.2f from where the ephemeris errors put it\n",
                miles(fix, truth), miles(fix, expected));
    EXPECT_LT(miles(fix, expected), 0.05);
    EXPECT_LT(miles(fix, truth), 2.0) << "the standard theory is good to about a mile";
  }
}

#else

TEST(SightClosedLoop, StandardEphemerisFixesWithinItsOwnError) {
  GTEST_SKIP() << "libnova (the independent reference) is not installed";
}

#endif

}  // namespace
}  // namespace nocturna
