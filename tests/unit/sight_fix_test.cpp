#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "foundations/angles.h"
#include "sights/dead_reckoning.h"
#include "sights/shot_average.h"
#include "sights/sight_fix.h"
#include "sights/sight_line.h"

namespace nocturna {
namespace {

double MilesBetween(const DrPosition& a, const DrPosition& b) {
  const double north = 60.0 * (a.latitude - b.latitude);
  const double east = -60.0 * (a.longitude - b.longitude) * std::cos(DegToRad(a.latitude));
  return std::hypot(north, east);
}

// A line whose body stands at azimuth zn and altitude 40 deg seen from `at`: its GHA and
// declination are found by stepping 50 deg of arc from `at` toward zn.
FixLine ExactLineFrom(const DrPosition& at, double zn, DateTime utc) {
  const double lat = DegToRad(at.latitude), z = DegToRad(zn), arc = DegToRad(50.0);
  const double dec = std::asin(std::sin(lat) * std::cos(arc) + std::cos(lat) * std::sin(arc) * std::cos(z));
  const double dLon = std::atan2(std::sin(z) * std::sin(arc) * std::cos(lat),
                                 std::cos(arc) - std::sin(lat) * std::sin(dec));
  // East of the observer is a smaller GHA (west positive).
  const double gha = at.longitude - RadToDeg(dLon);
  return {utc, gha, RadToDeg(dec), 40.0};
}

TEST(SightFix, ExactLinesGiveTheirPositionWithItsGeometry) {
  const DrPosition truth{41.5, 70.25};
  struct Case {
    const char* what;
    std::vector<double> azimuths;
    bool found, poor, fromResiduals;
  };
  const Case cases[] = {
      {"two lines at right angles", {45, 135}, true, false, false},
      {"three stars 120 deg apart", {10, 130, 250}, true, false, true},
      {"all within 20 deg", {100, 110, 120}, true, true, true},
      {"opposite azimuths are parallel lines", {90, 270}, false, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<FixLine> lines;
    for (double zn : c.azimuths) lines.push_back(ExactLineFrom(truth, zn, 46000.5));
    const SightFix fix = FixFromLines(lines, {{truth.latitude + 0.9, truth.longitude - 0.7}, 46000.5}, 46000.5);
    ASSERT_EQ(fix.found, c.found) << fix.problem;
    if (!fix.found) continue;
    EXPECT_LT(MilesBetween(fix.position, truth), 0.01);
    EXPECT_EQ(fix.poorGeometry, c.poor);
    EXPECT_EQ(fix.ellipseFromResiduals, c.fromResiduals);
    for (double r : fix.residualsMiles) EXPECT_NEAR(r, 0.0, 0.01);
  }
}

// Two perpendicular lines with the assumed 1' sight error give a circle of 1 mile; a third
// line with a 2' error stretches the ellipse across the lines.
TEST(SightFix, ErrorEllipseFollowsTheResiduals) {
  const DrPosition truth{10.0, -20.0};
  const std::vector<FixLine> two = {ExactLineFrom(truth, 0, 1.0), ExactLineFrom(truth, 90, 1.0)};
  const SightFix circle = FixFromLines(two, {truth, 1.0}, 1.0);
  EXPECT_NEAR(circle.semiMajorMiles, kAssumedSightErrorMiles, 1e-3);
  EXPECT_NEAR(circle.semiMinorMiles, kAssumedSightErrorMiles, 1e-3);

  // Lines whose bodies all stand near east and west fix the longitude well and the latitude
  // poorly: the ellipse's major axis runs north-south. One line 2' off gives residuals.
  std::vector<FixLine> spread = {ExactLineFrom(truth, 75, 1.0), ExactLineFrom(truth, 105, 1.0),
                                 ExactLineFrom(truth, 265, 1.0), ExactLineFrom(truth, 280, 1.0)};
  spread[0].observedAltitudeDegrees += 2.0 / 60.0;
  const SightFix stretched = FixFromLines(spread, {truth, 1.0}, 1.0);
  ASSERT_TRUE(stretched.found);
  EXPECT_TRUE(stretched.ellipseFromResiduals);
  EXPECT_GT(stretched.semiMajorMiles, 2.0 * stretched.semiMinorMiles);
  EXPECT_LT(std::min(stretched.majorAxisDegrees, 180.0 - stretched.majorAxisDegrees), 10.0);
  EXPECT_GT(std::abs(stretched.residualsMiles[0]), 0.5);
}

// A running fix: lines taken two hours apart on a steady run come to the fix time.
TEST(SightFix, RunningFixMovesEachLineByTheRun) {
  const DrPosition truthAtFix{-35.0, -150.0};
  const DateTime fixTime = 47000.5;
  const DeadReckoning run{truthAtFix, fixTime, 225.0, 12.0};
  std::vector<FixLine> lines;
  const double hoursBefore[] = {2.0, 1.0, 0.0};
  const double azimuths[] = {100.0, 170.0, 260.0};
  for (int i = 0; i < 3; ++i) {
    const DateTime t = fixTime - hoursBefore[i] / 24.0;
    lines.push_back(ExactLineFrom(PositionAt(run, t), azimuths[i], t));
  }
  const SightFix fix = FixFromLines(lines, {MoveByMiles(truthAtFix, 40, -45), fixTime, 225.0, 12.0}, fixTime);
  ASSERT_TRUE(fix.found);
  EXPECT_LT(MilesBetween(fix.position, truthAtFix), 0.01);
  const SightFix standing = FixFromLines(lines, {truthAtFix, fixTime}, fixTime);
  EXPECT_GT(MilesBetween(standing.position, truthAtFix), 5.0) << "the run matters";
}

TEST(ShotAverage, FitsALineAndMarksTheStrayShot) {
  std::vector<SightRecord> log;
  const DateTime first = 46365.0 + 16.0 / 24.0;
  for (int i = 0; i < 5; ++i) {
    SightRecord shot;
    shot.body = "Sun";
    shot.limb = Limb::lower;
    shot.utc = first + i * 60.0 / 86400.0;
    shot.hsDegrees = 20.0 - i * 2.0 / 60.0;  // falling 2' a minute
    log.push_back(shot);
  }
  log[3].hsDegrees += 3.0 / 60.0;
  SightRecord other = log[0];
  other.body = "Moon";
  log.push_back(other);
  SightRecord later = log[0];
  later.utc += 2.0 / 24.0;
  log.push_back(later);

  const std::vector<ShotAverage> groups = AverageShots(log);
  ASSERT_EQ(groups.size(), 3u) << "Sun, Moon, and the Sun two hours later";
  const ShotAverage& sun = groups[0];
  ASSERT_EQ(sun.shots.size(), 5u);
  EXPECT_EQ(sun.outliers, (std::vector<bool>{false, false, false, true, false}));
  EXPECT_NEAR(sun.slopeMinutesPerMinute, -2.0, 1e-9);
  EXPECT_NEAR(sun.residualsMinutes[3], 3.0, 1e-6);
  // The mean time of the four kept shots is 1.75 minutes after the first; to the second.
  EXPECT_NEAR((sun.averaged.utc - first) * 86400.0, 105.0, 1e-3);
  EXPECT_NEAR(sun.averaged.hsDegrees, 20.0 - 2.0 * 1.75 / 60.0, 1e-9);
  EXPECT_EQ(groups[1].shots.size(), 1u);
  EXPECT_EQ(groups[1].averaged.body, "Moon");
}

}  // namespace
}  // namespace nocturna
