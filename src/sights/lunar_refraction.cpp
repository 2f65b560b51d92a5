#include "sights/lunar_refraction.h"

#include <cmath>

#include "foundations/angles.h"
#include "sights/sight_corrections.h"

namespace nocturna {

double AirlessAltitude(double apparentDegrees, double temperatureCelsius, double pressureHectopascals) {
  return apparentDegrees -
         RefractionMinutes(apparentDegrees, temperatureCelsius, pressureHectopascals) / 60.0;
}

double ApparentAltitude(double airlessDegrees, double temperatureCelsius, double pressureHectopascals) {
  // Fixed-point iteration converges fast: the refraction changes slowly with altitude.
  double apparent = airlessDegrees;
  for (int step = 0; step < 50; ++step) {
    const double next =
        airlessDegrees + RefractionMinutes(apparent, temperatureCelsius, pressureHectopascals) / 60.0;
    if (std::fabs(next - apparent) < 1e-10) return next;
    apparent = next;
  }
  return apparent;
}

double RefractedSemiDiameterFactor(double apparentDegrees, double angleFromVerticalDegrees,
                                   double temperatureCelsius, double pressureHectopascals) {
  constexpr double kStepDegrees = 0.05;
  const double slope =
      (RefractionMinutes(apparentDegrees + kStepDegrees, temperatureCelsius, pressureHectopascals) -
       RefractionMinutes(apparentDegrees - kStepDegrees, temperatureCelsius, pressureHectopascals)) /
      (2.0 * kStepDegrees * 60.0);
  const double c = std::cos(DegToRad(angleFromVerticalDegrees));
  return 1.0 + c * c * slope;
}

}  // namespace nocturna
