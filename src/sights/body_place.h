#pragma once
// Where a catalog body stands at one UTC moment, by the chosen ephemeris.
#include "ephemeris/ephemeris_choice.h"
#include "foundations/date_time.h"
#include "foundations/dr_position.h"
#include "navigation/body_catalog.h"

namespace nocturna {

struct BodyPlace {
  double ghaDegrees = 0.0;          // [0, 360), westward from Greenwich
  double declinationDegrees = 0.0;  // north positive
};

// The GHA and declination of the body at catalog position bodyIndex at `utc` (days since
// 1899-12-30, taken to the whole second). `scratch` is brought to that moment for that body
// (its disc too; Hc and Zn are not filled), with none of the other bodies' work.
BodyPlace PlaceOfBody(BodyCatalog& scratch, int bodyIndex, DateTime utc, const EphemerisChoice& choice);

// An angle in degrees brought to -180..180.
double SignedDegrees(double degrees);

}  // namespace nocturna
