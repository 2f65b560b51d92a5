#include "ephemeris/sun_position.h"

#include <cmath>

#include "ephemeris/ecliptic.h"
#include "ephemeris/julian.h"
#include "ephemeris/kepler.h"
#include "ephemeris/nutation.h"
#include "ephemeris/revolution.h"
#include "foundations/angles.h"

namespace nocturna {

EquatorialPlace SunPosition(BodyEphemeris& sun, const AstroMoment& moment) {
  const double t = ToJulian(moment).days1900 * kCenturiesPerDay;
  const double t2 = t * t;
  const double meanLongitude = 279.69668 + RevolutionDegrees(100.0021359 * t) + 0.0003035 * t2;
  const double meanAnomaly =
      358.47583 + RevolutionDegrees(99.99736042 * t) - (0.00015 + 0.0000033 * t) * t2;
  sun.eccentricity = 0.01675104 - 0.0000418 * t - 0.000000126 * t2;
  sun.meanAnomaly = DegToRad(meanAnomaly);
  const double trueAnomaly = SolveKepler(sun);

  // Perturbations by Venus (A, B), Jupiter (C), the Moon (D) and a long-period term (E),
  // and H for the radius vector.
  const double a = DegToRad(153.23 + RevolutionDegrees(62.552094721 * t));
  const double b = DegToRad(216.57 + RevolutionDegrees(125.1041894 * t));
  const double c = DegToRad(312.69 + RevolutionDegrees(91.56766028 * t));
  const double d = DegToRad(350.74 + RevolutionDegrees(1236.853095 * t) - 0.00144 * t2);
  const double e = DegToRad(231.19 + 20.2 * t);
  const double h = DegToRad(353.4 + RevolutionDegrees(183.1353208 * t));
  const double dLongitude = 0.00134 * std::cos(a) + 0.00154 * std::cos(b) + 0.002 * std::cos(c) +
                            0.00179 * std::sin(d) + 0.00178 * std::sin(e);
  const double dRadius = 0.00000543 * std::sin(a) + 0.00001575 * std::sin(b) +
                         0.00001627 * std::sin(c) + 0.00003076 * std::cos(d) +
                         0.00000927 * std::sin(h);

  double trueLongitude = DegToRad(meanLongitude - meanAnomaly + dLongitude) + trueAnomaly;
  if (trueLongitude < 0) trueLongitude += kTwoPi;
  if (trueLongitude > kTwoPi) trueLongitude -= kTwoPi;
  sun.trueLongitude = trueLongitude;
  sun.radiusVector = (1 - sun.eccentricity * std::cos(sun.eccentricAnomaly)) * 1.0000002 + dRadius;

  // Apparent longitude: nutation in longitude and the constant of aberration (20.5").
  double dPsi = 0;
  double dEps = 0;
  Nutation(moment, dPsi, dEps);
  const double apparentLongitude = trueLongitude + DegToRad(dPsi - 0.00569);

  const EquatorialPlace place = EclipticToEquatorial(sun, 0.0, apparentLongitude, moment, -1);
  sun.declination = RadToDeg(place.declination);
  return place;
}

}  // namespace nocturna
