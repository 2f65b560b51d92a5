#include "ephemeris/precise/vsop87_evaluation.h"

#include <cmath>

#include "ephemeris/precise/ecliptic_to_icrs.h"

namespace nocturna {
namespace {

constexpr double kJ2000 = 2451545.0;
constexpr double kDaysPerMillennium = 365250.0;

struct CoordinateValue {
  double value;
  double rate;  // per millennium
};

// The rate (for the aberration and the light time) takes only the leading terms of each
// series: the rest move it by well under 1e-6 au/day, 0.001" of aberration, and a cosine alone
// costs two thirds of a sine and cosine.
constexpr int kRateTerms = 40;

CoordinateValue EvaluateCoordinate(const VsopCoordinate& coordinate, double tau) {
  double value = 0.0;
  double rate = 0.0;
  double tauPower = 1.0;      // tau^n
  double tauPowerRate = 0.0;  // n tau^(n-1)
  for (int power = 0; power < 6; ++power) {
    const VsopSeries& series = coordinate.powers[power];
    double sum = 0.0;
    double sumRate = 0.0;
    const int rateTerms = series.count < kRateTerms ? series.count : kRateTerms;
    int k = 0;
    for (; k < rateTerms; ++k) {
      const VsopTerm& term = series.terms[k];
      const double argument = term.phase + term.frequency * tau;
      sum += term.amplitude * std::cos(argument);
      sumRate -= term.amplitude * term.frequency * std::sin(argument);
    }
    for (; k < series.count; ++k) {
      const VsopTerm& term = series.terms[k];
      sum += term.amplitude * std::cos(term.phase + term.frequency * tau);
    }
    value += tauPower * sum;
    rate += tauPower * sumRate + tauPowerRate * sum;
    tauPowerRate = (power + 1) * tauPower;
    tauPower *= tau;
  }
  return {value, rate};
}

}  // namespace

HeliocentricState EvaluateVsop(const VsopBody& body, double ttJd1, double ttJd2) {
  const double tau = ((ttJd1 - kJ2000) + ttJd2) / kDaysPerMillennium;
  const CoordinateValue l = EvaluateCoordinate(body.longitude, tau);
  const CoordinateValue b = EvaluateCoordinate(body.latitude, tau);
  const CoordinateValue r = EvaluateCoordinate(body.radius, tau);
  const double cl = std::cos(l.value), sl = std::sin(l.value);
  const double cb = std::cos(b.value), sb = std::sin(b.value);
  const double ecliptic[3] = {r.value * cb * cl, r.value * cb * sl, r.value * sb};
  // d/dtau of the rectangular place by the chain rule, then per day.
  const double eclipticRate[3] = {
      (r.rate * cb * cl - r.value * sb * b.rate * cl - r.value * cb * sl * l.rate),
      (r.rate * cb * sl - r.value * sb * b.rate * sl + r.value * cb * cl * l.rate),
      (r.rate * sb + r.value * cb * b.rate),
  };
  const double eclipticVelocity[3] = {eclipticRate[0] / kDaysPerMillennium,
                                      eclipticRate[1] / kDaysPerMillennium,
                                      eclipticRate[2] / kDaysPerMillennium};
  HeliocentricState state;
  RotateEclipticToIcrs(ecliptic, state.position);
  RotateEclipticToIcrs(eclipticVelocity, state.velocity);
  return state;
}

}  // namespace nocturna
