#include "foundations/angles.h"

namespace nocturna {

int TruncToInt(double x) { return static_cast<int>(x); }

int FloorToInt(double x) {
  const int truncated = TruncToInt(x);
  if (x >= 0 || static_cast<double>(truncated) == x) return truncated;
  return truncated - 1;
}

double DegToRad(double degrees) { return degrees * kDegreesToRadians; }

double RadToDeg(double radians) { return radians * kRadiansToDegrees; }

double WrapTwoPi(double radians) { return radians - kTwoPi * TruncToInt(radians / kTwoPi); }

double WrapPositive(double x, double period) {
  while (x < 0) x += period;
  while (x > period) x -= period;
  return x;
}

int WrapHours(double& hours) {
  if (hours < 0) {
    hours += 24;
    return -1;
  }
  if (hours > 24) {
    hours -= 24;
    return 1;
  }
  return 0;
}

}  // namespace nocturna
