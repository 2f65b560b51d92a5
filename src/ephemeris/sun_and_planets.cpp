#include "ephemeris/sun_and_planets.h"

#include "ephemeris/planet.h"
#include "ephemeris/planet_elements.h"
#include "ephemeris/sun_position.h"

namespace nocturna {

int ComputeSunAndPlanets(const AstroMoment& moment, SunPlanetRecords& records) {
  // The elements also reset each planet's magnitude to V0, which ComputePlanet turns into
  // the visual magnitude; every planet reads the Sun record.
  PlanetElements(moment, records);
  SunPosition(records[0], moment);
  for (int index = 1; index < static_cast<int>(records.size()); ++index) {
    ComputePlanet(records, index, moment);
  }
  return 1;
}

}  // namespace nocturna
