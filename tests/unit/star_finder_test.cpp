// The star finder on the real sky: its set against every set of the candidates, its moment
// inside the twilight, its messages, its shooting order, and the DR carried to the twilight.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "navigation/almanac_snapshot.h"
#include "sights/sight_corrections.h"
#include "starfinder/star_finder.h"
#include "unit/star_set_reference.h"

namespace nocturna {
namespace {

struct Place {
  const char* name;
  DrPosition position;  // north and WEST positive
  int year, month, day;
};

// From the tropics to high latitudes, both hemispheres and both far zones, through the seasons.
const Place kPlaces[] = {
    {"42N 75W equinox", {42, 75}, 2026, 3, 20},        {"equator midsummer", {0, 0}, 2026, 6, 21},
    {"34S 151E winter", {-33.9, -151.2}, 2025, 8, 10}, {"60N 20W autumn", {60, 20}, 2024, 11, 15},
    {"21N 158W January", {21.3, 157.9}, 2030, 1, 15},
};

DeadReckoning NoonDr(const Place& place) {
  return {place.position, EncodeDateTime(place.year, place.month, place.day, 12, 0, 0), 0, 0};
}

// The candidates as an independent pass reads them: the catalog reduced afresh at the
// finder's moment and position.
std::vector<SetCandidate> CandidatesAt(const StarFinderResult& result,
                                       const StarFinderSettings& settings) {
  const AlmanacSnapshot sky =
      TakeAlmanacSnapshot(result.moment, result.zoneDescription, result.position);
  std::vector<SetCandidate> candidates;
  for (int k = 1; k <= 61; ++k) {
    if (sky.catalog.hc[k] >= settings.minAltitude && sky.catalog.hc[k] <= settings.maxAltitude &&
        sky.catalog.entries[k].magnitude <= settings.magnitudeLimit) {
      candidates.push_back({sky.catalog.zn[k], sky.catalog.entries[k].magnitude});
    }
  }
  return candidates;
}

TEST(StarFinder, ChoosesTheBestSetsOfThreeAndFourInBothTwilights) {
  for (const Place& place : kPlaces) {
    const int zd = ZoneDescriptionFromLongitude(place.position);
    for (Twilight twilight : {Twilight::morning, Twilight::evening}) {
      for (int size : {3, 4}) {
        StarFinderSettings settings;
        settings.twilight = twilight;
        settings.setSize = size;
        const StarFinderResult result = FindStars(NoonDr(place), zd, settings);
        SCOPED_TRACE(std::string(place.name) + " " + TwilightName(twilight) + " set of " +
                     std::to_string(size));
        ASSERT_TRUE(result.error.empty()) << result.error;
        ASSERT_EQ(static_cast<int>(result.bodies.size()), size) << result.message;
        const std::vector<SetCandidate> candidates = CandidatesAt(result, settings);
        EXPECT_EQ(result.candidateCount, static_cast<int>(candidates.size()));
        EXPECT_NEAR(result.hdop, ReferenceBestHdop(candidates, size), 1e-9);
        // The Sun stands between 12° and 6° below the horizon at the middle of the window.
        const AlmanacSnapshot sky = TakeAlmanacSnapshot(result.moment, zd, result.position);
        EXPECT_GT(sky.catalog.hc[kSunIndex], -12.5);
        EXPECT_LT(sky.catalog.hc[kSunIndex], -5.5);
      }
    }
  }
}

TEST(StarFinder, PresetAltitudeReadsHcOnceCorrectedAndKeepsTheLimits) {
  StarFinderSettings settings;
  settings.setSize = 6;
  settings.indexCorrection = -2.5;
  settings.heightOfEye = 12;
  const StarFinderResult result = FindStars(NoonDr(kPlaces[0]), 5, settings);
  ASSERT_EQ(result.bodies.size(), 6u) << result.message;
  SightConditions conditions;
  conditions.indexCorrectionMinutes = -2.5;
  conditions.heightOfEyeMetres = 12;
  for (const FinderBody& body : result.bodies) {
    EXPECT_GE(body.hc, 15);
    EXPECT_LE(body.hc, 70);
    EXPECT_LE(body.magnitude, 2.5);
    EXPECT_NEAR(CorrectSextantAltitude(body.hs, conditions, BodyDisc{}).observedAltitudeDegrees,
                body.hc, 1e-7)
        << body.name;
    // IC -2.5' and dip 6.1' both raise the reading, refraction too.
    EXPECT_GT((body.hs - body.hc) * 60, 8.6) << body.name;
  }
}

TEST(StarFinder, SaysPlainlyWhenTooFewBodiesQualifyOrThereIsNoTwilight) {
  StarFinderSettings narrow;
  narrow.minAltitude = 80;
  narrow.maxAltitude = 90;
  narrow.magnitudeLimit = 0.5;
  const StarFinderResult tooFew = FindStars(NoonDr(kPlaces[0]), 5, narrow);
  EXPECT_TRUE(tooFew.bodies.empty());
  EXPECT_LT(tooFew.candidateCount, 3);
  EXPECT_NE(tooFew.message.find("a fix needs three. Widen the altitude band, raise the "
                                "magnitude limit or choose another moment."),
            std::string::npos)
      << tooFew.message;
  EXPECT_EQ(tooFew.candidateCount, 0);
  EXPECT_EQ(tooFew.message.rfind("No body lies between 80", 0), 0u) << tooFew.message;

  // At 70°N at midsummer the Sun never sinks 12° (nor 6°): no window, but a chosen moment works.
  const DeadReckoning arctic{{70, -20}, EncodeDateTime(2026, 6, 21, 12, 0, 0), 0, 0};
  const StarFinderResult summer = FindStars(arctic, -1, StarFinderSettings{});
  EXPECT_FALSE(summer.window.occurs);
  EXPECT_EQ(summer.message,
            "No morning twilight window: nautical twilight is CP (the Sun stays above that "
            "depression all day). Choose a moment to see the sky then.");
  // There the midnight Sun is still up (+3 deg): a chosen moment is refused, not planned.
  StarFinderSettings chosen;
  chosen.moment = EncodeDateTime(2026, 6, 21, 23, 30, 0);
  chosen.magnitudeLimit = 6;
  const StarFinderResult sunUp = FindStars(arctic, -1, chosen);
  EXPECT_TRUE(sunUp.outsideTwilight);
  EXPECT_NEAR(sunUp.sunAltitude, 3.4, 0.3);
  EXPECT_TRUE(sunUp.bodies.empty());
  EXPECT_NE(sunUp.message.find("no morning twilight window"), std::string::npos) << sunUp.message;
  // At 60 deg N the midsummer midnight is a light twilight with no nautical window: the chosen
  // moment works.
  const DeadReckoning north{{60, -20}, EncodeDateTime(2026, 6, 21, 12, 0, 0), 0, 0};
  const StarFinderResult atMoment = FindStars(north, -1, chosen);
  EXPECT_FALSE(atMoment.window.occurs);
  EXPECT_TRUE(atMoment.momentChosen);
  EXPECT_EQ(atMoment.moment, *chosen.moment);
  EXPECT_EQ(atMoment.bodies.size(), 3u) << atMoment.message;
  // Noon at 35 deg N, the Sun at 32 deg, and a black night with no horizon: both refused.
  const DeadReckoning south{{35, 0}, EncodeDateTime(2026, 12, 21, 12, 0, 0), 0, 0};
  for (const DateTime moment : {EncodeDateTime(2026, 12, 21, 12, 0, 0), EncodeDateTime(2026, 12, 21, 0, 0, 0)}) {
    chosen.moment = moment;
    const StarFinderResult refused = FindStars(south, 0, chosen);
    EXPECT_TRUE(refused.outsideTwilight && refused.bodies.empty()) << refused.message;
    EXPECT_NE(refused.message.find("morning twilight 06"), std::string::npos) << refused.message;
  }

  StarFinderSettings bad;
  bad.setSize = 7;
  EXPECT_EQ(FindStars(arctic, -1, bad).error, "The set must have from 3 to 6 bodies.");
  bad = {};
  bad.minAltitude = 70;
  bad.maxAltitude = 15;
  EXPECT_FALSE(StarFinderSettingsError(bad).empty());
}

TEST(StarFinder, ShootsFromTheEastRoundToTheWest) {
  std::vector<FinderBody> bodies;
  for (double zn : {270.0, 95.0, 180.0, 0.0, 80.0, 135.0}) {
    FinderBody body;
    body.zn = zn;
    bodies.push_back(body);
  }
  SortInShootingOrder(bodies);
  const double expected[] = {95, 80, 135, 0, 180, 270};  // 0 and 180 tie at 90° from east
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(bodies[i].zn, expected[i]) << i;
    EXPECT_EQ(bodies[i].order, i + 1);
  }
}

TEST(StarFinder, CarriesTheDrByCourseAndSpeedToTheTwilight) {
  // Carried to the morning twilight: the finder's DR is where the ship will be.
  const DeadReckoning dr{{42, 75}, EncodeDateTime(2026, 3, 20, 5, 0, 0), 90, 10};  // 00:00 zone time
  const StarFinderResult result = FindStars(dr, 5, StarFinderSettings{});
  const double hours = (result.moment + 5.0 / 24 - dr.utc) * 24;  // zone time to UTC
  EXPECT_GT(hours, 4);
  EXPECT_NEAR(result.position.longitude, 75 - hours * 10 / (60 * std::cos(42 * M_PI / 180)), 1e-6);
  EXPECT_NEAR(result.position.latitude, 42, 1e-9);
}

}  // namespace
}  // namespace nocturna
