#pragma once
// The day's event times as the zone-time texts of the data block and the printed chart.
#include <array>
#include <string>

#include "ephemeris/body_ephemeris.h"

namespace nocturna {

// Sunrise, sunset, civil morning, civil evening, nautical morning, nautical evening,
// moonrise, moonset, meridian passage, PVC morning, PVC evening.
using EventTimeTexts = std::array<std::string, 11>;

// Each UT-hour event of the record less the zone description (hours, west positive),
// brought once into 0..24 and shown "hhmm"; the sentinels read "CP", "NR" and "NC".
EventTimeTexts FormatEventTimes(const SunEventsRecord& events, int zoneDescription);

}  // namespace nocturna
