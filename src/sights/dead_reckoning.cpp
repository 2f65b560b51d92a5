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

DrPosition MoveByRun(const DrPosition& from, const RunMadeGood& run, double hours) {
  const double miles = run.speedKnots * hours;
  const double course = DegToRad(run.courseDegrees);
  return MoveByMiles(from, miles * std::sin(course), miles * std::cos(course));
}

}  // namespace nocturna
