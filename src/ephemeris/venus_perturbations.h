#pragma once
// Perturbations of Venus by the Earth and Jupiter: each row adds
// coefficient x cos(ms Ms + mv Mv + mm Mm + mj Mj + phase), mean anomalies and phase in radians.
#include <iterator>

#include "ephemeris/perturbation_rows.h"

namespace nocturna {

struct VenusPerturbations {
  // Heliocentric longitude, coefficient in degrees.
  static constexpr AnomalyCosineRow longitude[] = {
    {0.00313, 2, -2, 0, 0, -2.587},
    {0.00198, 3, -3, 0, 0, 0.044768},
    {0.00136, 1, -1, 0, 0, -2.0788},
    {0.00096, 3, -2, 0, 0, -2.3721},
    {0.00082, 0, -1, 0, 1, -3.6318},
  };

  // Radius vector, coefficient in astronomical units.
  static constexpr AnomalyCosineRow radiusVector[] = {
    {0.000022501, 2, -2, 0, 0, -1.01592},
    {0.000019045, 3, -3, 0, 0, 1.61577},
    {0.000006887, 0, -1, 0, 1, -2.06106},
    {0.000005172, 1, -1, 0, 0, -0.508065},
    {0.00000362, 5, -4, 0, 0, -1.81877},
    {0.000003283, 4, -4, 0, 0, 1.10851},
    {0.000003074, 0, -2, 0, 2, -0.962846},
  };
};

static_assert(std::size(VenusPerturbations::longitude) == 5);
static_assert(std::size(VenusPerturbations::radiusVector) == 7);

}  // namespace nocturna
