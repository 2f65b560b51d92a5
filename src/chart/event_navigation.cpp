#include "chart/event_navigation.h"

#include "ephemeris/body_ephemeris.h"

namespace nocturna {

EventJump JumpToEvent(DateTime zoneTime, double eventTime, int zoneDescription,
                      SunEventKind kind) {
  EventJump jump;
  if (kind == SunEventKind::RiseSetOrTwilight) {
    if (eventTime == kEventBelowAllDay) {
      jump.message = "Sun does not rise.";
      return jump;
    }
    if (eventTime == kEventAboveAllDay) {
      jump.message = "Sun is circumpolar.";
      return jump;
    }
  } else if (kind == SunEventKind::PrimeVertical && eventTime == kNoPrimeVertical) {
    jump.message = "Sun does not cross the Prime Vertical.";
    return jump;
  }
  double zoneHours = eventTime - zoneDescription;
  if (zoneHours > 24.0) {
    zoneHours -= 24.0;
  } else if (zoneHours < 0.0) {
    zoneHours += 24.0;
  }
  jump.moved = true;
  jump.zoneTime = DayOfDateTime(zoneTime) + zoneHours / 24.0;
  return jump;
}

}  // namespace nocturna
