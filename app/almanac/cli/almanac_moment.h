#pragma once
// The moment the almanac is for, from the options and the system's UTC clock.
#include <string>

#include "cli/almanac_options.h"
#include "foundations/date_time.h"
#include "platform/system_clock.h"

namespace nocturna {

struct MomentOutcome {
  DateTime zoneTime = 0;    // zone date and time, days since 1899-12-30
  int zoneDescription = 0;  // hours, west positive: UT = ZT + ZD
  std::string error;        // empty when the moment is usable
};

// The zone description is --zd or, without it, the one nominal for the DR longitude. A moment
// given in UT (--date, --time) or in zone time (--zone-date, --zt) is completed from `now`:
// a missing date is today's (UT or zone), a missing time is 00:00:00 when a date was given
// and now otherwise. Both the UT and the zone date must lie in the theories' years.
MomentOutcome ResolveMoment(const AlmanacOptions& options, const UtcCalendar& now);

}  // namespace nocturna
