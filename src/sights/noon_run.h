#pragma once
// A run of Sun sights around noon: the maximum altitude, its time, latitude and longitude.
#include <vector>

#include "ephemeris/ephemeris_choice.h"
#include "foundations/date_time.h"
#include "foundations/dr_position.h"
#include "navigation/body_catalog.h"
#include "sights/meridian_latitude.h"
#include "sights/dead_reckoning.h"
#include "sights/sight_record.h"

namespace nocturna {

struct TimedAltitude {
  DateTime utc = 0.0;                    // days since 1899-12-30
  double observedAltitudeDegrees = 0.0;  // Ho of the Sun's centre
};

struct NoonRun {
  DateTime noonUtc = 0.0;                // the time of the maximum: local apparent noon
  double maximumAltitudeDegrees = 0.0;   // Ho at that moment, from the fit
  MeridianLatitude latitude;             // the noon form at that moment
  double longitudeDegrees = 0.0;         // the Sun's GHA at noon, WEST positive, -180..180
  double rmsResidualMinutes = 0.0;       // the shots' scatter about the fitted curve
  const char* refusal = nullptr;
};

// The run fitted by a parabola in time after each altitude is brought to the latitude and
// declination of the run's middle moment (the ship carried along the dead reckoning `dr`, the
// Sun's declination changing), so that the maximum falls at the meridian passage. Needs at
// least three shots spread around a maximum.
NoonRun FitNoonRun(BodyCatalog& scratch, const std::vector<TimedAltitude>& shots, const DeadReckoning& dr,
                   const EphemerisChoice& choice);

}  // namespace nocturna
