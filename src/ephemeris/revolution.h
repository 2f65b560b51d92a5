#pragma once
// Whole turns dropped from a rate-times-time argument of the mean-element theories.
#include "foundations/angles.h"

namespace nocturna {

// Degrees of the fractional part of a count of revolutions: 360 x (r - TruncToInt(r)).
// Taking the fraction before the factor 360 keeps large centuries from losing precision.
inline double RevolutionDegrees(double revolutions) {
  return 360 * (revolutions - TruncToInt(revolutions));
}

}  // namespace nocturna
