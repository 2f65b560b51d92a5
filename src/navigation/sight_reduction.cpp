#include "navigation/sight_reduction.h"

#include <algorithm>
#include <cmath>

#include "foundations/angles.h"
#include "navigation/hour_angle.h"

namespace nocturna {
namespace {

// Below this the azimuth denominator cos L cos Hc is taken as +1e-10 (zenith, pole).
constexpr double kMinAzimuthDenominator = 1e-10;

// Observer on a pole: altitude is the declination and azimuth follows the hour angle.
double ReduceAtPole(BodyCatalog& catalog, double latitude, double longitude) {
  double lha = 0;
  for (int k = kFirstStarIndex; k < kBodyCount; ++k) {
    lha = ReduceHourAngle(catalog.gha[k] - longitude);
    const double declination = catalog.entries[k].declination;
    if (latitude > 0) {
      catalog.hc[k] = declination;
      catalog.zn[k] = lha >= 180 ? lha - 180 : lha + 180;
    } else {
      catalog.hc[k] = -declination;
      catalog.zn[k] = 360 - lha;
    }
  }
  return lha;
}

}  // namespace

double ReduceSights(BodyCatalog& catalog, double latitude, double longitude) {
  if (std::fabs(latitude) >= 90) return ReduceAtPole(catalog, latitude, longitude);
  const double cosL = std::cos(DegToRad(latitude));
  const double sinL = std::sin(DegToRad(latitude));
  double lha = 0;
  for (int k = kFirstStarIndex; k < kBodyCount; ++k) {
    lha = ReduceHourAngle(catalog.gha[k] - longitude);
    const double d = DegToRad(catalog.entries[k].declination);
    const double sinD = std::sin(d);
    const double x = std::cos(DegToRad(lha)) * cosL * std::cos(d) + sinL * sinD;
    const double hc = RadToDeg(std::asin(std::clamp(x, -1.0, 1.0)));
    catalog.hc[k] = hc;
    // Azimuth from the stored altitude, as the tables do.
    const double hcRadians = DegToRad(hc);
    double denominator = cosL * std::cos(hcRadians);
    if (std::fabs(denominator) < kMinAzimuthDenominator) denominator = kMinAzimuthDenominator;
    const double y = std::clamp((sinD - sinL * std::sin(hcRadians)) / denominator, -1.0, 1.0);
    const double z = RadToDeg(std::acos(y));
    catalog.zn[k] = lha >= 180 ? z : 360 - z;
  }
  return lha;
}

}  // namespace nocturna
