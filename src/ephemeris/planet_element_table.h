#pragma once
// Mean orbital elements of Venus, Mars, Jupiter and Saturn referred to 1900 January 0.5 (UT),
// as polynomials in Julian centuries T, with each planet's size and magnitude constant.
#include <array>
#include <cstddef>

namespace nocturna {

struct PlanetElementRow {
  // Mean longitude: c0 (degrees), c1 (revolutions per century), c2, c3 (degrees per T^2, T^3).
  std::array<double, 4> longitude;
  // Longitude of perihelion (degrees), eccentricity, inclination (degrees), longitude of the
  // ascending node (degrees): c0 + c1 T + c2 T^2 + c3 T^3.
  std::array<double, 4> perihelion;
  std::array<double, 4> eccentricity;
  std::array<double, 4> inclination;
  std::array<double, 4> node;
  double semiMajorAxis;  // astronomical units
  double diameterAt1Au;  // arc seconds
  double magnitudeV0;    // magnitude constant
};

// Rows in the order Venus, Mars, Jupiter, Saturn (planet records 1 to 4).
inline constexpr std::array<PlanetElementRow, 4> kPlanetElementTable = {{
    {{342.767053, 162.5533664, 0.0003097, 0}, {130.163833, 1.408361, -0.0009764, 0}, {0.00682069, -0.00004774, 0.000000091, 0}, {3.393631, 0.0010058, -0.000001, 0}, {75.779647, 0.89985, 0.00041, 0}, 0.7233316, 16.92, -4.4},  // Venus
    {{293.737334, 53.17137642, 0.0003107, 0}, {334.218203, 1.8407584, 0.0001299, -0.00000119}, {0.0933129, 0.000092064, -0.000000077, 0}, {1.850333, -0.000675, 0.0000126, 0}, {48.786442, 0.7709917, -0.0000014, -0.00000533}, 1.5236883, 9.36, -1.52},  // Mars
    {{238.049257, 8.434172183, 0.0003347, -0.00000165}, {12.720972, 1.6099617, 0.00105627, -0.00000343}, {0.04833475, 0.00016418, -0.0000004676, -0.0000000017}, {1.308736, -0.0056961, 0.0000039, 0}, {99.443414, 1.01053, 0.00035222, -0.00000851}, 5.202561, 196.74, -9.4},  // Jupiter
    {{266.564377, 3.398638567, 0.0003245, -0.0000058}, {91.098214, 1.9584158, 0.00082636, 0.00000461}, {0.05589232, -0.0003455, -0.000000728, 0.00000000074}, {2.492519, -0.0039189, -0.00001549, 0.00000004}, {112.790414, 0.8731951, -0.00015218, -0.00000531}, 9.554747, 165.6, -8.88},  // Saturn
}};
static_assert(kPlanetElementTable.size() == 4);
static_assert(sizeof(PlanetElementRow) == 23 * sizeof(double));

}  // namespace nocturna
