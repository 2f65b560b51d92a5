// Lunars made perfect from places seen on the WGS84 ellipsoid by ERFA (eraGd2gc for the
// observer, eraHd2ae for the horizon), the almanac's refraction applied to each limb point,
// then cleared: the time must come back to within the seconds the rate allows.
#include <erfa.h>
#include <erfam.h>

#include <gtest/gtest.h>

#include <cmath>

#include "foundations/angles.h"
#include "sights/clock_fix.h"
#include "sights/lunar_clearing.h"
#include "sights/lunar_ephemeris.h"
#include "sights/lunar_planner.h"
#include "sights/sight_body.h"
#include "sights/sight_fields.h"
#include "sights/sight_line.h"

namespace nocturna {
namespace {

struct Seen {
  double altitude = 0.0;  // radians, airless
  double azimuth = 0.0;   // radians
  double semiDiameter = 0.0;  // radians, seen from the observer
};

// The body's place from the observer at a whole second, by ERFA from the ephemeris's own
// geocentric GHA, declination and distance at that second.
Seen SeenByErfa(BodyCatalog& scratch, int body, DateTime utc, const DrPosition& at, double heightMetres) {
  BringCatalogTo(scratch, utc + 0.01 / 86400.0, at, {EphemerisKind::precise, {}});
  const GhaDeclination place{scratch.gha[body], scratch.entries[body].declination};
  const BodyDisc disc = DiscOf(scratch, body, Limb::centre);
  const double hp = DegToRad(disc.horizontalParallaxMinutes / 60.0);
  const double distance = hp > 0.0 ? 6378137.0 / std::sin(hp) : 1e20;
  double observer[3];
  eraGd2gc(ERFA_WGS84, -DegToRad(at.longitude), DegToRad(at.latitude), heightMetres, observer);
  double body3[3];
  eraS2p(-DegToRad(place.ghaDegrees), DegToRad(place.declinationDegrees), distance, body3);
  double topo[3];
  eraPmp(body3, observer, topo);
  double longitude = 0.0, declination = 0.0, range = 0.0;
  eraP2s(topo, &longitude, &declination, &range);
  Seen seen;
  eraHd2ae(-DegToRad(at.longitude) - longitude, declination, DegToRad(at.latitude), &seen.azimuth, &seen.altitude);
  seen.semiDiameter = DegToRad(disc.semiDiameterMinutes / 60.0) * distance / range;
  return seen;
}

// Apparent altitude by the almanac's refraction, iterated independently of the code under test.
double Refracted(double airless, const SightConditions& air) {
  double apparent = airless;
  for (int i = 0; i < 60; ++i)
    apparent = airless + DegToRad(RefractionMinutes(RadToDeg(apparent), air.temperatureCelsius,
                                                    air.pressureHectopascals) / 60.0);
  return apparent;
}

// The point `offset` radians from `from` toward `to` on the airless sky, then refracted.
Seen LimbPoint(const Seen& from, const Seen& to, double offset, const SightConditions& air) {
  double a[3], b[3];
  eraS2c(-from.azimuth, from.altitude, a);
  eraS2c(-to.azimuth, to.altitude, b);
  const double along = eraPdp(a, b);
  double toward[3];
  for (int i = 0; i < 3; ++i) toward[i] = b[i] - along * a[i];
  double unit[3], modulus = 0.0;
  eraPn(toward, &modulus, unit);
  double point[3];
  for (int i = 0; i < 3; ++i) point[i] = std::cos(offset) * a[i] + std::sin(offset) * unit[i];
  Seen limb;
  eraC2s(point, &limb.azimuth, &limb.altitude);
  limb.altitude = Refracted(limb.altitude, air);
  return limb;
}

struct LoopCase {
  const char* what;
  int body;
  const char* utc;
  DrPosition at;
  DistanceLimb moonLimb, bodyLimb;
  bool altitudesObserved;
};

class LunarClosedLoop : public ::testing::TestWithParam<LoopCase> {};

TEST_P(LunarClosedLoop, ClearsToTheTimeItWasMadeAt) {
  const LoopCase& c = GetParam();
  const SightConditions air{-0.8, 4.0, 24.0, 1018.0};
  const DateTime truth = *ParseUtcMoment(c.utc);
  BodyCatalog scratch = BuildCatalog();
  const Seen moon = SeenByErfa(scratch, kMoonIndex, truth, c.at, air.heightOfEyeMetres);
  const Seen body = SeenByErfa(scratch, c.body, truth, c.at, air.heightOfEyeMetres);
  const double near[] = {0.0, 1.0, -1.0};  // by DistanceLimb: centre, near, far
  const Seen moonLimb = LimbPoint(moon, body, near[int(c.moonLimb)] * moon.semiDiameter, air);
  const Seen bodyLimb = LimbPoint(body, moon, near[int(c.bodyLimb)] * body.semiDiameter, air);

  LunarObservation o;
  o.bodyIndex = c.body;
  o.moonLimb = c.moonLimb;
  o.bodyLimb = c.bodyLimb;
  o.distanceIndexCorrectionMinutes = 1.5;
  o.distanceSextantDegrees =
      RadToDeg(eraSeps(moonLimb.azimuth, moonLimb.altitude, bodyLimb.azimuth, bodyLimb.altitude)) - 1.5 / 60.0;
  if (c.altitudesObserved) {
    // Lower limbs brought to the sea horizon: the refracted lowest point, plus dip, less the index correction.
    const auto sextant = [&](const Seen& s) {
      return RadToDeg(Refracted(s.altitude - s.semiDiameter, air)) + (DipMinutes(air.heightOfEyeMetres) -
                                                                      air.indexCorrectionMinutes) / 60.0;
    };
    o.moonAltitudeSextantDegrees = sextant(moon);
    o.bodyAltitudeSextantDegrees = sextant(body);
  }
  o.conditions = air;
  o.watchTime = truth + 37.0 / 86400.0;   // the watch is 37 s fast
  o.watchFastSecondsGuess = -1500.0;      // believed 25 minutes slow
  o.dr = c.at;
  const LunarForm form = ClearLunarDistance(scratch, o, {EphemerisKind::precise, {}});
  ASSERT_TRUE(form.Cleared()) << form.refusal;
  EXPECT_NEAR(form.watchFastSeconds, 37.0, 0.5);
  EXPECT_GT(form.secondsPerTenthMinute, 5.0);
  EXPECT_LT(form.secondsPerTenthMinute, 30.0);
  // 0.2' more distance moves the time by what the form says 0.2' is worth.
  o.distanceSextantDegrees += 0.2 / 60.0;
  const LunarForm wider = ClearLunarDistance(scratch, o, {EphemerisKind::precise, {}});
  EXPECT_NEAR(std::fabs(wider.watchFastSeconds - form.watchFastSeconds), 2.0 * form.secondsPerTenthMinute,
              0.1 * form.secondsPerTenthMinute);
}

// The Sun's, the Moon's and Venus's altitudes and a perfect Sun-Moon lunar (by ERFA, as above),
// all logged by a watch 40 s fast, from a DR 10 miles off: the position and the clock together.
TEST(ClockFix, FindsThePositionAndTheWatchTogether) {
  const SightConditions air{0.0, 3.0, 10.0, 1010.0};
  const DateTime truth = *ParseUtcMoment("2026-03-26 18:00:00");
  const DrPosition at{30.5, 40.25};
  const double fast = 40.0;
  BodyCatalog scratch = BuildCatalog();
  const Seen moon = SeenByErfa(scratch, kMoonIndex, truth, at, air.heightOfEyeMetres);
  const Seen sun = SeenByErfa(scratch, kSunIndex, truth, at, air.heightOfEyeMetres);
  ClockLunar lunar;
  LunarObservation& o = lunar.observation;
  o.moonLimb = o.bodyLimb = DistanceLimb::nearLimb;
  const Seen moonLimb = LimbPoint(moon, sun, moon.semiDiameter, air);
  const Seen sunLimb = LimbPoint(sun, moon, sun.semiDiameter, air);
  o.distanceSextantDegrees = RadToDeg(eraSeps(moonLimb.azimuth, moonLimb.altitude, sunLimb.azimuth, sunLimb.altitude));
  o.conditions = air;
  o.watchTime = truth + fast / 86400.0;

  BringCatalogTo(scratch, truth + 0.01 / 86400.0, at, {EphemerisKind::precise, {}});
  std::vector<ClockLine> lines;
  for (int body : {kSunIndex, kMoonIndex, kVenusIndex}) {
    const AltitudeAzimuth seen = ComputedAltitudeAzimuth(scratch.gha[body], scratch.entries[body].declination, at);
    lines.push_back({body, o.watchTime, seen.hcDegrees});
  }
  const DeadReckoning dr{MoveByMiles(at, 8.0, -6.0), o.watchTime, 0.0, 0.0};
  const ClockFix fix = FixWithUnknownClock(scratch, lines, {lunar}, dr, o.watchTime, {EphemerisKind::precise, {}});
  ASSERT_TRUE(fix.found) << fix.problem;
  EXPECT_NEAR(fix.logFastSeconds, fast, 5.0);
  EXPECT_NEAR(60.0 * (fix.position.latitude - at.latitude), 0.0, 0.5);
  EXPECT_NEAR(60.0 * (fix.position.longitude - at.longitude) * std::cos(DegToRad(at.latitude)), 0.0, 0.5);
  EXPECT_LT(fix.clockErrorSeconds, 30.0);
  EXPECT_GT(fix.longitudeErrorMiles, fix.latitudeErrorMiles);  // the clock's doubt lies east-west

  // What cannot give the clock is refused with its reason, never a silent fix.
  EXPECT_NE(FixWithUnknownClock(scratch, lines, {}, dr, o.watchTime, {}).problem.find("needs a lunar"), std::string::npos);
  EXPECT_NE(FixWithUnknownClock(scratch, {lines[0]}, {lunar}, dr, o.watchTime, {}).problem.find("two altitude lines"),
            std::string::npos);
  lunar.distanceErrorMinutes = 10.0;
  EXPECT_NE(FixWithUnknownClock(scratch, lines, {lunar}, dr, o.watchTime, {}).problem.find("do not separate"),
            std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Bodies, LunarClosedLoop,
    ::testing::Values(
        LoopCase{"Sun near limbs, computed altitudes", kSunIndex, "2026-03-26 18:00:00", {30.5, 40.25},
                 DistanceLimb::nearLimb, DistanceLimb::nearLimb, false},
        LoopCase{"Sun near limbs, observed altitudes", kSunIndex, "2026-03-26 18:00:00", {30.5, 40.25},
                 DistanceLimb::nearLimb, DistanceLimb::nearLimb, true},
        LoopCase{"Regulus, far limb, southern latitude, east", 26, "2026-03-26 18:00:00", {-33.9, -18.4},
                 DistanceLimb::farLimb, DistanceLimb::centre, false},
        LoopCase{"Spica, near limb, observed altitudes", 33, "2026-03-27 01:00:00", {30.5, 40.25},
                 DistanceLimb::nearLimb, DistanceLimb::centre, true},
        LoopCase{"Jupiter at 7 degrees, observed altitudes, high latitude", kJupiterIndex, "2026-03-29 03:00:00",
                 {58.0, 10.0}, DistanceLimb::nearLimb, DistanceLimb::centre, true}));

}  // namespace
}  // namespace nocturna

namespace nocturna {
namespace {

// A Sun-Moon lunar at 30.5N 40.25W on 2026-03-26 18:00 UTC: the Moon at 40 degrees, the Sun
// at 36 on the other side, about 103 degrees apart.
LunarObservation SunLunar() {
  LunarObservation o;
  o.bodyIndex = kSunIndex;
  o.moonLimb = DistanceLimb::nearLimb;
  o.bodyLimb = DistanceLimb::nearLimb;
  o.distanceSextantDegrees = 102.4;
  o.watchTime = *ParseUtcMoment("2026-03-26 18:00:00");
  o.dr = {30.5, 40.25};
  return o;
}

// Between its ten-minute nodes the lunar ephemeris gives what the ephemeris itself gives at the
// second, to far below what a sextant reads; GHA crossing 360 included.
TEST(LunarEphemerisCubic, MatchesTheEphemerisBetweenItsNodes) {
  struct Case {
    EphemerisKind kind;
    int body;
    const char* utc;
  };
  const Case cases[] = {{EphemerisKind::precise, kSunIndex, "2026-03-26 18:04:17"},
                        {EphemerisKind::precise, 26, "2026-03-27 07:55:03"},
                        {EphemerisKind::precise, kJupiterIndex, "2026-03-29 03:01:59"},
                        {EphemerisKind::standard, kSunIndex, "2026-03-26 23:57:31"}};
  BodyCatalog scratch = BuildCatalog();
  BodyCatalog direct = BuildCatalog();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.utc);
    const EphemerisChoice choice{c.kind, {}};
    const DateTime utc = *ParseUtcMoment(c.utc);
    LunarEphemeris ephemeris(scratch, c.body, choice);
    const LunarEphemeris::Places places = ephemeris.At(utc);
    BringCatalogTo(direct, utc + 0.01 / 86400.0, {}, choice);
    const double arcsecond = 1.0 / 3600.0;
    EXPECT_NEAR(std::remainder(places.moon.ghaDegrees - direct.gha[kMoonIndex], 360.0), 0.0, 0.01 * arcsecond);
    EXPECT_NEAR(places.moon.declinationDegrees, direct.entries[kMoonIndex].declination, 0.01 * arcsecond);
    EXPECT_NEAR(ephemeris.Distance(utc), CatalogLunarAngle(direct, c.body), 0.01 * arcsecond);
    EXPECT_NEAR(places.moonDisc.horizontalParallaxMinutes,
                DiscOf(direct, kMoonIndex, Limb::centre).horizontalParallaxMinutes, 1e-4);
    EXPECT_EQ(ephemeris.MomentsComputed(), 4);
  }
}

TEST(LunarClearing, RefusesWhatCannotGiveATime) {
  struct Bad {
    const char* what;
    void (*spoil)(LunarObservation&);
    const char* reason;
  };
  const Bad cases[] = {
      {"more than the altitudes allow", [](LunarObservation& o) { o.distanceSextantDegrees = 110.0; },
       "With these altitudes the distance must lie between"},
      {"too close", [](LunarObservation& o) { o.distanceSextantDegrees = 12.0; }, "within 15 degrees"},
      {"Moon down", [](LunarObservation& o) { o.dr.longitude = -139.75; }, "The Moon is below the horizon."},
      {"Sun observed below the horizon", [](LunarObservation& o) { o.bodyAltitudeSextantDegrees = -3.0; },
       "The other body is below the horizon."},
      {"distance not a number", [](LunarObservation& o) { o.distanceSextantDegrees = std::nan(""); },
       "not a number"},
      {"Moon to Moon", [](LunarObservation& o) { o.bodyIndex = kMoonIndex; }, "must be the Sun, a planet"},
  };
  BodyCatalog scratch = BuildCatalog();
  for (const Bad& c : cases) {
    SCOPED_TRACE(c.what);
    LunarObservation o = SunLunar();
    c.spoil(o);
    const LunarForm form = ClearLunarDistance(scratch, o, {});
    EXPECT_NE(form.refusal.find(c.reason), std::string::npos) << form.refusal;
  }
  EXPECT_TRUE(ClearLunarDistance(scratch, SunLunar(), {}).Cleared());
}

// The planner's geocentric Sun-Moon distance against ERFA's own Moon (eraMoon98) and Sun
// (eraEpv00, with its annual aberration by eraAb; the Moon's is mostly undone by its light time).
TEST(LunarPlanner, ListsTheBodiesUpAndApartWithTheirRates) {
  BodyCatalog scratch = BuildCatalog();
  const DateTime utc = *ParseUtcMoment("2026-03-26 18:00:00");
  const std::vector<LunarCandidate> plan = PlanLunars(scratch, utc, {30.5, 40.25}, {}, {EphemerisKind::precise, {}});
  std::vector<int> bodies;
  for (const LunarCandidate& c : plan) {
    bodies.push_back(c.bodyIndex);
    EXPECT_GE(std::min(c.moonAltitudeDegrees, c.bodyAltitudeDegrees), kLunarLowestAltitudeDegrees);
    EXPECT_NEAR(c.secondsPerTenthMinute * std::fabs(c.rateMinutesPerMinute), 6.0, 1e-9);
  }
  EXPECT_EQ(bodies, (std::vector<int>{kSunIndex, kVenusIndex, kSaturnIndex, 6, 10, 57}));

  // The distance to preset, read at that moment, clears back to that moment within what 0.1' is worth.
  for (const LunarCandidate& c : plan) {
    SCOPED_TRACE(c.bodyIndex);
    LunarObservation o;
    o.bodyIndex = c.bodyIndex;
    o.bodyLimb = c.bodyIndex == kSunIndex ? DistanceLimb::nearLimb : DistanceLimb::centre;
    o.distanceSextantDegrees = c.presetDistanceDegrees;
    o.watchTime = utc;
    o.dr = {30.5, 40.25};
    const LunarForm form = ClearLunarDistance(scratch, o, {EphemerisKind::precise, {}});
    ASSERT_TRUE(form.Cleared()) << form.refusal;
    EXPECT_NEAR(form.watchFastSeconds, 0.0, c.secondsPerTenthMinute);
  }

  const double tt = utc + 2415018.5 + 69.184 / 86400.0;
  double moon[2][3], earthHelio[2][3], earthBary[2][3];
  eraMoon98(tt, 0.0, moon);
  eraEpv00(tt, 0.0, earthHelio, earthBary);
  double sunDistance = 0.0, sunDirection[3], velocity[3], sun[3];
  eraPn(earthHelio[0], &sunDistance, sunDirection);
  eraSxp(-1.0, sunDirection, sunDirection);
  eraSxp(1.0 / ERFA_DC, earthBary[1], velocity);
  eraAb(sunDirection, velocity, sunDistance, std::sqrt(1.0 - eraPdp(velocity, velocity)), sun);
  EXPECT_NEAR(plan[0].geocentricDistanceDegrees, RadToDeg(eraSepp(moon[0], sun)), 3.0 / 3600.0);
  EXPECT_NEAR(plan[0].rateMinutesPerMinute, 0.537, 0.01);
}

}  // namespace
}  // namespace nocturna
