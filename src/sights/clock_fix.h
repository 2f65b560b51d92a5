#pragma once
// The fix with the watch's error unknown: latitude, longitude and the error of the log's times
// solved together by least squares from altitude lines and lunar distances. The altitudes alone
// cannot tell a clock error from a longitude error (the Earth turns 15' of longitude a minute);
// the lunar's distance, moving with the Moon, gives the time.
#include <string>
#include <vector>

#include "ephemeris/ephemeris_choice.h"
#include "navigation/body_catalog.h"
#include "sights/dead_reckoning.h"
#include "sights/lunar_clearing.h"

namespace nocturna {

// An altitude line as the log timed it.
struct ClockLine {
  int bodyIndex = 0;
  DateTime loggedUtc = 0.0;             // the log's time of the sight, days since 1899-12-30
  double observedAltitudeDegrees = 0.0;  // Ho
};

// A lunar with the log's time of it: the observation's watchTime less its watchFastSecondsGuess.
struct ClockLunar {
  LunarObservation observation;
  double distanceErrorMinutes = 0.2;  // the sextant's distance is taken as good to this
};

// The altitudes taken as good to this, nautical miles.
inline constexpr double kClockFixAltitudeErrorMiles = 1.0;
// Beyond these uncertainties (one standard deviation) the sights do not separate the clock from
// the longitude.
inline constexpr double kClockFixWidestClockSeconds = 60.0;
inline constexpr double kClockFixWidestPositionMiles = 15.0;

struct ClockFix {
  bool found = false;
  std::string problem;   // why there is none (empty when found)
  DrPosition position;   // degrees, north and WEST positive, at `utc`
  DateTime utc = 0.0;    // the fix's time, on the true UTC scale
  double logFastSeconds = 0.0;  // the log's times less the true UTC
  double latitudeErrorMiles = 0.0;   // one standard deviation, from the errors assumed
  double longitudeErrorMiles = 0.0;
  double clockErrorSeconds = 0.0;
  int iterations = 0;
};

// The fix at `fixUtc` (the log's time) from the lines and lunars, starting from the DR and the
// log's times taken as true. `scratch` is overwritten.
ClockFix FixWithUnknownClock(BodyCatalog& scratch, const std::vector<ClockLine>& lines,
                             const std::vector<ClockLunar>& lunars, const DeadReckoning& dr,
                             DateTime fixUtc, const EphemerisChoice& choice);

// The fix as the forms show it (Windows-1252), or "No fix with the clock unknown: " and why.
std::vector<std::string> ClockFixReportLines(const ClockFix& fix);

}  // namespace nocturna
