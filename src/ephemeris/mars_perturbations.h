#pragma once
// Perturbations of Mars by the Earth, Venus and Jupiter: each row adds
// coefficient x cos(ms Ms + mv Mv + mm Mm + mj Mj + phase), mean anomalies and phase in radians.
#include <iterator>

#include "ephemeris/perturbation_rows.h"

namespace nocturna {

struct MarsPerturbations {
  // Heliocentric longitude, coefficient in degrees.
  static constexpr AnomalyCosineRow longitude[] = {
    {0.00705, 0, 0, -1, 1, -0.85448},
    {0.00607, 0, 0, -1, 2, -3.2873},
    {0.00445, 0, 0, -2, 2, -3.3492},
    {0.00388, 1, 0, -2, 0, 0.35771},
    {0.00238, 1, 0, -1, 0, 0.61256},
    {0.00204, 2, 0, -3, 0, 2.7688},
    {0.00177, 0, -1, 3, 0, -1.0053},
    {0.00136, 2, 0, -4, 0, 2.6894},
    {0.00104, 0, 0, 0, 1, 0.30749},
  };

  // Radius vector, coefficient in astronomical units.
  static constexpr AnomalyCosineRow radiusVector[] = {
    {0.000053227, 0, 0, -1, 1, 0.717864},
    {0.000050989, 0, 0, -2, 2, -1.77997},
    {0.000038278, 0, 0, -1, 2, -1.71617},
    {0.000015996, 1, 0, -1, 0, -0.969618},
    {0.000014764, 2, 0, -3, 0, 1.19768},
    {0.000008966, 0, 0, -2, 1, 0.761225},
    {0.000007914, 0, 0, -2, 3, -2.43887},
    {0.000007004, 0, 0, -3, 2, -1.79573},
    {0.00000662, 1, 0, -2, 0, 1.97575},
    {0.00000493, 0, 0, -3, 3, -1.33069},  // 10
    {0.000004693, 3, 0, -5, 0, 3.32665},
    {0.000004571, 2, 0, -4, 0, 4.27086},
    {0.000004409, 0, 0, -1, 3, -2.02158},
  };
};

static_assert(std::size(MarsPerturbations::longitude) == 9);
static_assert(std::size(MarsPerturbations::radiusVector) == 13);

}  // namespace nocturna
