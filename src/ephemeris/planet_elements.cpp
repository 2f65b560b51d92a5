#include "ephemeris/planet_elements.h"

#include <array>
#include <cstddef>

#include "ephemeris/julian.h"
#include "ephemeris/planet_element_table.h"
#include "ephemeris/revolution.h"

namespace nocturna {

namespace {

double Cubic(const std::array<double, 4>& c, double t) {
  return c[0] + t * (c[1] + t * (c[2] + t * c[3]));
}

}  // namespace

void PlanetElements(const AstroMoment& moment, SunPlanetRecords& records) {
  const double t = ToJulian(moment).days1900 * kCenturiesPerDay;
  for (std::size_t p = 0; p < kPlanetElementTable.size(); ++p) {
    const PlanetElementRow& row = kPlanetElementTable[p];
    BodyEphemeris& planet = records[p + 1];
    const auto& l = row.longitude;
    planet.meanLongitude = l[0] + RevolutionDegrees(l[1] * t) + l[2] * t * t + l[3] * t * t * t;
    // Revolutions per century to degrees per day: 360 / 36525.
    planet.dailyMotion = l[1] * 0.009856263 + (l[2] + l[3]) / 36525;
    planet.perihelionLongitude = Cubic(row.perihelion, t);
    planet.meanEccentricity = Cubic(row.eccentricity, t);
    planet.inclination = Cubic(row.inclination, t);
    planet.nodeLongitude = Cubic(row.node, t);
    planet.semiMajorAxis = row.semiMajorAxis;
    planet.diameterAt1Au = row.diameterAt1Au;
    planet.magnitude = row.magnitudeV0;
  }
}

}  // namespace nocturna
