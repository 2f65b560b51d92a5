#include "ephemeris/precise/planet_magnitudes.h"

#include <cmath>

namespace nocturna {
namespace {

double DistanceTerm(double sunDistanceAu, double earthDistanceAu) {
  return 5.0 * std::log10(sunDistanceAu * earthDistanceAu);
}

}  // namespace

double VenusMagnitude(double sunDistanceAu, double earthDistanceAu, double a) {
  // Two fits, joined at a phase angle of 163.7 degrees (the forward-scattering crescent).
  const double phase =
      a < 163.7 ? -4.384 + a * (-1.044e-3 + a * (3.687e-4 + a * (-2.814e-6 + a * 8.938e-9)))
                : 236.05828 + a * (-2.81914 + a * 8.39034e-3);
  return phase + DistanceTerm(sunDistanceAu, earthDistanceAu);
}

double MarsMagnitude(double sunDistanceAu, double earthDistanceAu, double a) {
  const double phase = a <= 50.0 ? -1.601 + a * (0.02267 - a * 0.0001302)
                                 : -0.367 + a * (-0.02573 + a * 0.0003445);
  return phase + DistanceTerm(sunDistanceAu, earthDistanceAu);
}

double JupiterMagnitude(double sunDistanceAu, double earthDistanceAu, double a) {
  // Seen from the Earth Jupiter's phase angle stays below 12 degrees, the fit's range.
  return -9.395 + a * (-3.7e-4 + a * 6.16e-4) + DistanceTerm(sunDistanceAu, earthDistanceAu);
}

double SaturnMagnitude(double sunDistanceAu, double earthDistanceAu, double a,
                       double ringTiltSine) {
  // Globe and rings together, for phase angles below 6.5 degrees (all seen from the Earth).
  return -8.914 - 1.825 * ringTiltSine + 0.026 * a -
         0.378 * ringTiltSine * std::exp(-2.25 * a) +
         DistanceTerm(sunDistanceAu, earthDistanceAu);
}

}  // namespace nocturna
