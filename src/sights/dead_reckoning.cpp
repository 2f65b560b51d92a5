#include "sights/dead_reckoning.h"

#include <cmath>

#include "foundations/angles.h"

namespace nocturna {

DrPosition MoveByMiles(const DrPosition& from, double eastMiles, double northMiles) {
  DrPosition to;
  to.latitude = from.latitude + northMiles / 60.0;
  const double midLatitude = DegToRad(0.5 * (from.latitude + to.latitude));
  // Departure shrinks with the cosine of the middle latitude; west is positive here.
  to.longitude = from.longitude - eastMiles / (60.0 * std::cos(midLatitude));
  to.longitude = std::remainder(to.longitude, 360.0);
  return to;
}

DrPosition PositionAt(const DeadReckoning& dr, DateTime utc) {
  if (dr.speedKnots == 0.0) return dr.position;
  const double miles = dr.speedKnots * (utc - dr.utc) * 24.0;
  const double course = DegToRad(dr.courseDegrees);
  return MoveByMiles(dr.position, miles * std::sin(course), miles * std::cos(course));
}

DeadReckoning CarriedTo(const DeadReckoning& dr, DateTime utc) {
  DeadReckoning carried = dr;
  carried.position = PositionAt(dr, utc);
  carried.utc = utc;
  return carried;
}

}  // namespace nocturna
