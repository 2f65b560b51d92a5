#include "ephemeris/rise_set.h"

#include <algorithm>
#include <cmath>

#include "foundations/angles.h"

namespace nocturna {

int RiseSetHourAngle(BodyEphemeris& record, double latitude, double declination,
                     double rightAscension, double depression, double& riseLst, double& setLst) {
  const double phi = DegToRad(latitude);
  double q = std::cos(phi) * std::cos(declination);
  if (std::fabs(q) < 1e-10) q = 1e-10;  // at a pole: any declination is then all day above or below
  const double cosHourAngle = -(std::sin(phi) * std::sin(declination) + std::sin(depression)) / q;
  if (cosHourAngle < -1) return kStaysAbove;
  if (cosHourAngle > 1) return kStaysBelow;

  const double hourAngleHours = RadToDeg(std::acos(cosHourAngle)) / 15;
  const double raHours = RadToDeg(rightAscension) / 15;
  // Clamped: rounding may carry the cosine a hair past 1 when the crossing grazes the meridian.
  const double cosAzimuth = (std::sin(declination) + std::sin(phi) * std::sin(depression)) /
                            (std::cos(phi) * std::cos(depression));
  const double riseAzimuth = std::acos(std::clamp(cosAzimuth, -1.0, 1.0));
  riseLst = WrapPositive(raHours + 24 - hourAngleHours, 24);
  setLst = WrapPositive(raHours + hourAngleHours, 24);
  record.riseAzimuth = WrapPositive(riseAzimuth, kTwoPi);
  record.setAzimuth = WrapPositive(kTwoPi - riseAzimuth, kTwoPi);
  return kCrossesAltitude;
}

}  // namespace nocturna
