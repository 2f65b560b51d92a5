#include "sights/body_place.h"

#include <cmath>

#include "navigation/almanac_snapshot.h"
#include "sights/sight_line.h"

namespace nocturna {

BodyPlace PlaceOfBody(BodyCatalog& scratch, int bodyIndex, DateTime utc, const EphemerisChoice& choice) {
  CalendarDate date;
  ClockTime clock;
  SplitUtc(utc, date, clock);
  ComputeMomentBody(scratch, date, clock, bodyIndex, choice);
  return {scratch.gha[bodyIndex], scratch.entries[bodyIndex].declination};
}

double SignedDegrees(double degrees) { return std::remainder(degrees, 360.0); }

}  // namespace nocturna
