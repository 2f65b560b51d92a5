#pragma once
// One sight reduced at a DR position: its corrections, Hc, Zn and intercept.
#include "ephemeris/astro_moment.h"
#include "ephemeris/ephemeris_choice.h"
#include "foundations/dr_position.h"
#include "navigation/body_catalog.h"
#include "sights/sight_record.h"

namespace nocturna {

// Computed altitude and true azimuth, degrees.
struct AltitudeAzimuth {
  double hcDegrees = 0.0;  // above the celestial horizon, -90..90
  double znDegrees = 0.0;  // from true north through east, 0..360
};

// Hc and Zn of a body at a GHA and declination (degrees) from a position (degrees, north and
// WEST positive), by the cosine formula for Hc and atan2 for Zn, so that bodies on the
// meridian and near the zenith come out exactly.
AltitudeAzimuth ComputedAltitudeAzimuth(double ghaDegrees, double declinationDegrees,
                                        const DrPosition& position);

struct SightLine {
  int bodyIndex = 0;        // catalog position
  DateTime utc = 0.0;       // days since 1899-12-30, UTC
  DrPosition dr;            // the position it was reduced at (degrees, north and WEST positive)
  AltitudeCorrections corrections;  // Hs to Ho
  double ghaDegrees = 0.0;
  double declinationDegrees = 0.0;
  double hcDegrees = 0.0;
  double znDegrees = 0.0;
  double interceptMiles = 0.0;  // Ho - Hc in nautical miles, positive toward the body
};

// The catalog's UT date and whole-second clock of a UTC moment (days since 1899-12-30).
void SplitUtc(DateTime utc, CalendarDate& date, ClockTime& clock);

// The sight of body `bodyIndex` reduced at `dr` (its DR at the sight's time): the catalog is
// brought to the sight's UTC for that body by the chosen ephemeris (ComputeMomentBody), the
// corrections give Ho (on the almanac's sphere with the standard ephemeris, for an observer on
// the WGS84 ellipsoid with the precise one), and Hc and Zn are computed at dr. `scratch` is
// overwritten.
SightLine ReduceSight(BodyCatalog& scratch, int bodyIndex, const SightRecord& sight,
                      const DrPosition& dr, const EphemerisChoice& choice);

}  // namespace nocturna
