#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

#include "sights/sight_fields.h"
#include "sights/sight_fix.h"
#include "sights/sight_log_csv.h"
#include "sights/sight_log_reduction.h"

namespace nocturna {
namespace {

std::string EveningStars() {
  std::ifstream in(std::string(NOCTURNA_TEST_DATA_DIR) + "/sights/evening_stars.csv");
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The evening stars (taken at 38°30.0'N 024°15.0'W) with a good Capella and four gross errors:
// each is named in its row's note and kept out, and the fix stays where the good lines meet.
TEST(SightGrossErrors, AreNamedAndKeptOutOfTheFix) {
  const std::string log = EveningStars() +
      "2026-12-09 18:54:00,Capella,,19 45.7,-1.5,3.0,10,1010\n"
      "2026-12-09 18:52:00,Altair,,44 58.4,-1.5,3.0,10,1010\n"      // 50' high
      "2026-12-09 18:53:00,Denebola,,30 00.0,-1.5,3.0,10,1010\n"    // Deneb was meant
      "2026-12-11 18:40:00,Vega,,47 57.7,-1.5,3.0,10,1010\n"        // two days out
      "2026-12-09 18:55:00,Deneb,,20 00.0,-1.5,3.0,10,1010\n";      // 48 deg too low
  const SightLogParse parse = ParseSightLog(log);
  ASSERT_EQ(parse.sights.size(), 12u);
  const DeadReckoning dr{{38.5, 24.25}, *ParseUtcMoment("2026-12-09 18:50:00")};
  const SightLogReduction reduction = ReduceSightLog(parse.sights, dr, dr.utc, {});
  struct Expected { std::size_t row; const char* note; };
  const Expected expected[] = {
      {8, "nm off the fix of the other lines, past 30 nm"},
      {9, "the body is below the horizon at the DR"},
      {10, "h from the fix time, past 12 h with no run"},
      {11, "intercept "},
  };
  for (const Expected& e : expected)
    EXPECT_NE(reduction.notes[e.row].find(e.note), std::string::npos) << e.row << ": " << reduction.notes[e.row];
  EXPECT_TRUE(reduction.notes[7].empty()) << reduction.notes[7];
  ASSERT_TRUE(reduction.fix.found) << reduction.fix.problem;
  EXPECT_EQ(reduction.fix.residualsMiles.size(), 5u);
  EXPECT_NEAR(reduction.fix.position.latitude, 38.5, 0.2 / 60);
  EXPECT_NEAR(reduction.fix.position.longitude, 24.25, 0.2 / 60);
}

// Whatever the lines, a fix is a real position or refused with the reason: lines whose dates
// are days apart on a fast run once came back at latitudes past the pole.
TEST(SightGrossErrors, AFixIsARealPositionOrRefused) {
  const double fixTime = 46000.5;
  for (double days : {1.0, 3.0, 7.0, -5.0}) {
    for (double course : {0.0, 45.0, 180.0}) {
      const DeadReckoning dr{{75.0, 30.0}, fixTime, course, 30.0};
      std::vector<FixLine> lines = {{fixTime, 10.0, 40.0, 35.0}, {fixTime, 100.0, 20.0, 25.0},
                                    {fixTime + days, 200.0, 60.0, 45.0}};
      const SightFix fix = FixFromLines(lines, dr, fixTime);
      if (!fix.found) {
        EXPECT_FALSE(fix.problem.empty());
        continue;
      }
      EXPECT_LE(std::abs(fix.position.latitude), 90.0) << days << " " << course;
      EXPECT_LE(std::abs(fix.position.longitude), 180.0) << days << " " << course;
    }
  }
}

}  // namespace
}  // namespace nocturna
