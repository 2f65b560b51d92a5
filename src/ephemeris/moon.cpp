#include "ephemeris/moon.h"

#include <cmath>
#include <cstddef>

#include "ephemeris/ecliptic.h"
#include "ephemeris/julian.h"
#include "ephemeris/moon_tables.h"
#include "ephemeris/nutation.h"
#include "ephemeris/revolution.h"
#include "ephemeris/sun_position.h"
#include "foundations/angles.h"

namespace nocturna {
namespace {

constexpr double kEarthRadiusKm = 6378.14;
// The Moon's apparent diameter is 0.5181 degrees at 384401 km.
constexpr double kMeanDiameterDegrees = 0.5181;
constexpr double kPerMeanDistanceKm = 2.6014500482568984e-06;

// Degrees turned in `days` by a motion of one revolution per `period` days, less whole turns.
double Revolutions(double days, double period) { return RevolutionDegrees(days / period); }

// The arguments of the series, radians, and the eccentricity factor E.
struct SeriesArguments {
  double d;
  double m;
  double mPrime;
  double f;
  double e;
};

template <typename Trig, std::size_t N>
double SumSeries(const MoonSeriesRow (&table)[N], const SeriesArguments& a, Trig trig) {
  const double factor[3] = {1.0, a.e, a.e * a.e};
  double sum = 0.0;
  for (const MoonSeriesRow& row : table) {
    const double argument = row.d * a.d + row.m * a.m + row.mPrime * a.mPrime + row.f * a.f;
    sum += row.coefficient * factor[row.eccentricityPower] * trig(argument);
  }
  return sum;
}

double Sine(double x) { return std::sin(x); }
double Cosine(double x) { return std::cos(x); }

}  // namespace

MoonMeanElements ComputeMoonMeanElements(double days1900) {
  const double t = days1900 * kCenturiesPerDay;
  const double t2 = t * t;
  const double d = days1900;
  return {
      270.434164 + Revolutions(d, 27.32158213) - (0.001133 - 1.9e-06 * t) * t2,
      358.475833 + Revolutions(d, 365.2596407) - (0.00015 + 3.3e-06 * t) * t2,
      296.104608 + Revolutions(d, 27.55455094) + (0.009192 + 1.44e-05 * t) * t2,
      350.737486 + Revolutions(d, 29.53058868) - (0.001436 - 1.9e-06 * t) * t2,
      11.250889 + Revolutions(d, 27.21222039) - (0.003211 + 3e-07 * t) * t2,
      259.183275 - Revolutions(d, 6798.363307) + (0.002078 + 2.2e-06 * t) * t2,
  };
}

EquatorialPlace ComputeMoon(BodyEphemeris& moon, const AstroMoment& moment) {
  const double days1900 = ToJulian(moment).days1900;
  const double t = days1900 * kCenturiesPerDay;
  MoonMeanElements el = ComputeMoonMeanElements(days1900);

  // Long-period corrections (the node keeps its mean value).
  const double s1 = std::sin(DegToRad(51.2 + 20.2 * t));
  const double s2 = 0.003964 * std::sin(DegToRad(346.56 + (132.87 - 0.0091731 * t) * t));
  const double sinNode = std::sin(DegToRad(el.ascendingNode));
  const double omega2 = el.ascendingNode + 275.05 - 2.3 * t;
  el.meanLongitude += 0.000233 * s1 + s2 + 0.001964 * sinNode;
  el.sunMeanAnomaly += -0.001778 * s1;
  el.moonMeanAnomaly += 0.000817 * s1 + s2 + 0.002541 * sinNode;
  el.meanElongation += 0.002011 * s1 + s2 + 0.001964 * sinNode;
  el.argumentOfLatitude += s2 - 0.024691 * sinNode - 0.004328 * std::sin(DegToRad(omega2));

  const SeriesArguments args{DegToRad(el.meanElongation), DegToRad(el.sunMeanAnomaly),
                             DegToRad(el.moonMeanAnomaly), DegToRad(el.argumentOfLatitude),
                             1.0 - (0.002495 + 7.52e-06 * t) * t};
  const double sumLongitude = SumSeries(MoonLongitudeTable, args, Sine);
  const double sumLatitude = SumSeries(MoonLatitudeTable, args, Sine);
  const double parallax = kMoonParallaxConstant + SumSeries(MoonParallaxTable, args, Cosine);

  double lambda = DegToRad(el.meanLongitude) + DegToRad(sumLongitude);
  while (lambda < 0) lambda += kTwoPi;
  while (lambda > kTwoPi) lambda -= kTwoPi;
  const double beta = DegToRad(sumLatitude) * (1.0 - 0.0004664 * std::cos(DegToRad(el.ascendingNode)) -
                                               7.54e-05 * std::cos(DegToRad(omega2)));
  moon.eclipticLongitude = lambda;
  moon.eclipticLatitude = beta;
  moon.horizontalParallax = parallax;

  // Apparent place: nutation in longitude, no aberration for the Moon.
  double dPsi = 0.0;
  double dEps = 0.0;
  Nutation(moment, dPsi, dEps);
  const EquatorialPlace place = EclipticToEquatorial(moon, beta, lambda + DegToRad(dPsi), moment, -1);
  moon.declination = RadToDeg(place.declination);

  moon.distance = kEarthRadiusKm / std::sin(DegToRad(parallax));
  moon.semiDiameter = 0.5 * kMeanDiameterDegrees / (moon.distance * kPerMeanDistanceKm);

  // The Sun's longitude for the phase; the Sun step reuses this record as working storage.
  const double moonDeclination = moon.declination;
  const double moonSha = moon.sha;
  SunPosition(moon, moment);
  const double sunLongitude = moon.trueLongitude;

  const double elongation = 1.570796327 - std::asin(std::cos(beta) * std::cos(lambda - sunLongitude));
  const double phaseAngle =
      (kPi - elongation) - DegToRad(0.1468 * std::sin(elongation) * (1.0 - 0.0549 * std::sin(args.mPrime)) /
                                    (1.0 - 0.0167 * std::sin(args.m)));
  moon.illuminatedFraction = (1.0 + std::cos(phaseAngle)) * 0.5;

  SetBodyName(moon, "Moon");
  moon.declination = moonDeclination;
  moon.sha = moonSha;
  return place;
}

}  // namespace nocturna
