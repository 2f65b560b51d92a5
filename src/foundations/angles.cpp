#include "foundations/angles.h"

#include <climits>
#include <cmath>

namespace nocturna {

// Saturating: a value outside the int range (or NaN, taken as 0) never reaches the
// undefined float-to-int conversion.
int TruncToInt(double x) {
  if (std::isnan(x)) return 0;
  if (x >= static_cast<double>(INT_MAX)) return INT_MAX;
  if (x <= static_cast<double>(INT_MIN)) return INT_MIN;
  return static_cast<int>(x);
}

int FloorToInt(double x) {
  const int truncated = TruncToInt(x);
  if (!(x < 0) || static_cast<double>(truncated) == x || truncated == INT_MIN) return truncated;
  return truncated - 1;
}

double DegToRad(double degrees) { return degrees * kDegreesToRadians; }

double RadToDeg(double radians) { return radians * kRadiansToDegrees; }

double WrapTwoPi(double radians) { return radians - kTwoPi * TruncToInt(radians / kTwoPi); }

double WrapPositive(double x, double period) {
  if (!std::isfinite(x) || !(period > 0)) return std::nan("");
  // Step by step the reduction is exact for whole-number periods; a value many turns
  // away (bad input) is brought near first so the loops stay short.
  constexpr double kMaxTurnsByStep = 1.0e6;
  if (std::fabs(x) > kMaxTurnsByStep * period) x = std::fmod(x, period);
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
