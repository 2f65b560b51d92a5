// The lunar theory: mean elements, worked values, and the apparent place against an independent
// reference: ERFA's Moon98 (the ELP-2000/82 truncation of Meeus ch. 47) rotated to the true equator
// and equinox of date with IAU 2006/2000A precession-nutation, computed in python3 with the UT
// moment as its time argument (this theory takes no Delta-T either). HP = asin(6378.14 km / r),
// SD = asin(0.27249 sin HP).
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <string_view>

#include "ephemeris/julian.h"
#include "ephemeris/moon.h"
#include "ephemeris/sun_position.h"
#include "foundations/angles.h"

namespace nocturna {
namespace {

// Signed difference a - b of two angles in degrees, taken in -180..180.
double AngleDifference(double a, double b) { return std::remainder(a - b, 360.0); }

TEST(MoonMeanElementsTest, EpochGivesTheConstantsAndEarlierDatesFallBelowThem) {
  const MoonMeanElements epoch = ComputeMoonMeanElements(0.0);
  EXPECT_DOUBLE_EQ(epoch.meanLongitude, 270.434164);
  EXPECT_DOUBLE_EQ(epoch.sunMeanAnomaly, 358.475833);
  EXPECT_DOUBLE_EQ(epoch.moonMeanAnomaly, 296.104608);
  EXPECT_DOUBLE_EQ(epoch.meanElongation, 350.737486);
  EXPECT_DOUBLE_EQ(epoch.argumentOfLatitude, 11.250889);
  EXPECT_DOUBLE_EQ(epoch.ascendingNode, 259.183275);

  // Before 1900 the fractional revolutions are negative: the angles stay within one turn below
  // their constants (the node, which regresses, within one turn above).
  for (const double days : {-0.5, -10.0, -3652.5, -36524.0}) {
    const MoonMeanElements el = ComputeMoonMeanElements(days);
    EXPECT_GT(el.meanLongitude, 270.434164 - 360.0) << days;
    EXPECT_LT(el.meanLongitude, 270.434164) << days;
    EXPECT_LT(el.meanElongation, 350.737486) << days;
    EXPECT_GT(el.ascendingNode, 259.183275) << days;
    EXPECT_LT(el.ascendingNode, 259.183275 + 360.0) << days;
  }
}

TEST(MoonTest, WorkedValuesOfTheFullMoonOf2000January21) {
  BodyEphemeris moon{};
  const AstroMoment moment = MakeAstroMoment(1, 21, 2000, 4, 43, 0);
  ASSERT_NEAR(ToJulian(moment).days1900, 36544.69653, 1e-5);
  ComputeMoon(moon, moment);
  EXPECT_NEAR(RadToDeg(moon.eclipticLongitude), 120.457, 0.0005);
  EXPECT_NEAR(RadToDeg(moon.eclipticLatitude), -0.296, 0.0005);
  EXPECT_NEAR(moon.horizontalParallax, 1.0134, 0.00005);
  EXPECT_NEAR(moon.distance, 360642, 1.0);
  EXPECT_NEAR(moon.semiDiameter, 0.2761, 0.00005);
  EXPECT_GT(moon.illuminatedFraction, 0.9999);
  EXPECT_EQ(std::string_view(moon.name), "Moon");

  // Opposite the Sun: the Sun step left the Sun's true longitude in the record.
  const double elongation = AngleDifference(RadToDeg(moon.eclipticLongitude),
                                            RadToDeg(moon.trueLongitude) + 180.0);
  EXPECT_LT(std::fabs(elongation), 0.02) << "Moon minus Sun minus 180: " << elongation;
}

struct MoonPlaceCase {
  AstroMoment moment;
  double sha;                 // degrees
  double declination;         // degrees
  double horizontalParallax;  // degrees
  double semiDiameter;        // degrees
};

TEST(MoonTest, PlaceParallaxAndSemiDiameterMatchIndependentReference) {
  const MoonPlaceCase cases[] = {
      {MakeAstroMoment(3, 4, 1996, 0, 0, 0), 211.3629, 8.5098, 0.9159, 0.2496},
      {MakeAstroMoment(8, 11, 1999, 11, 3, 0), 219.1172, 15.8133, 0.9790, 0.2667},
      {MakeAstroMoment(12, 24, 2003, 18, 30, 0), 65.8787, -26.1997, 1.0064, 0.2742},
      {MakeAstroMoment(6, 1, 2008, 6, 45, 30), 328.7787, 17.8147, 1.0095, 0.2751},
      {MakeAstroMoment(2, 14, 2014, 21, 0, 0), 214.5056, 8.9321, 0.9053, 0.2467},
      {MakeAstroMoment(9, 30, 2019, 3, 15, 0), 154.1207, -5.4724, 1.0104, 0.2753},
      {MakeAstroMoment(11, 5, 2024, 13, 59, 59), 90.7830, -28.5760, 0.9301, 0.2534},
      {MakeAstroMoment(5, 21, 2031, 9, 20, 0), 300.9736, 20.1053, 0.9127, 0.2487},
      {MakeAstroMoment(12, 31, 2035, 23, 59, 0), 52.1314, -16.9843, 0.9003, 0.2453},
  };
  for (const MoonPlaceCase& c : cases) {
    BodyEphemeris moon{};
    const EquatorialPlace place = ComputeMoon(moon, c.moment);
    const std::string when = std::to_string(c.moment.year) + "-" + std::to_string(c.moment.month) +
                             "-" + std::to_string(c.moment.day);
    const double shaError = AngleDifference(moon.sha, c.sha) * 60;
    const double decError = (moon.declination - c.declination) * 60;
    const double hpError = (moon.horizontalParallax - c.horizontalParallax) * 60;
    const double sdError = (moon.semiDiameter - c.semiDiameter) * 60;
    EXPECT_LT(std::fabs(shaError), 1.0)
        << when << " SHA expected " << c.sha << " got " << moon.sha << " diff " << shaError << "'";
    EXPECT_LT(std::fabs(decError), 1.0) << when << " dec expected " << c.declination << " got "
                                        << moon.declination << " diff " << decError << "'";
    EXPECT_LT(std::fabs(hpError), 0.05) << when << " HP expected " << c.horizontalParallax
                                        << " got " << moon.horizontalParallax << " diff " << hpError << "'";
    EXPECT_LT(std::fabs(sdError), 0.05) << when << " SD expected " << c.semiDiameter << " got "
                                        << moon.semiDiameter << " diff " << sdError << "'";

    // The returned pair is the Moon's place, and the record keeps the Moon's declination and SHA
    // although the Sun step ran on it.
    EXPECT_NEAR(RadToDeg(place.declination), moon.declination, 1e-9) << when;
    EXPECT_NEAR(std::remainder(RadToDeg(place.rightAscension) + moon.sha, 360.0), 0.0, 1e-6) << when;
    BodyEphemeris sun{};
    SunPosition(sun, c.moment);
    EXPECT_EQ(moon.trueLongitude, sun.trueLongitude) << when;
    EXPECT_NE(moon.declination, sun.declination) << when;
    EXPECT_GE(moon.eclipticLongitude, 0.0) << when;
    EXPECT_LE(moon.eclipticLongitude, kTwoPi) << when;
  }
}

struct PhaseCase {
  AstroMoment moment;
  double fraction;  // illuminated fraction
};

TEST(MoonTest, IlluminatedFractionFollowsThePhases) {
  // New Moon at the total solar eclipse of 1999 August 11, quarters and full Moons of 2024.
  const PhaseCase cases[] = {
      {MakeAstroMoment(8, 11, 1999, 11, 3, 0), 0.0},
      {MakeAstroMoment(1, 25, 2024, 17, 54, 0), 1.0},   // full
      {MakeAstroMoment(2, 16, 2024, 15, 1, 0), 0.5},    // first quarter
      {MakeAstroMoment(3, 3, 2024, 15, 24, 0), 0.5},    // last quarter
  };
  for (const PhaseCase& c : cases) {
    BodyEphemeris moon{};
    ComputeMoon(moon, c.moment);
    EXPECT_NEAR(moon.illuminatedFraction, c.fraction, 0.01)
        << c.moment.year << "-" << c.moment.month << "-" << c.moment.day;
  }
}

}  // namespace
}  // namespace nocturna
