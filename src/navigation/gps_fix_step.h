#pragma once
// The position step after each burst from the GPS receiver.
#include "foundations/dr_position.h"
#include "navigation/nmea_sentence.h"

namespace nocturna {

// Bursts in a row without a valid fix before the user is told that coverage is poor.
inline constexpr int kPoorFixLimit = 10;

struct GpsFixResult {
  enum class Kind {
    Fix,           // a valid fix: position and zoneDescription hold it
    NoFix,         // counted, nothing to show
    PoorCoverage,  // the limit was reached: tell the user, counting starts again
  };
  Kind kind = Kind::NoFix;
  DrPosition position;      // degrees, north and WEST positive
  int zoneDescription = 0;  // hours, west positive (UT = ZT + ZD)
};

// One burst's step. parsed: an RMC sentence was read in this burst into fields.
// poorFixCount counts bursts without a valid fix; it is reset by a fix and when the
// poor-coverage result is given.
GpsFixResult GpsFixStep(bool parsed, const RmcFields& fields, int& poorFixCount);

}  // namespace nocturna
