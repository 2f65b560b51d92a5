#pragma once
// Perturbations of Jupiter by Saturn: each row adds (c0 + c1 nu + c2 nu^2) x first x second,
// the factors being sines and cosines of multiples of V, W, zeta and Q (radians).
#include <iterator>

#include "ephemeris/perturbation_rows.h"

namespace nocturna {

struct JupiterPerturbations {
  // Mean longitude, degrees.
  static constexpr SeriesRow meanLongitude[] = {
    {0.331364, -0.010281, -0.004692, Factor::kSinV, Factor::kOne},
    {0.003228, -0.064436, 0.002075, Factor::kCosV, Factor::kOne},
    {-0.00308, -0.000275, 0.000489, Factor::kSin2V, Factor::kOne},
    {0.002472, 0, 0, Factor::kSinW, Factor::kOne},
    {0.013619, 0, 0, Factor::kSinZeta, Factor::kOne},
    {0.018472, 0, 0, Factor::kSin2Zeta, Factor::kOne},
    {0.006717, 0, 0, Factor::kSin3Zeta, Factor::kOne},
    {0.002775, 0, 0, Factor::kSin4Zeta, Factor::kOne},
    {0.006417, 0, 0, Factor::kSin2Zeta, Factor::kSinQ},
    {0.007275, -0.001253, 0, Factor::kSinQ, Factor::kSinZeta},  // 10
    {0.002439, 0, 0, Factor::kSin3Zeta, Factor::kSinQ},
    {-0.035681, -0.001208, 0, Factor::kCosQ, Factor::kSinZeta},
    {-0.003767, 0, 0, Factor::kCos2Zeta, Factor::kSinQ},
    {-0.033839, -0.001125, 0, Factor::kCosZeta, Factor::kSinQ},
    {-0.004261, 0, 0, Factor::kCosQ, Factor::kSin2Zeta},
    {-0.006333, 0.001161, 0, Factor::kCosQ, Factor::kCosZeta},
    {0.002178, 0, 0, Factor::kCosQ, Factor::kOne},
    {-0.006675, 0, 0, Factor::kCos2Zeta, Factor::kCosQ},
    {-0.002664, 0, 0, Factor::kCos3Zeta, Factor::kCosQ},
    {-0.002572, 0, 0, Factor::kSin2Q, Factor::kSinZeta},  // 20
    {-0.003567, 0, 0, Factor::kSin2Q, Factor::kSin2Zeta},
    {0.002094, 0, 0, Factor::kCos2Q, Factor::kCosZeta},
    {0.003342, 0, 0, Factor::kCos2Q, Factor::kCos2Zeta},
  };

  // Eccentricity, units of 1e-7.
  static constexpr SeriesRow eccentricity[] = {
    {3606.0, 130.0, -43.0, Factor::kSinV, Factor::kOne},
    {1289.0, -580.0, 0, Factor::kCosV, Factor::kOne},
    {-6764.0, 0, 0, Factor::kSinQ, Factor::kSinZeta},
    {-1110.0, 0, 0, Factor::kSin2Zeta, Factor::kSinQ},
    {-204.0, 0, 0, Factor::kSinQ, Factor::kOne},
    {1284.0, 116.0, 0, Factor::kCosZeta, Factor::kSinQ},
    {188.0, 0, 0, Factor::kCos2Zeta, Factor::kSinQ},
    {1460.0, 130.0, 0, Factor::kCosQ, Factor::kSinZeta},
    {224.0, 0, 0, Factor::kCosQ, Factor::kSin2Zeta},
    {-817.0, 0, 0, Factor::kCosQ, Factor::kOne},  // 10
    {6074.0, 0, 0, Factor::kCosQ, Factor::kCosZeta},
    {992.0, 0, 0, Factor::kCos2Zeta, Factor::kCosQ},
    {508.0, 0, 0, Factor::kCos3Zeta, Factor::kCosQ},
    {230.0, 0, 0, Factor::kCos4Zeta, Factor::kCosQ},
    {108.0, 0, 0, Factor::kCos5Zeta, Factor::kCosQ},
    {-956.0, -73.0, 0, Factor::kSin2Q, Factor::kSinZeta},
    {448.0, 0, 0, Factor::kSin2Q, Factor::kSin2Zeta},
    {137.0, 0, 0, Factor::kSin2Q, Factor::kSin3Zeta},
    {-997.0, 108.0, 0, Factor::kCosZeta, Factor::kSin2Q},
    {480.0, 0, 0, Factor::kCos2Zeta, Factor::kSin2Q},  // 20
    {148.0, 0, 0, Factor::kCos3Zeta, Factor::kSin2Q},
    {-956.0, 99.0, 0, Factor::kCos2Q, Factor::kSinZeta},
    {490.0, 0, 0, Factor::kCos2Q, Factor::kSin2Zeta},
    {158.0, 0, 0, Factor::kCos2Q, Factor::kSin3Zeta},
    {179.0, 0, 0, Factor::kCos2Q, Factor::kOne},
    {1024.0, 75.0, 0, Factor::kCos2Q, Factor::kCosZeta},
    {-437.0, 0, 0, Factor::kCos2Q, Factor::kCos2Zeta},
    {-132.0, 0, 0, Factor::kCos2Q, Factor::kCos3Zeta},
  };

  // Perihelion longitude, degrees.
  static constexpr SeriesRow perihelion[] = {
    {0.007192, -0.003147, 0, Factor::kSinV, Factor::kOne},
    {-0.004344, 0, 0, Factor::kSinQ, Factor::kOne},
    {-0.020428, -0.000675, 0.000197, Factor::kCosV, Factor::kOne},
    {0.007269, 0.000672, 0, Factor::kSinQ, Factor::kSinZeta},
    {0.034036, 0, 0, Factor::kCosZeta, Factor::kSinQ},
    {0.005614, 0, 0, Factor::kCos2Zeta, Factor::kSinQ},
    {0.002964, 0, 0, Factor::kCos3Zeta, Factor::kSinQ},
    {0.037761, 0, 0, Factor::kCosQ, Factor::kSinZeta},
    {0.006158, 0, 0, Factor::kCosQ, Factor::kSin2Zeta},
    {-0.006603, 0, 0, Factor::kCosQ, Factor::kCosZeta},  // 10
    {-0.005356, 0, 0, Factor::kSin2Q, Factor::kSinZeta},
    {0.002722, 0, 0, Factor::kSin2Q, Factor::kSin2Zeta},
    {0.004483, 0, 0, Factor::kCosZeta, Factor::kSin2Q},
    {-0.002642, 0, 0, Factor::kCos2Zeta, Factor::kSin2Q},
    {0.004403, 0, 0, Factor::kCos2Q, Factor::kSinZeta},
    {-0.002536, 0, 0, Factor::kCos2Q, Factor::kSin2Zeta},
    {0.005547, 0, 0, Factor::kCos2Q, Factor::kCosZeta},
    {-0.002689, 0, 0, Factor::kCos2Q, Factor::kCos2Zeta},
  };

  // Semi-major axis, units of 1e-6 astronomical unit.
  static constexpr SeriesRow semiMajorAxis[] = {
    {205.0, 0, 0, Factor::kCosZeta, Factor::kOne},
    {-263.0, 0, 0, Factor::kCosV, Factor::kOne},
    {693.0, 0, 0, Factor::kCos2Zeta, Factor::kOne},
    {312.0, 0, 0, Factor::kCos3Zeta, Factor::kOne},
    {147.0, 0, 0, Factor::kCos4Zeta, Factor::kOne},
    {299.0, 0, 0, Factor::kSinQ, Factor::kSinZeta},
    {181.0, 0, 0, Factor::kCos2Zeta, Factor::kSinQ},
    {204.0, 0, 0, Factor::kCosQ, Factor::kSin2Zeta},
    {111.0, 0, 0, Factor::kCosQ, Factor::kSin3Zeta},
    {-337.0, 0, 0, Factor::kCosQ, Factor::kCosZeta},  // 10
    {-111.0, 0, 0, Factor::kCos2Zeta, Factor::kCosQ},
  };
};

static_assert(std::size(JupiterPerturbations::meanLongitude) == 23);
static_assert(std::size(JupiterPerturbations::eccentricity) == 28);
static_assert(std::size(JupiterPerturbations::perihelion) == 18);
static_assert(std::size(JupiterPerturbations::semiMajorAxis) == 11);

}  // namespace nocturna
