// Properties of every body's place and reduction over random moments of 1901..2099 and
// random places on the whole globe: values finite and in their ranges, and Hc and Zn equal
// to an independent reduction (horizon vector by atan2) of the catalog's GHA and declination.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "navigation/body_catalog.h"
#include "navigation/position_update.h"
#include "navigation/sight_reduction.h"
#include "property_random.h"

namespace nocturna {
namespace {

constexpr int kMoments = 2000;
constexpr int kPlacesPerMoment = 3;
constexpr double kHcTolerance = 1e-6;  // degrees
// Degrees, away from the zenith and the poles. The arc cosine the tables use loses digits for a
// body near the meridian (Zn near 0 or 180): up to some 1e-3 degrees, well under the 0.1 minute shown.
constexpr double kZnTolerance = 1e-3;

constexpr double kRadians = 3.14159265358979323846 / 180.0;

struct Horizon {
  double hc;  // degrees
  double zn;  // degrees, [0, 360)
};

// Altitude and azimuth from the body's direction in the observer's east-north-up frame.
Horizon IndependentReduction(double gha, double declination, const DrPosition& position) {
  const double lha = (gha - position.longitude) * kRadians;
  const double d = declination * kRadians;
  const double l = position.latitude * kRadians;
  const double east = -std::cos(d) * std::sin(lha);
  const double north = std::sin(d) * std::cos(l) - std::cos(d) * std::sin(l) * std::cos(lha);
  const double up = std::sin(d) * std::sin(l) + std::cos(d) * std::cos(l) * std::cos(lha);
  double zn = std::atan2(east, north) / kRadians;
  if (zn < 0) zn += 360.0;
  return {std::atan2(up, std::hypot(east, north)) / kRadians, zn};
}

// Azimuths 359.99999 and 0.00001 are 0.00002 apart.
double AzimuthDifference(double a, double b) {
  const double d = std::fabs(a - b);
  return std::fmin(d, 360.0 - d);
}

bool InRange(double value, double low, double high) { return value >= low && value <= high; }

// Fields of an ephemeris record that must be finite after a position update.
void ExpectRecordFinite(const BodyEphemeris& record, const std::string& where) {
  const double fields[] = {record.magnitude,     record.declination,      record.sha,
                           record.trueLongitude, record.radiusVector,     record.rightAscension,
                           record.distance,      record.semiDiameter,     record.horizontalParallax,
                           record.illuminatedFraction, record.eclipticLatitude,
                           record.eclipticLongitude};
  for (const double value : fields) EXPECT_TRUE(std::isfinite(value)) << record.name << " " << where;
}

TEST(PropertyPositions, EveryBodyFiniteInRangeAndReducedConsistently) {
  property::RandomPicker pick;
  BodyCatalog catalog = BuildCatalog();
  int failures = 0;
  for (int moment = 0; moment < kMoments && failures < 20; ++moment) {
    const CalendarDate date = pick.Date();
    const ClockTime time = pick.Time();
    const double ghaAries = ComputePositions(catalog, date, time);
    const std::string when = property::Describe(date, time, DrPosition{});
    ASSERT_TRUE(InRange(ghaAries, 0.0, 360.0) && ghaAries < 360.0) << ghaAries << " at " << when;
    for (const BodyEphemeris& record : catalog.sunPlanetRecords) ExpectRecordFinite(record, when);
    ExpectRecordFinite(catalog.moonRecord, when);
    EXPECT_TRUE(InRange(catalog.moonRecord.illuminatedFraction, 0.0, 1.0)) << when;
    EXPECT_GT(catalog.moonRecord.distance, 0.0) << when;

    for (int k = kFirstStarIndex; k < kBodyCount; ++k) {
      const CelestialBody& body = catalog.entries[k];
      const bool ok = std::isfinite(body.magnitude) && InRange(body.sha, 0.0, 360.0) &&
                      body.sha < 360.0 && InRange(body.declination, -90.0, 90.0) &&
                      InRange(catalog.gha[k], 0.0, 360.0) && catalog.gha[k] < 360.0;
      EXPECT_TRUE(ok) << body.name << ": SHA " << body.sha << " Dec " << body.declination
                      << " GHA " << catalog.gha[k] << " mag " << body.magnitude << " at " << when;
      failures += !ok;
    }

    for (int place = 0; place < kPlacesPerMoment; ++place) {
      const DrPosition position = pick.Position();
      const double lha = ReduceSights(catalog, position.latitude, position.longitude);
      EXPECT_TRUE(std::isfinite(lha));
      const std::string where = property::Describe(date, time, position);
      for (int k = kFirstStarIndex; k < kBodyCount; ++k) {
        const double hc = catalog.hc[k];
        const double zn = catalog.zn[k];
        const Horizon expected =
            IndependentReduction(catalog.gha[k], catalog.entries[k].declination, position);
        const bool zenithOrPole = std::fabs(expected.hc) > 89.9 || std::fabs(position.latitude) > 89.9;
        const bool ok = InRange(hc, -90.0, 90.0) && InRange(zn, 0.0, 360.0) &&
                        std::fabs(hc - expected.hc) <= kHcTolerance &&
                        (zenithOrPole || AzimuthDifference(zn, expected.zn) <= kZnTolerance);
        EXPECT_TRUE(ok) << catalog.entries[k].name << ": Hc " << hc << " expected " << expected.hc
                        << " (diff " << hc - expected.hc << "), Zn " << zn << " expected "
                        << expected.zn << " (diff " << AzimuthDifference(zn, expected.zn)
                        << ") at " << where;
        failures += !ok;
      }
    }
  }
}

}  // namespace
}  // namespace nocturna
