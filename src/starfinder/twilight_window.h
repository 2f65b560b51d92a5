#pragma once
// The stretch of twilight in which stars and the horizon are both seen: from nautical to civil
// twilight in the morning (Sun 12° to 6° below the horizon), from civil to nautical in the evening.
#include <string>

#include "ephemeris/body_ephemeris.h"
#include "foundations/date_time.h"

namespace nocturna {

enum class Twilight { morning, evening };

struct TwilightWindow {
  bool occurs = false;
  DateTime start = 0;   // zone time, days since 1899-12-30
  DateTime end = 0;     // zone time; after start, on the next day when the window spans midnight
  std::string missing;  // why there is no window, when it does not occur
  DateTime Middle() const { return (start + end) / 2; }
};

// The window of the zone date's events (UT hours or sentinels in `events`) as zone times on
// zoneDate (days, whole part used), zoneDescription in hours west positive.
TwilightWindow TwilightWindowOf(const SunEventsRecord& events, Twilight twilight, DateTime zoneDate,
                                int zoneDescription);

// "morning" or "evening".
const char* TwilightName(Twilight twilight);

}  // namespace nocturna
