#pragma once
// The day's moonrise and moonset for a zone date and a DR position.
#include "ephemeris/astro_moment.h"
#include "ephemeris/body_ephemeris.h"
#include "foundations/dr_position.h"

namespace nocturna {

// Moonrise and moonset of the zone date at the position (degrees, north and WEST positive) into
// events.moonrise and events.moonset: UT hours 0..24 of the Moon's centre crossing the altitude
// where its upper limb, with refraction and parallax, touches the horizon; or kEventAboveAllDay /
// kEventBelowAllDay. Each event is refined once with the Moon at the estimate of its own time.
// Uses the record as working storage for the Moon; the Sun event fields are left alone.
void ComputeMoonEvents(SunEventsRecord& events, const CalendarDate& zoneDate,
                       const DrPosition& position);

}  // namespace nocturna
