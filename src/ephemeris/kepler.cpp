#include "ephemeris/kepler.h"

#include <cmath>

#include "foundations/angles.h"

namespace nocturna {

double SolveKepler(BodyEphemeris& body) {
  const double e = body.eccentricity;
  const double m = body.meanAnomaly - kTwoPi * TruncToInt(body.meanAnomaly / kTwoPi);
  double eccentric = m;
  // Newton needs a handful of rounds for these eccentricities; the bound only stops a
  // non-finite argument (a corrupt position or moment) from spinning for ever.
  constexpr int kMaxRounds = 50;
  for (int round = 0; round < kMaxRounds; ++round) {
    body.eccentricAnomaly = eccentric;
    const double residual = eccentric - e * std::sin(eccentric) - m;
    if (std::fabs(residual) < 0.000001) break;
    eccentric -= residual / (1 - e * std::cos(eccentric));
  }
  body.trueAnomaly = 2 * std::atan(std::sqrt((1 + e) / (1 - e)) * std::tan(eccentric / 2));
  return body.trueAnomaly;
}

}  // namespace nocturna
