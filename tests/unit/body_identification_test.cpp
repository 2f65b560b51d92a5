// Naming an unknown body: Vega and Arcturus placed by ERFA's own chain from their catalogue
// places (SIMBAD, Hipparcos new reduction) and observed with errors, and a run of fifty
// observations with up to 0.5 deg of altitude error and 5 deg of bearing error.
#include <erfa.h>
#include <gtest/gtest.h>

#include <cmath>

#include "property_random.h"
#include "sights/body_identification.h"
#include "sights/body_place.h"
#include "sights/sight_body.h"
#include "sights/sight_line.h"

namespace nocturna {
namespace {

constexpr double kJulianDayOf1899Dec30 = 2415018.5;
const EphemerisChoice kPrecise{EphemerisKind::precise, 0.0};

struct CatalogueStar {
  const char* name;
  double raHours, decDegrees, pmRaMas, pmDecMas, parallaxMas, rvKms;
};

// Geometric altitude and azimuth (degrees) of the star by eraAtco13, no refraction.
AltitudeAzimuth ErfaStar(const CatalogueStar& s, DateTime utc, const DrPosition& at) {
  const double dec = s.decDegrees * ERFA_DD2R, mas = ERFA_DAS2R / 1000.0;
  double aob, zob, hob, dob, rob, eo;
  eraAtco13(s.raHours * 15.0 * ERFA_DD2R, dec, s.pmRaMas * mas / std::cos(dec), s.pmDecMas * mas,
            s.parallaxMas / 1000.0, s.rvKms, kJulianDayOf1899Dec30, utc, 0.0, -at.longitude * ERFA_DD2R,
            at.latitude * ERFA_DD2R, 0.0, 0.0, 0.0, 0.0, 10.0, 0.5, 0.55, &aob, &zob, &hob, &dob, &rob, &eo);
  return {90.0 - zob * ERFA_DR2D, aob * ERFA_DR2D};
}

TEST(BodyIdentification, NamesStarsPlacedByErfa) {
  const CatalogueStar stars[] = {
      {"Vega", 18.0 + 36.0 / 60 + 56.336 / 3600, 38.0 + 47.0 / 60 + 1.28 / 3600, 200.94, 286.23, 130.23, -13.5},
      {"Arcturus", 14.0 + 15.0 / 60 + 39.672 / 3600, 19.0 + 10.0 / 60 + 56.67 / 3600, -1093.39, -2000.06, 88.83, -5.19},
  };
  const DateTime utc = EncodeDateTime(2026, 7, 15, 0, 0, 0);
  const DrPosition dr{40.0, 30.0};
  BodyCatalog scratch = BuildCatalog();
  for (const CatalogueStar& star : stars) {
    const AltitudeAzimuth seen = ErfaStar(star, utc, dr);
    const Identification found = IdentifyBody(scratch, utc, dr, seen.hcDegrees - 0.4, seen.znDegrees + 4.0, kPrecise);
    ASSERT_FALSE(found.candidates.empty()) << star.name;
    EXPECT_EQ(found.candidates.front().bodyIndex, FindSightBody(star.name).value()) << found.note;
    EXPECT_FALSE(found.tie) << found.note;
    EXPECT_NE(found.note.find(star.name), std::string::npos);
  }
  const Identification nothing = IdentifyBody(scratch, utc, dr, 5.0, 10.0, kPrecise);  // low in the north
  EXPECT_TRUE(nothing.candidates.empty() || nothing.candidates.front().score > 1.0);
}

TEST(BodyIdentification, FiftyRoughObservationsNamedFirstOrTied) {
  property::RandomPicker pick;
  BodyCatalog scratch = BuildCatalog();
  int named = 0, trials = 0;
  while (trials < 50) {
    const DateTime utc = EncodeDateTime(2026, pick.Integer(1, 12), pick.Integer(1, 28), pick.Integer(0, 23), 0, 0);
    const DrPosition dr{pick.Real(-60.0, 60.0), pick.Real(-180.0, 180.0)};
    BodyCatalog truth = BuildCatalog();
    const int body = pick.Integer(kFirstStarIndex, kMoonIndex);
    const BodyPlace place = PlaceOfBody(truth, body, utc, dr, kPrecise);
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
