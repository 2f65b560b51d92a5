#pragma once
// Moving the chart's zone time to one of the day's Sun events, kept on the current zone date.
#include <string>

#include "foundations/date_time.h"

namespace nocturna {

// Which sentinels an event can hold.
enum class SunEventKind {
  RiseSetOrTwilight,  // -2 the Sun does not rise, -1 it is circumpolar
  PrimeVertical,      // -3 no prime-vertical crossing
  Meridian,           // always a time
};

struct EventJump {
  bool moved = false;       // false: the event does not occur; message says why
  DateTime zoneTime = 0.0;  // the new zone time when moved
  std::string message;
};

// The zone time (days) of an event stored in UT hours (eventTime, or its sentinel) on the zone
// date of zoneTime, for a zone description in hours (west positive). One step of 24 hours
// brings the zone hour back into the day; 24 itself stays and lands on the next midnight.
EventJump JumpToEvent(DateTime zoneTime, double eventTime, int zoneDescription,
                      SunEventKind kind);

}  // namespace nocturna
