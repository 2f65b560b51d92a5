#include "sights/body_place.h"

#include <cmath>

#include "navigation/almanac_snapshot.h"
#include "sights/sight_line.h"

namespace nocturna {

BodyPlace PlaceOfBody(BodyCatalog& scratch, int bodyIndex, DateTime utc, const DrPosition& at,
                      const EphemerisChoice& choice) {
  CalendarDate date;
  ClockTime clock;
  SplitUtc(utc, date, clock);
  ComputeMomentPositions(scratch, date, clock, at, choice);
  return {scratch.gha[bodyIndex], scratch.entries[bodyIndex].declination};
}

double SignedDegrees(double degrees) { return std::remainder(degrees, 360.0); }

}  // namespace nocturna
