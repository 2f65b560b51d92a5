#pragma once
// Perturbations of Saturn by Jupiter and Uranus: each row adds (c0 + c1 nu + c2 nu^2) x first x second,
// the factors being sines and cosines of multiples of V, W, zeta, Q and psi (radians).
#include <iterator>

#include "ephemeris/perturbation_rows.h"

namespace nocturna {

struct SaturnPerturbations {
  // Mean longitude, degrees.
  static constexpr SeriesRow meanLongitude[] = {
    {0.007581, 0, 0, Factor::kSin2V, Factor::kOne},
    {-0.007986, 0, 0, Factor::kSinW, Factor::kOne},
    {-0.148811, 0, 0, Factor::kSinZeta, Factor::kOne},
    {-0.814181, 0.01815, -0.016714, Factor::kSinV, Factor::kOne},
    {-0.010497, 0.160906, -0.0041, Factor::kCosV, Factor::kOne},
    {-0.015208, 0, 0, Factor::kSin3Zeta, Factor::kOne},
    {-0.006339, 0, 0, Factor::kSin4Zeta, Factor::kOne},
    {-0.006244, 0, 0, Factor::kSinQ, Factor::kOne},
    {-0.0165, 0, 0, Factor::kSin2Zeta, Factor::kSinQ},
    {-0.040786, 0, 0, Factor::kSin2Zeta, Factor::kOne},  // 10
    {0.008931, 0.002728, 0, Factor::kSinQ, Factor::kSinZeta},
    {-0.005775, 0, 0, Factor::kSin3Zeta, Factor::kSinQ},
    {0.081344, 0.003206, 0, Factor::kCosZeta, Factor::kSinQ},
    {0.015019, 0, 0, Factor::kCos2Zeta, Factor::kSinQ},
    {0.085581, 0.00249, 0, Factor::kCosQ, Factor::kSinZeta},
    {0.014394, 0, 0, Factor::kCos2Zeta, Factor::kCosQ},
    {0.025328, -0.003117, 0, Factor::kCosQ, Factor::kCosZeta},
    {0.006319, 0, 0, Factor::kCos3Zeta, Factor::kCosQ},
    {0.006369, 0, 0, Factor::kSin2Q, Factor::kSinZeta},
    {0.009156, 0, 0, Factor::kSin2Q, Factor::kSin2Zeta},  // 20
    {0.007525, 0, 0, Factor::kSin2Q, Factor::kSin3Psi},
    {-0.005236, 0, 0, Factor::kCos2Q, Factor::kCosZeta},
    {-0.007736, 0, 0, Factor::kCos2Q, Factor::kCos2Zeta},
    {-0.007528, 0, 0, Factor::kCos2Q, Factor::kCos3Psi},
  };

  // Eccentricity, units of 1e-7.
  static constexpr SeriesRow eccentricity[] = {
    {-7927.0, 2548.0, 91.0, Factor::kSinV, Factor::kOne},
    {13381.0, 1226.0, -253.0, Factor::kCosV, Factor::kOne},
    {248.0, -121.0, 0, Factor::kSin2V, Factor::kOne},
    {-305.0, -91.0, 0, Factor::kCos2V, Factor::kOne},
    {412.0, 0, 0, Factor::kSin2Zeta, Factor::kOne},
    {12415.0, 0, 0, Factor::kSinQ, Factor::kOne},
    {390.0, -617.0, 0, Factor::kSinQ, Factor::kSinZeta},
    {165.0, -204.0, 0, Factor::kSin2Zeta, Factor::kSinQ},
    {26599.0, 0, 0, Factor::kCosZeta, Factor::kSinQ},
    {-4687.0, 0, 0, Factor::kCos2Zeta, Factor::kSinQ},  // 10
    {-1870.0, 0, 0, Factor::kCos3Zeta, Factor::kSinQ},
    {-821.0, 0, 0, Factor::kCos4Zeta, Factor::kSinQ},
    {-377.0, 0, 0, Factor::kCos5Zeta, Factor::kSinQ},
    {497.0, 0, 0, Factor::kCos2Psi, Factor::kSinQ},
    {163.0, -611.0, 0, Factor::kCosQ, Factor::kOne},
    {-12696.0, 0, 0, Factor::kCosQ, Factor::kSinZeta},
    {-4200.0, 0, 0, Factor::kCosQ, Factor::kSin2Zeta},
    {-1503.0, 0, 0, Factor::kCosQ, Factor::kSin3Zeta},
    {-619.0, 0, 0, Factor::kCosQ, Factor::kSin4Zeta},
    {-268.0, 0, 0, Factor::kCosQ, Factor::kSin5Zeta},  // 20
    {-282.0, -1306.0, 0, Factor::kCosQ, Factor::kCosZeta},
    {-86.0, 230.0, 0, Factor::kCos2Zeta, Factor::kCosQ},
    {461.0, 0, 0, Factor::kCosQ, Factor::kSin2Psi},
    {-350.0, 0, 0, Factor::kSin2Q, Factor::kOne},
    {2211.0, -286.0, 0, Factor::kSin2Q, Factor::kSinZeta},
    {-2208.0, 0, 0, Factor::kSin2Q, Factor::kSin2Zeta},
    {-568.0, 0, 0, Factor::kSin2Q, Factor::kSin3Zeta},
    {-346.0, 0, 0, Factor::kSin2Q, Factor::kSin4Zeta},
    {-2780.0, -222.0, 0, Factor::kCosZeta, Factor::kSin2Q},
    {2022.0, 263.0, 0, Factor::kCos2Zeta, Factor::kSin2Q},  // 30
    {248.0, 0, 0, Factor::kCos3Zeta, Factor::kSin2Q},
    {242.0, 0, 0, Factor::kSin2Q, Factor::kSin3Psi},
    {467.0, 0, 0, Factor::kCos3Psi, Factor::kSin2Q},
    {-490.0, 0, 0, Factor::kCos2Q, Factor::kOne},
    {-2842.0, -279.0, 0, Factor::kCos2Q, Factor::kSinZeta},
    {128.0, 226.0, 0, Factor::kCos2Q, Factor::kSin2Zeta},
    {224.0, 0, 0, Factor::kCos2Q, Factor::kSin3Zeta},
    {-1594.0, 282.0, 0, Factor::kCos2Q, Factor::kCosZeta},
    {2162.0, -207.0, 0, Factor::kCos2Q, Factor::kCos2Zeta},
    {561.0, 0, 0, Factor::kCos2Q, Factor::kCos3Zeta},  // 40
    {343.0, 0, 0, Factor::kCos2Q, Factor::kCos4Zeta},
    {469.0, 0, 0, Factor::kCos2Q, Factor::kSin3Psi},
    {-242.0, 0, 0, Factor::kCos2Q, Factor::kCos3Psi},
    {205.0, 0, 0, Factor::kSin3Q, Factor::kSinZeta},
    {262.0, 0, 0, Factor::kSin3Q, Factor::kSin3Zeta},
    {208.0, 0, 0, Factor::kCos3Q, Factor::kCosZeta},
    {-271.0, 0, 0, Factor::kCos3Q, Factor::kCos3Zeta},
    {382.0, 0, 0, Factor::kCos3Zeta, Factor::kSin4Q},
    {-376.0, 0, 0, Factor::kCos4Q, Factor::kSin3Zeta},
  };

  // Perihelion longitude, degrees.
  static constexpr SeriesRow perihelion[] = {
    {0.077108, 0.007186, -0.001533, Factor::kSinV, Factor::kOne},
    {-0.007075, 0, 0, Factor::kSinZeta, Factor::kOne},
    {0.045803, -0.014766, -0.000536, Factor::kCosV, Factor::kOne},
    {-0.072586, 0, 0, Factor::kCosQ, Factor::kOne},
    {-0.075825, 0, 0, Factor::kSinQ, Factor::kSinZeta},
    {-0.024839, 0, 0, Factor::kSin2Zeta, Factor::kSinQ},
    {-0.008631, 0, 0, Factor::kSin3Zeta, Factor::kSinQ},
    {-0.150383, 0, 0, Factor::kCosQ, Factor::kCosZeta},
    {0.026897, 0, 0, Factor::kCos2Zeta, Factor::kCosQ},
    {0.010053, 0, 0, Factor::kCos3Zeta, Factor::kCosQ},  // 10
    {0.013597, 0.001719, 0, Factor::kSin2Q, Factor::kSinZeta},
    {0.011981, 0, 0, Factor::kCos2Q, Factor::kSin2Zeta},
    {0.007742, -0.001517, 0, Factor::kCosZeta, Factor::kSin2Q},
    {0.013586, -0.001375, 0, Factor::kCos2Zeta, Factor::kSin2Q},
    {0.013667, -0.001239, 0, Factor::kCos2Q, Factor::kSinZeta},
    {0.014861, 0.001136, 0, Factor::kCos2Q, Factor::kCosZeta},
    {0.013064, 0.001628, 0, Factor::kCos2Q, Factor::kCos2Zeta},
  };

  // Semi-major axis, units of 1e-6 astronomical unit. Two rows
  // carry sin Q sin zeta; both belong to the series.
  static constexpr SeriesRow semiMajorAxis[] = {
    {572.0, 0, 0, Factor::kSinV, Factor::kOne},
    {-1590.0, 0, 0, Factor::kCosQ, Factor::kSin2Zeta},
    {2933.0, 0, 0, Factor::kCosV, Factor::kOne},
    {-647.0, 0, 0, Factor::kCosQ, Factor::kSin3Zeta},
    {33629.0, 0, 0, Factor::kCosZeta, Factor::kOne},
    {-344.0, 0, 0, Factor::kCosQ, Factor::kSin4Zeta},
    {-3081.0, 0, 0, Factor::kCos2Zeta, Factor::kOne},
    {2885.0, 0, 0, Factor::kCosQ, Factor::kCosZeta},
    {2172.0, 102.0, 0, Factor::kCos2Zeta, Factor::kCosQ},
    {1423.0, 0, 0, Factor::kCos3Zeta, Factor::kOne},  // 10
    {-671.0, 0, 0, Factor::kCos4Zeta, Factor::kOne},
    {296.0, 0, 0, Factor::kCos3Zeta, Factor::kCosQ},
    {-320.0, 0, 0, Factor::kCos5Zeta, Factor::kOne},
    {-267.0, 0, 0, Factor::kSin2Q, Factor::kSin2Zeta},
    {1098.0, 0, 0, Factor::kSinQ, Factor::kOne},
    {-778.0, 0, 0, Factor::kCosZeta, Factor::kSin2Q},
    {-2812.0, 0, 0, Factor::kSinQ, Factor::kSinZeta},
    {495.0, 0, 0, Factor::kCos2Zeta, Factor::kSin2Q},
    {688.0, 0, 0, Factor::kSin2Zeta, Factor::kSinQ},
    {250.0, 0, 0, Factor::kCos3Zeta, Factor::kSin2Q},  // 20
    {-393.0, 0, 0, Factor::kSin3Zeta, Factor::kSinQ},
    {-856.0, 0, 0, Factor::kCos2Q, Factor::kSinZeta},
    {-228.0, 0, 0, Factor::kSin4Zeta, Factor::kSinQ},
    {441.0, 0, 0, Factor::kCos2Q, Factor::kSin2Zeta},
    {2138.0, 0, 0, Factor::kCosZeta, Factor::kSinQ},
    {296.0, 0, 0, Factor::kCos2Q, Factor::kCos2Zeta},
    {-999.0, 0, 0, Factor::kCos2Zeta, Factor::kSinQ},
    {211.0, 0, 0, Factor::kCos2Q, Factor::kCos3Zeta},
    {-642.0, 0, 0, Factor::kCos3Zeta, Factor::kSinQ},
    {-427.0, 0, 0, Factor::kSinQ, Factor::kSinZeta},  // 30
    {-427.0, 0, 0, Factor::kSin3Q, Factor::kSinZeta},
    {-325.0, 0, 0, Factor::kCos4Zeta, Factor::kSinQ},
    {398.0, 0, 0, Factor::kSin3Q, Factor::kSin3Zeta},
    {-890.0, 0, 0, Factor::kCosQ, Factor::kOne},
    {344.0, 0, 0, Factor::kCos3Q, Factor::kCosZeta},
    {2206.0, 0, 0, Factor::kCosQ, Factor::kSinZeta},
    {-427.0, 0, 0, Factor::kCos3Q, Factor::kCos3Zeta},
  };

  // Heliocentric latitude, degrees.
  static constexpr SeriesRow latitude[] = {
    {0.001261, 0, 0, Factor::kCos2Zeta, Factor::kSin2Q},
    {0.001236, 0, 0, Factor::kCos2Q, Factor::kSin2Zeta},
    {-0.002075, 0, 0, Factor::kCos2Q, Factor::kCos2Zeta},
  };
};

static_assert(std::size(SaturnPerturbations::meanLongitude) == 24);
static_assert(std::size(SaturnPerturbations::eccentricity) == 49);
static_assert(std::size(SaturnPerturbations::perihelion) == 17);
static_assert(std::size(SaturnPerturbations::semiMajorAxis) == 37);
static_assert(std::size(SaturnPerturbations::latitude) == 3);

}  // namespace nocturna
