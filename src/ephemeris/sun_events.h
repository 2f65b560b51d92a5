#pragma once
// The day's Sun events for a zone date and a DR position.
#include "ephemeris/astro_moment.h"
#include "ephemeris/body_ephemeris.h"
#include "foundations/dr_position.h"

namespace nocturna {

// Sunrise and sunset (upper limb with refraction, centre 50' below the horizon), civil (6°) and
// nautical (12°) twilight, morning and evening, in UT hours 0..24 on the zone date, or
// kEventAboveAllDay / kEventBelowAllDay; amplitudeAngle (degrees north of east at sunrise, or the
// sunrise sentinel). Each event is refined once with the Sun at the estimate of its own time.
void ComputeSunEvents(SunEventsRecord& events, const CalendarDate& zoneDate,
                      const DrPosition& position);

// Local apparent noon (meridianPassage, UT hours 0..24), the Sun's prime-vertical crossings
// (pvcMorning, pvcEvening, UT hours, or kNoPrimeVertical) and the magnitude of the equation of
// time (minutes) for the zone date at latitude and longitude (degrees, north and WEST positive).
// Leaves the Sun at local mean noon in the record's Sun fields. Returns meridianPassage.
double ComputeSunMeridianAndPvc(SunEventsRecord& events, const CalendarDate& zoneDate,
                                double latitude, double longitude);

}  // namespace nocturna
