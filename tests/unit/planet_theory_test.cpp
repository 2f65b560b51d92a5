// The planetary theory against an independent ephemeris: apparent places from the full VSOP87
// series with light-time, annual aberration and IAU 1980 nutation, at TT = UT + Delta-T
// (computed outside this program). The theory itself takes UT as its time argument.
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>

#include "ephemeris/julian.h"
#include "ephemeris/planet.h"
#include "ephemeris/planet_elements.h"
#include "ephemeris/sun_and_planets.h"
#include "ephemeris/sun_position.h"
#include "foundations/angles.h"

namespace nocturna {
namespace {

constexpr const char* kNames[] = {"Venus", "Mars", "Jupiter", "Saturn"};

struct MomentFields {
  int year, month, day, hour, minute, second;
};

AstroMoment Moment(const MomentFields& m) {
  return MakeAstroMoment(m.month, m.day, m.year, m.hour, m.minute, m.second);
}

SunPlanetRecords ComputeAll(const AstroMoment& moment) {
  SunPlanetRecords records{};
  ComputeSunAndPlanets(moment, records);
  return records;
}

// Difference a - b in minutes of arc, wrapped into -180..180 degrees first.
double ArcMinutes(double a, double b) { return (std::remainder(a - b, 360.0)) * 60.0; }

struct Place {
  double rightAscension, declination;  // degrees
};

struct ReferencePlaces {
  MomentFields moment;
  Place planets[4];  // Venus, Mars, Jupiter, Saturn
};

TEST(PlanetTheory, ApparentPlacesAgreeWithIndependentEphemeris) {
  // Right ascension and declination of date, degrees.
  const ReferencePlaces cases[] = {
      {{2003, 8, 28, 0, 0, 0}, {{159.09550, 10.30755}, {339.56640, -15.76018}, {152.51356, 12.19930}, {101.08715, 22.29934}}},
      {{2000, 11, 28, 0, 0, 0}, {{289.61305, -24.58117}, {193.98332, -4.56322}, {64.45555, 20.43365}, {55.06288, 17.19977}}},
      {{1996, 3, 15, 6, 30, 0}, {{37.04117, 16.71260}, {353.64287, -3.74800}, {285.11379, -22.56080}, {358.19734, -2.98316}}},
      {{2012, 6, 6, 1, 0, 0}, {{74.50979, 22.83069}, {168.26011, 6.09779}, {56.64468, 19.10780}, {202.33382, -6.49583}}},
      {{2020, 12, 21, 18, 0, 0}, {{245.97698, -20.52725}, {21.23255, 9.61241}, {302.79342, -20.51435}, {302.77170, -20.41463}}},
      {{2035, 9, 14, 4, 18, 4}, {{181.31240, 0.83020}, {356.08996, -7.92459}, {48.60210, 16.68263}, {137.00812, 17.14739}}},
      {{2005, 1, 13, 0, 0, 0}, {{274.48936, -23.14762}, {251.19915, -22.29089}, {197.33095, -5.90718}, {115.84386, 21.32453}}},
      {{2027, 2, 4, 22, 45, 30}, {{271.65219, -21.15067}, {159.65383, 13.27230}, {145.53968, 14.88610}, {10.67154, 2.06117}}},
  };
  // Minutes of arc. Saturn's short perturbation series leaves errors of up to about 10' in
  // right ascension near its 2005 opposition.
  const double raTolerance[] = {0.75, 0.75, 0.75, 10.0};
  const double decTolerance[] = {0.75, 0.75, 0.75, 1.5};
  for (const ReferencePlaces& c : cases) {
    const SunPlanetRecords records = ComputeAll(Moment(c.moment));
    for (int p = 0; p < 4; ++p) {
      const BodyEphemeris& planet = records[p + 1];
      const Place& expected = c.planets[p];
      SCOPED_TRACE(testing::Message() << kNames[p] << " " << c.moment.year << "-" << c.moment.month
                                      << "-" << c.moment.day << " " << c.moment.hour << "h");
      EXPECT_LE(std::abs(ArcMinutes(planet.rightAscension, expected.rightAscension)), raTolerance[p])
          << "RA expected " << expected.rightAscension << " got " << planet.rightAscension;
      EXPECT_LE(std::abs(ArcMinutes(planet.declination, expected.declination)), decTolerance[p])
          << "Dec expected " << expected.declination << " got " << planet.declination;
      EXPECT_STREQ(planet.name, kNames[p]);
    }
  }
}

struct EclipticCase {
  MomentFields moment;
  int index;
  double longitude, latitude;  // geocentric, degrees
  double magnitude;
};

TEST(PlanetTheory, WorkedEclipticPlacesAndMagnitudes) {
  // Longitude and latitude from the independent ephemeris (geometric, with light-time);
  // magnitude V0 + 5 log10(r Delta / sqrt(k)) with its r, Delta (Mars 0.37274 AU, Jupiter
  // 4.04965 AU) and illuminated fraction.
  const EclipticCase cases[] = {
      {{2003, 8, 28, 0, 0, 0}, 2, 335.2188, -6.6347, -2.9597},
      {{2000, 11, 28, 0, 0, 0}, 3, 66.1625, -0.9158, -2.8524},
  };
  for (const EclipticCase& c : cases) {
    const SunPlanetRecords records = ComputeAll(Moment(c.moment));
    const BodyEphemeris& planet = records[c.index];
    // Back to the ecliptic with the obliquity of date; nutation and aberration, which the
    // place includes, stay below 0.012 degrees.
    const double eps = 23.4393 * kDegreesToRadians;
    const double ra = planet.rightAscension * kDegreesToRadians;
    const double dec = planet.declination * kDegreesToRadians;
    const double latitude =
        std::asin(std::sin(dec) * std::cos(eps) - std::cos(dec) * std::sin(eps) * std::sin(ra));
    const double longitude = std::atan2(std::sin(ra) * std::cos(eps) + std::tan(dec) * std::sin(eps),
                                        std::cos(ra));
    SCOPED_TRACE(planet.name);
    EXPECT_NEAR(ArcMinutes(RadToDeg(longitude), c.longitude) / 60.0, 0.0, 0.02)
        << "longitude expected " << c.longitude << " got " << RadToDeg(longitude);
    EXPECT_NEAR(RadToDeg(latitude), c.latitude, 0.012);
    EXPECT_NEAR(planet.magnitude, c.magnitude, 0.01);
  }
}

TEST(PlanetTheory, RecordsOfEachPlanetAndRepeatedDriverCalls) {
  const AstroMoment moment = MakeAstroMoment(4, 18, 2017, 21, 5, 33);
  SunPlanetRecords records{};
  ComputeSunAndPlanets(moment, records);
  const SunPlanetRecords first = records;
  // The driver resets the magnitude constants first, so a second run is identical.
  ComputeSunAndPlanets(moment, records);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(std::memcmp(&first[i], &records[i], sizeof(BodyEphemeris)), 0) << "record " << i;
  }
  // Only Jupiter and Saturn perturb the eccentricity.
  EXPECT_EQ(records[1].eccentricity, records[1].meanEccentricity);
  EXPECT_EQ(records[2].eccentricity, records[2].meanEccentricity);
  EXPECT_NE(records[3].eccentricity, records[3].meanEccentricity);
  EXPECT_NE(records[4].eccentricity, records[4].meanEccentricity);
  for (int i = 1; i <= 4; ++i) {
    EXPECT_GE(records[i].sha, 0.0);
    EXPECT_LT(records[i].sha, 360.0);
    EXPECT_GT(records[i].magnitude, -6.0) << kNames[i - 1];
    EXPECT_LT(records[i].magnitude, 3.0) << kNames[i - 1];
  }
}

TEST(PlanetTheory, IndexOutsideThePlanetsChangesNothing) {
  const AstroMoment moment = MakeAstroMoment(1, 1, 2010, 0, 0, 0);
  SunPlanetRecords records{};
  PlanetElements(moment, records);
  SunPosition(records[0], moment);
  const SunPlanetRecords before = records;
  for (const int index : {0, 5, -1, 1000}) {
    const EquatorialPlace place = ComputePlanet(records, index, moment);
    EXPECT_EQ(place.declination, 0.0);
    EXPECT_EQ(place.rightAscension, 0.0);
    for (int i = 0; i < 5; ++i) {
      EXPECT_EQ(std::memcmp(&before[i], &records[i], sizeof(BodyEphemeris)), 0) << index;
    }
  }
}

TEST(PlanetTheory, VenusAtInferiorConjunctionStaysFiniteAndNearTheSun) {
  // The transit of 2004 June 8: Venus almost exactly between the Earth and the Sun, its
  // illuminated fraction near 5e-5 (independent ephemeris: magnitude by this formula +2.95).
  const SunPlanetRecords records = ComputeAll(MakeAstroMoment(6, 8, 2004, 8, 20, 0));
  const BodyEphemeris& venus = records[1];
  EXPECT_TRUE(std::isfinite(venus.magnitude));
  EXPECT_GT(venus.magnitude, 0.0);
  EXPECT_LT(std::abs(ArcMinutes(venus.rightAscension, records[0].rightAscension)), 30.0);
  EXPECT_LT(std::abs(ArcMinutes(venus.declination, records[0].declination)), 30.0);
}

}  // namespace
}  // namespace nocturna
