#pragma once
// The two conversions the day's rise/set drivers share: a local sidereal time into UT on the
// zone date, and a UT estimate back into the moment at which the body is evaluated again.
#include "ephemeris/astro_moment.h"
#include "foundations/dr_position.h"

namespace nocturna {

// UT hours (0..24) on the zone date of a local sidereal time (hours) at the position
// (longitude WEST positive), by the sidereal converter with the nominal zone description.
double UtOfLocalSiderealTime(double lst, const CalendarDate& zoneDate, const DrPosition& position);

// The UT moment of an event estimate: date0 (0h of the zone date) plus ut hours, a day earlier
// when the zone time ut - zoneDescription exceeds 24 and a day later when it is negative (the
// converter wrapped ut into 0..24, which may have moved it off the zone date).
AstroMoment MomentOfEstimate(const AstroMoment& date0, double ut, int zoneDescription);

}  // namespace nocturna
