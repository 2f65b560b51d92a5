// Naming an unknown body: Vega and Arcturus placed by ERFA's own chain from their catalogue
// places (SIMBAD, Hipparcos new reduction) and observed with errors, and a run of fifty
// observations with up to 0.5 deg of altitude error and 5 deg of bearing error.
#include <gtest/gtest.h>

#include <cmath>

#include "property_random.h"
#include "sights/body_identification.h"
#include "sights/body_place.h"
#include "sights/sight_body.h"
#include "sights/sight_line.h"
#include "support/erfa_observed.h"

namespace nocturna {
namespace {

const EphemerisChoice kPrecise{EphemerisKind::precise, 0.0};

TEST(BodyIdentification, NamesStarsPlacedByErfa) {
  const StarCatalogRow stars[] = {
      {"Vega", (18.0 + 36.0 / 60 + 56.336 / 3600) * 15.0, 38.0 + 47.0 / 60 + 1.28 / 3600, 200.94, 286.23, 130.23,
       -13.5},
      {"Arcturus", (14.0 + 15.0 / 60 + 39.672 / 3600) * 15.0, 19.0 + 10.0 / 60 + 56.67 / 3600, -1093.39, -2000.06,
       88.83, -5.19},
  };
  const DateTime utc = EncodeDateTime(2026, 7, 15, 0, 0, 0);
  const DrPosition dr{40.0, 30.0};
  BodyCatalog scratch = BuildCatalog();
  for (const StarCatalogRow& star : stars) {
    const AltitudeAzimuth seen = reference::ErfaObservedStar(star, utc, dr);
    const Identification found = IdentifyBody(scratch, utc, dr, seen.hcDegrees - 0.4, seen.znDegrees + 4.0, kPrecise);
    ASSERT_FALSE(found.candidates.empty()) << star.name;
    EXPECT_EQ(found.candidates.front().bodyIndex, FindSightBody(star.name).value()) << found.note;
    EXPECT_FALSE(found.tie) << found.note;
    EXPECT_NE(found.note.find(star.name), std::string::npos);
  }
  const Identification nothing = IdentifyBody(scratch, utc, dr, 5.0, 10.0, kPrecise);  // low in the north
  EXPECT_TRUE(nothing.candidates.empty() || nothing.candidates.front().score > 1.0);
}

TEST(BodyIdentification, FiftyRoughObservationsNamedFirst) {
  property::RandomPicker pick;
  BodyCatalog scratch = BuildCatalog();
  int named = 0, trials = 0;
  while (trials < 50) {
    const DateTime utc = EncodeDateTime(2026, pick.Integer(1, 12), pick.Integer(1, 28), pick.Integer(0, 23), 0, 0);
    const DrPosition dr{pick.Real(-60.0, 60.0), pick.Real(-180.0, 180.0)};
    BodyCatalog truth = BuildCatalog();
    const int body = pick.Integer(kFirstStarIndex, kMoonIndex);
    const BodyPlace place = PlaceOfBody(truth, body, utc, kPrecise);
    const AltitudeAzimuth seen = ComputedAltitudeAzimuth(place.ghaDegrees, place.declinationDegrees, dr);
    if (seen.hcDegrees < 10.0 || seen.hcDegrees > 80.0) continue;
    ++trials;
    const Identification found = IdentifyBody(scratch, utc, dr, seen.hcDegrees + pick.Real(-0.5, 0.5),
                                              seen.znDegrees + pick.Real(-5.0, 5.0), kPrecise);
    if (!found.candidates.empty() && found.candidates.front().bodyIndex == body) ++named;
  }
  EXPECT_GE(named, 49);
}

}  // namespace
}  // namespace nocturna
