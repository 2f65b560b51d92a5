#include "starfinder/lop_geometry.h"

#include <cmath>

#include "foundations/angles.h"

namespace nocturna {

void LopSums::Add(double azimuthDegrees) {
  const double c = std::cos(DegToRad(azimuthDegrees));
  const double s = std::sin(DegToRad(azimuthDegrees));
  ++count;
  cosSum += c;
  sinSum += s;
  cosCos += c * c;
  sinSin += s * s;
  cosSin += c * s;
}

double HorizontalDop(const LopSums& sums) { return std::sqrt(HorizontalDopSquared(sums)); }

}  // namespace nocturna
