#pragma once
// The Moon's geocentric distance from another body as the ephemeris gives it, and the moment
// at which it takes a given value.
#include <optional>

#include "ephemeris/ephemeris_choice.h"
#include "foundations/date_time.h"
#include "foundations/dr_position.h"
#include "navigation/body_catalog.h"

namespace nocturna {

// The geocentric angle between the centres of the Moon and body `bodyIndex` at `utc`, degrees,
// with its rate in minutes of arc per minute of time. The ephemeris takes whole seconds: the
// distance between them is interpolated. `scratch` is left at the whole second before `utc`.
struct LunarDistanceAt {
  double distanceDegrees = 0.0;
  double rateMinutesPerMinute = 0.0;
};
LunarDistanceAt EphemerisLunarDistance(BodyCatalog& scratch, int bodyIndex, DateTime utc,
                                       const DrPosition& position, const EphemerisChoice& choice);

// The geocentric angle between the Moon and body `bodyIndex` in a catalog brought to a moment,
// degrees.
double CatalogLunarAngle(const BodyCatalog& catalog, int bodyIndex);

// Only the angle, without the rate.
double EphemerisLunarAngle(BodyCatalog& scratch, int bodyIndex, DateTime utc,
                           const DrPosition& position, const EphemerisChoice& choice);

// Bring the catalog to the whole second of `utc` (rounded down).
void BringCatalogTo(BodyCatalog& scratch, DateTime utc, const DrPosition& position,
                    const EphemerisChoice& choice);

// The UTC near `guess` (within `searchHours`) at which the geocentric distance is
// `distanceDegrees`, to a few hundredths of a second; nothing when the distance is not reached
// there by Newton's method.
std::optional<DateTime> SolveLunarTime(BodyCatalog& scratch, int bodyIndex, double distanceDegrees,
                                       DateTime guess, double searchHours, const DrPosition& position,
                                       const EphemerisChoice& choice);

// The GHA and declination (degrees) of body `bodyIndex` at `utc`, interpolated between the
// whole seconds about it.
struct GhaDeclination {
  double ghaDegrees = 0.0;
  double declinationDegrees = 0.0;
};
GhaDeclination EphemerisPlace(BodyCatalog& scratch, int bodyIndex, DateTime utc,
                               const DrPosition& position, const EphemerisChoice& choice);

// Seconds of time that 0.1' of distance is worth at a rate in ' per minute (infinite at 0).
double SecondsPerTenthMinute(double rateMinutesPerMinute);

}  // namespace nocturna
