#pragma once
// One sight taken at meridian passage, reduced to a latitude.
#include "ephemeris/ephemeris_choice.h"
#include "foundations/date_time.h"
#include "foundations/dr_position.h"
#include "navigation/body_catalog.h"
#include "sights/meridian_latitude.h"

namespace nocturna {

// Beyond this fall of the altitude below the meridian altitude (minutes of arc, from the DR)
// a sight is too far from meridian passage to give a latitude directly.
inline constexpr double kNoonRowLargestFallMinutes = 0.3;

// The latitude from Ho (degrees) of the body at catalog position bodyIndex at `utc`, its
// declination taken at that moment; refused when the body is not on the DR's meridian.
MeridianLatitude NoonRowLatitude(BodyCatalog& scratch, int bodyIndex, DateTime utc,
                                 double observedAltitudeDegrees, const DrPosition& dr,
                                 const EphemerisChoice& choice);

}  // namespace nocturna
