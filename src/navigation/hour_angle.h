#pragma once
// Reduction of an hour angle (SHA, GHA, LHA) into one turn.

namespace nocturna {

// Degrees brought into [0, 360) by whole turns; terminates for any finite value.
inline double ReduceHourAngle(double degrees) {
  while (degrees >= 360) degrees -= 360;
  while (degrees < 0) degrees += 360;
  return degrees;
}

}  // namespace nocturna
