#include "ephemeris/precise/elp_evaluation.h"

#include <cmath>

#include "ephemeris/precise/ecliptic_to_icrs.h"
#include "ephemeris/precise/elpmpp02_table.h"

namespace nocturna {
namespace {

constexpr double kJ2000 = 2451545.0;
constexpr double kDaysPerCentury = 36525.0;
constexpr double kRadiansPerArcsec = 3.14159265358979323846 / 648000.0;

double Polynomial(const double (&coefficients)[5], double t) {
  return (((coefficients[4] * t + coefficients[3]) * t + coefficients[2]) * t +
          coefficients[1]) * t + coefficients[0];
}

double EvaluateCoordinate(const ElpCoordinate& coordinate, double t) {
  double value = 0.0;
  double tPower = 1.0;
  for (const ElpSeries& series : coordinate.powers) {
    double sum = 0.0;
    for (int k = 0; k < series.count; ++k) {
      sum += series.terms[k].amplitude * std::sin(Polynomial(series.terms[k].phase, t));
    }
    value += tPower * sum;
    tPower *= t;
  }
  return value;
}

double CenturiesOf(double ttJd1, double ttJd2) {
  return ((ttJd1 - kJ2000) + ttJd2) / kDaysPerCentury;
}

}  // namespace

double ElpLeadingDistanceKm(double ttJd1, double ttJd2) {
  // The table keeps the published order, largest amplitude first.
  constexpr int kLeadingTerms = 12;
  static_assert(std::size(elpmpp02::kR0) > kLeadingTerms);
  const double t = CenturiesOf(ttJd1, ttJd2);
  double distance = 0.0;
  for (int k = 0; k < kLeadingTerms; ++k) {
    distance += elpmpp02::kR0[k].amplitude * std::sin(Polynomial(elpmpp02::kR0[k].phase, t));
  }
  return distance;
}

GeocentricMoon EvaluateElp(double ttJd1, double ttJd2) {
  const double t = CenturiesOf(ttJd1, ttJd2);
  const double longitude = Polynomial(elpmpp02::kMeanLongitude, t) +
                           EvaluateCoordinate(elpmpp02::kMoon.longitude, t) * kRadiansPerArcsec;
  const double latitude = EvaluateCoordinate(elpmpp02::kMoon.latitude, t) * kRadiansPerArcsec;
  const double distance = EvaluateCoordinate(elpmpp02::kMoon.distance, t);
  const double x = distance * std::cos(latitude) * std::cos(longitude);
  const double y = distance * std::cos(latitude) * std::sin(longitude);
  const double z = distance * std::sin(latitude);
  // Laskar's P and Q (Chapront and Francou 2002, as astronomia's elp.js gives them), powers 1..5
  // of T: from the mean ecliptic of date and the departure point of J2000 to the inertial
  // ecliptic and equinox of J2000.
  const double p =
      t * (0.10180391e-4 + t * (0.47020439e-6 + t * (-0.5417367e-9 + t * (-0.2507948e-11 +
                                                                           t * 0.463486e-14))));
  const double q =
      t * (-0.113469002e-3 + t * (0.12372674e-6 + t * (0.1265417e-8 + t * (-0.1371808e-11 +
                                                                            t * -0.320334e-14))));
  const double root = std::sqrt(1.0 - p * p - q * q);
  const double ecliptic[3] = {
      (1.0 - 2.0 * p * p) * x + 2.0 * p * q * y + 2.0 * p * root * z,
      2.0 * p * q * x + (1.0 - 2.0 * q * q) * y - 2.0 * q * root * z,
      -2.0 * p * root * x + 2.0 * q * root * y + (1.0 - 2.0 * p * p - 2.0 * q * q) * z,
  };
  GeocentricMoon moon;
  RotateEclipticToIcrs(ecliptic, moon.position);
  moon.distanceKm = distance;
  return moon;
}

}  // namespace nocturna
