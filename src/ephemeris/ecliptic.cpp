#include "ephemeris/ecliptic.h"

#include <cmath>

#include "ephemeris/nutation.h"
#include "foundations/angles.h"

namespace nocturna {

EquatorialPlace EclipticToEquatorial(BodyEphemeris& body, double beta, double lambda,
                                     const AstroMoment& moment, int sign) {
  const double eps = DegToRad(TrueObliquity(moment));
  const double s = sign;
  double cosBeta = std::cos(beta);
  if (std::fabs(cosBeta) < 1e-20) cosBeta = 1e-20;  // keeps tan(beta) finite at the ecliptic poles

  EquatorialPlace place;
  place.declination =
      std::asin(std::sin(beta) * std::cos(eps) - s * std::sin(lambda) * std::sin(eps) * cosBeta);
  double ra =
      std::atan2(s * std::sin(eps) * std::sin(beta) / cosBeta + std::cos(eps) * std::sin(lambda),
                 std::cos(lambda));
  if (ra > kTwoPi) ra -= kTwoPi;
  if (ra < 0) ra += kTwoPi;
  place.rightAscension = ra;

  body.rightAscension = RadToDeg(ra);
  body.sha = RadToDeg(WrapPositive(kTwoPi - ra, kTwoPi));
  return place;
}

}  // namespace nocturna
