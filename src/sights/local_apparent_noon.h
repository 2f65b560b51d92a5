#pragma once
// The moment of local apparent noon for a ship under way, and the altitude to preset.
#include <optional>

#include "ephemeris/ephemeris_choice.h"
#include "foundations/date_time.h"
#include "foundations/dr_position.h"
#include "navigation/body_catalog.h"
#include "sights/sight_corrections.h"
#include "sights/dead_reckoning.h"
#include "sights/sight_record.h"

namespace nocturna {

struct LocalApparentNoon {
  DateTime utc = 0.0;         // days since 1899-12-30, to the second
  DrPosition position;        // the DR at that moment (degrees, north and WEST positive)
  double declinationDegrees = 0.0;
  double meridianAltitudeDegrees = 0.0;  // Ho the Sun's centre will have, from the DR
  char bearing = 'S';                    // the Sun bears 'N' or 'S' at noon
  std::optional<double> presetHsDegrees;  // the sextant reading for the limb and conditions
  const char* refusal = nullptr;
};

// The UTC moment nearest `aboutUtc` when the Sun's GHA equals the ship's longitude, the ship
// carried along the dead reckoning `dr`: iterated until it moves less than a
// second. The Sun's meridian altitude comes from the DR at that moment, and the sextant
// altitude to preset from it for the limb and conditions.
LocalApparentNoon LocalApparentNoonFor(BodyCatalog& scratch, DateTime aboutUtc, const DeadReckoning& dr,
                                       const SightConditions& conditions, Limb limb,
                                       const EphemerisChoice& choice);

// The altitude (degrees) of a body of that declination on the upper meridian of the latitude.
double MeridianAltitude(double latitudeDegrees, double declinationDegrees);

}  // namespace nocturna
