// The Sun's apparent place, nutation, obliquity, Kepler's equation and the ecliptic conversion.
// Reference places: apparent geocentric Sun from ERFA (IAU 2006/2000A precession-nutation,
// EPV00 Earth ephemeris, annual aberration), computed independently in python3 for the UT moment.
#include "ephemeris/sun_position.h"

#include <gtest/gtest.h>

#include <cmath>

#include "ephemeris/ecliptic.h"
#include "ephemeris/julian.h"
#include "ephemeris/kepler.h"
#include "ephemeris/nutation.h"
#include "ephemeris/sidereal.h"
#include "foundations/angles.h"

namespace nocturna {
namespace {

// Signed difference a - b of two angles in degrees, taken in -180..180.
double AngleDifference(double a, double b) { return std::remainder(a - b, 360.0); }

struct SunPlaceCase {
  int year, month, day, hour, minute, second;
  double gha;          // degrees
  double declination;  // degrees
};

TEST(SunPositionTest, GhaAndDeclinationMatchIndependentReference) {
  const SunPlaceCase cases[] = {
      {2000, 3, 20, 7, 35, 0, 291.89182, -0.00001},  // March equinox
      {2000, 6, 21, 1, 48, 0, 206.56894, 23.43784},  // June solstice
      {2024, 11, 3, 12, 0, 0, 4.11253, -15.30039},  {2026, 2, 12, 12, 0, 0, 356.45807, -13.59524},
      {2026, 12, 6, 17, 5, 9, 78.51258, -22.54730}, {1995, 9, 23, 6, 13, 0, 275.10424, 0.09717},
      {2035, 7, 4, 22, 30, 0, 156.36470, 22.81681},
  };
  for (const SunPlaceCase& c : cases) {
    const AstroMoment moment = MakeAstroMoment(c.month, c.day, c.year, c.hour, c.minute, c.second);
    BodyEphemeris sun{};
    const EquatorialPlace place = SunPosition(sun, moment);
    const double gha = ApproxGhaAries(moment.month, moment.day, moment.year, moment.hour,
                                      moment.minute, moment.second) +
                       sun.sha;
    const double ghaError = AngleDifference(gha, c.gha) * 60;
    const double decError = (sun.declination - c.declination) * 60;
    EXPECT_LT(std::fabs(ghaError), 0.5)
        << c.year << "-" << c.month << "-" << c.day << " GHA expected " << c.gha << " got " << gha
        << " diff " << ghaError << "'";
    EXPECT_LT(std::fabs(decError), 0.1)
        << c.year << "-" << c.month << "-" << c.day << " dec expected " << c.declination << " got "
        << sun.declination << " diff " << decError << "'";
    // The returned pair is the record's place in radians.
    EXPECT_NEAR(RadToDeg(place.declination), sun.declination, 1e-12);
    EXPECT_NEAR(RadToDeg(place.rightAscension), sun.rightAscension, 1e-9);
    EXPECT_NEAR(sun.sha + sun.rightAscension, 360.0, 1e-6) << "sha " << sun.sha;
    EXPECT_GT(sun.radiusVector, 0.983);
    EXPECT_LT(sun.radiusVector, 1.017);
    EXPECT_GE(sun.trueLongitude, 0.0);
    EXPECT_LE(sun.trueLongitude, kTwoPi);
  }
}

TEST(SunPositionTest, RadiusVectorAtPerihelionAndAphelion) {
  // Earth-Sun distance near perihelion (2024-01-03 0.98331 AU) and aphelion (2024-07-05 1.01673).
  BodyEphemeris sun{};
  SunPosition(sun, MakeAstroMoment(1, 3, 2024, 0, 0, 0));
  EXPECT_NEAR(sun.radiusVector, 0.98331, 0.00003);
  SunPosition(sun, MakeAstroMoment(7, 5, 2024, 5, 0, 0));
  EXPECT_NEAR(sun.radiusVector, 1.01673, 0.00003);
}

TEST(NutationTest, MatchesPublishedWorkedExample) {
  // 1987 April 10, 0h: dPsi = -3.788", dEps = +9.443", true obliquity 23°26'36.850"
  // (IAU 1980 theory; Meeus, Astronomical Algorithms, example 22.a).
  const AstroMoment moment = MakeAstroMoment(4, 10, 1987, 0, 0, 0);
  double dPsi = 0;
  double dEps = 0;
  const double returned = Nutation(moment, dPsi, dEps);
  EXPECT_EQ(returned, dPsi);
  EXPECT_NEAR(dPsi * 3600, -3.788, 0.05);
  EXPECT_NEAR(dEps * 3600, 9.443, 0.05);
  EXPECT_NEAR(TrueObliquity(moment), 23.443569, 0.5 / 3600);
  // J2000.0 (IAU 1980 via ERFA): dPsi -13.923", dEps -5.774", true obliquity 23.437687°.
  const AstroMoment j2000 = MakeAstroMoment(1, 1, 2000, 12, 0, 0);
  Nutation(j2000, dPsi, dEps);
  EXPECT_NEAR(dPsi * 3600, -13.923, 0.05);
  EXPECT_NEAR(dEps * 3600, -5.774, 0.05);
  EXPECT_NEAR(TrueObliquity(j2000), 23.437687, 0.5 / 3600);
}

TEST(SolveKeplerTest, CircularOrbitAndResidual) {
  struct KeplerCase {
    double meanAnomaly;
    double eccentricity;
    double trueAnomaly;  // expected, radians
  };
  const KeplerCase cases[] = {
      {1.0, 0.0, 1.0},
      {4.0, 0.0, 4.0 - kTwoPi},        // beyond pi: the true anomaly comes back in -pi..pi
      {10.0, 0.0, 10.0 - 2 * kTwoPi},  // whole turns removed first
      // Meeus example 30.a: M = 5°, e = 0.1 gives E = 5.554589°; nu from tan(nu/2).
      {DegToRad(5.0), 0.1, 2 * std::atan(std::sqrt(1.1 / 0.9) * std::tan(DegToRad(5.554589) / 2))},
  };
  for (const KeplerCase& c : cases) {
    BodyEphemeris body{};
    body.meanAnomaly = c.meanAnomaly;
    body.eccentricity = c.eccentricity;
    const double nu = SolveKepler(body);
    EXPECT_NEAR(nu, c.trueAnomaly, 1e-6) << "M " << c.meanAnomaly << " e " << c.eccentricity;
    EXPECT_EQ(nu, body.trueAnomaly);
  }
  // Eccentric anomaly satisfies Kepler's equation for the largest eccentricity in use.
  BodyEphemeris mars{};
  mars.meanAnomaly = 2.5;
  mars.eccentricity = 0.0934;
  SolveKepler(mars);
  const double e = mars.eccentricAnomaly;
  EXPECT_NEAR(e - 0.0934 * std::sin(e), 2.5, 1e-6);

  // A non-finite mean anomaly (from a corrupt moment or position) ends, as NaN.
  BodyEphemeris corrupt{};
  corrupt.meanAnomaly = std::nan("");
  corrupt.eccentricity = 0.0167;
  EXPECT_TRUE(std::isnan(SolveKepler(corrupt)));
}

TEST(EclipticToEquatorialTest, SolsticePointAndEquinoxPoint) {
  const AstroMoment moment = MakeAstroMoment(6, 21, 2000, 0, 0, 0);
  const double eps = TrueObliquity(moment);
  BodyEphemeris body{};
  EquatorialPlace place = EclipticToEquatorial(body, 0.0, DegToRad(90.0), moment, -1);
  EXPECT_NEAR(RadToDeg(place.declination), eps, 1e-7);
  EXPECT_NEAR(body.rightAscension, 90.0, 1e-6);
  EXPECT_NEAR(body.sha, 270.0, 1e-6);

  // Right ascension exactly 0 gives sha 360, not 0: the two still add to 360.
  place = EclipticToEquatorial(body, 0.0, 0.0, moment, -1);
  EXPECT_EQ(place.rightAscension, 0.0);
  EXPECT_NEAR(body.sha, 360.0, 1e-6);

  // Just short of the north ecliptic pole: RA 18h, declination 90 - eps.
  place = EclipticToEquatorial(body, 1.5707963, 0.0, moment, -1);
  EXPECT_NEAR(RadToDeg(place.declination), 90 - eps, 1e-5);
  EXPECT_NEAR(body.rightAscension, 270.0, 1e-4);
}

}  // namespace
}  // namespace nocturna
