#pragma once
// UT from the computer clock, and whether the system's own zone rules have the local clock in
// daylight-saving time at that instant.
#include <ctime>

#include "foundations/date_time.h"

namespace nocturna {

struct UniversalClockReading {
  DateTime universalTime = 0.0;  // UT, fractional days since 1899-12-30 00:00
  int daylightHours = 0;         // 1 when the local clock is in daylight-saving time
};

// The reading for an instant given as seconds and nanoseconds since 1970-01-01 00:00 UTC. The
// daylight-saving state comes from the zone rules of TZ (or the system's zone when TZ is unset).
UniversalClockReading UniversalClockAt(std::time_t seconds, long nanoseconds);

// The reading for this instant of the system's real-time clock.
UniversalClockReading CurrentUniversalTime();

}  // namespace nocturna
