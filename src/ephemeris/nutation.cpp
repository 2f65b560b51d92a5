#include "ephemeris/nutation.h"

#include <cmath>

#include "ephemeris/julian.h"
#include "ephemeris/revolution.h"
#include "foundations/angles.h"

namespace nocturna {

double Nutation(const AstroMoment& moment, double& dPsi, double& dEps) {
  const double t = ToJulian(moment).days1900 * kCenturiesPerDay;
  const double t2 = t * t;
  // Mean longitudes of Sun and Moon, their anomalies and the Moon's node, radians.
  const double sunLongitude =
      DegToRad(279.6967 + RevolutionDegrees(100.0021358 * t) + 0.000303 * t2);
  const double moonLongitude =
      DegToRad(270.4342 + RevolutionDegrees(1336.855231 * t) - 0.001133 * t2);
  const double sunAnomaly = DegToRad(358.4758 + RevolutionDegrees(99.99736056 * t) - 0.00015 * t2);
  const double moonAnomaly =
      DegToRad(296.1046 + RevolutionDegrees(1325.552359 * t) + 0.009192 * t2);
  const double node = DegToRad(259.1833 - RevolutionDegrees(5.372616667 * t) + 0.002078 * t2);
  const double l2 = 2 * sunLongitude;
  const double d2 = 2 * moonLongitude;
  const double n2 = 2 * node;

  const double psiSeconds =
      (-17.2327 - 0.01737 * t) * std::sin(node) + (-1.2729 - 0.00013 * t) * std::sin(l2) +
      0.2088 * std::sin(n2) - 0.2037 * std::sin(d2) +
      (0.1261 - 0.00031 * t) * std::sin(sunAnomaly) + 0.0675 * std::sin(moonAnomaly) -
      (0.0497 - 0.00012 * t) * std::sin(l2 + sunAnomaly) - 0.0342 * std::sin(d2 - node) -
      0.0261 * std::sin(d2 + moonAnomaly) + 0.0214 * std::sin(l2 - sunAnomaly) -
      0.0149 * std::sin(l2 - d2 - moonAnomaly) + 0.0124 * std::sin(l2 - node) +
      0.0114 * std::sin(d2 - moonAnomaly);
  const double epsSeconds = (9.21 + 0.00091 * t) * std::cos(node) +
                            (0.5522 - 0.00029 * t) * std::cos(l2) - 0.0904 * std::cos(n2) +
                            0.0884 * std::cos(d2) + 0.0216 * std::cos(l2 + sunAnomaly) +
                            0.0183 * std::cos(d2 - node) + 0.0113 * std::cos(d2 + moonAnomaly) -
                            0.0093 * std::cos(l2 - sunAnomaly) - 0.0066 * std::cos(l2 - node);

  constexpr double kDegreesPerSecond = 0.0002777777777777778;
  dPsi = psiSeconds * kDegreesPerSecond;
  dEps = epsSeconds * kDegreesPerSecond;
  return dPsi;
}

double TrueObliquity(const AstroMoment& moment) {
  const double t = ToJulian(moment).days1900 * kCenturiesPerDay - 1;
  const double meanObliquity = 23.43929167 - t * (46.815 + t * (0.0006 - t * 0.00181)) / 3600;
  double dPsi = 0;
  double dEps = 0;
  Nutation(moment, dPsi, dEps);
  return meanObliquity + dEps;
}

}  // namespace nocturna
