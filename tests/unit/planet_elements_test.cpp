// Planets' mean elements against the elements of date at J2000.0 published by Meeus
// (Astronomical Algorithms, table 31.A, mean equinox of the date), from a different fit.
#include "ephemeris/planet_elements.h"

#include <gtest/gtest.h>

#include <cmath>

#include "ephemeris/julian.h"

namespace nocturna {
namespace {

struct ElementsCase {
  const char* planet;
  double meanLongitude, perihelion, eccentricity, inclination, node;  // degrees except e
  double semiMajorAxis, diameterAt1Au, magnitudeV0;
};

TEST(PlanetElementsTest, ElementsAtJ2000MatchPublishedElementsOfDate) {
  const ElementsCase cases[] = {
      {"Venus", 181.979801, 131.563703, 0.00677192, 3.394662, 76.679920, 0.7233316, 16.92, -4.4},
      {"Mars", 355.433000, 336.060234, 0.09340065, 1.849726, 49.558093, 1.5236883, 9.36, -1.52},
      {"Jupiter", 34.351519, 14.331207, 0.04849793, 1.303267, 100.464407, 5.202561, 196.74, -9.4},
      {"Saturn", 50.077444, 93.057237, 0.05554814, 2.488879, 113.665503, 9.554747, 165.6, -8.88},
  };
  SunPlanetRecords records{};
  records[0].meanLongitude = 123.0;  // the Sun's record is left alone
  PlanetElements(MakeAstroMoment(1, 1, 2000, 12, 0, 0), records);
  EXPECT_EQ(records[0].meanLongitude, 123.0);
  EXPECT_EQ(records[0].magnitude, 0.0);
  for (int p = 0; p < 4; ++p) {
    const ElementsCase& c = cases[p];
    const BodyEphemeris& planet = records[p + 1];
    // The mean longitude is not reduced: compare modulo whole turns.
    EXPECT_NEAR(std::remainder(planet.meanLongitude - c.meanLongitude, 360.0), 0.0, 0.01)
        << c.planet;
    EXPECT_NEAR(planet.perihelionLongitude, c.perihelion, 0.01) << c.planet;
    EXPECT_NEAR(planet.meanEccentricity, c.eccentricity, 0.00001) << c.planet;
    EXPECT_NEAR(planet.inclination, c.inclination, 0.001) << c.planet;
    EXPECT_NEAR(planet.nodeLongitude, c.node, 0.015) << c.planet;
    EXPECT_EQ(planet.semiMajorAxis, c.semiMajorAxis) << c.planet;
    EXPECT_EQ(planet.diameterAt1Au, c.diameterAt1Au) << c.planet;
    EXPECT_EQ(planet.magnitude, c.magnitudeV0) << c.planet;
  }
}

TEST(PlanetElementsTest, DailyMotionIsTheDayToDayStepOfMeanLongitude) {
  SunPlanetRecords today{};
  SunPlanetRecords tomorrow{};
  PlanetElements(MakeAstroMoment(3, 1, 2026, 0, 0, 0), today);
  PlanetElements(MakeAstroMoment(3, 2, 2026, 0, 0, 0), tomorrow);
  for (int p = 1; p <= 4; ++p) {
    const double step = std::remainder(tomorrow[p].meanLongitude - today[p].meanLongitude, 360.0);
    EXPECT_NEAR(today[p].dailyMotion, step, 1e-5) << "planet record " << p;
  }
  // Venus about 1.602 degrees a day, Saturn about 0.0335 (sidereal periods 224.7 d and 29.46 y).
  EXPECT_NEAR(today[1].dailyMotion, 360 / 224.701, 0.001);
  EXPECT_NEAR(today[4].dailyMotion, 360 / (29.457 * 365.25), 0.0005);
}

}  // namespace
}  // namespace nocturna
