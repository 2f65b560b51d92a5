#pragma once
// The day's Sun and Moon events with the precise engine: the zone day of the standard daily
// run (0h to 24h zone time, the zone description from the longitude), searched by root finding
// on the body's altitude.
#include <optional>

#include "ephemeris/astro_moment.h"
#include "ephemeris/body_ephemeris.h"
#include "ephemeris/precise/day_track.h"
#include "ephemeris/precise/dut1_table.h"
#include "foundations/dr_position.h"

namespace nocturna {

// Fills the events record's times (UTC hours 0..24, or the sentinels: -1 above the event's
// altitude all day "CP", -2 below it all day "NR", -3 no prime-vertical crossing "NC", -4 the
// crossing falls on another day "none"), amplitudeAngle (degrees north of east at sunrise),
// setAzimuth (degrees at sunset) and equationOfTime (minutes, no sign), as the standard daily
// run does. Altitudes of the centre, geocentric: sunrise and sunset -0°50', civil -6°, nautical
// -12°; the Moon HP - SD - 34'. pvcMorning and pvcEvening are the meridian passage less or
// plus the hours to the crossing (the morning one may fall below 0). Position in degrees,
// north and WEST positive; dut1Override and imported as for PreciseInstantOf. Returns nullptr, or a fixed
// message (the record untouched) when the date or the DUT1 is refused. Allocates nothing.
const char* ComputePreciseEvents(SunEventsRecord& events, const CalendarDate& zoneDate,
                                 const DrPosition& position, std::optional<double> dut1Override,
                                 const Dut1Table* imported = nullptr);

// The Sun's and the Moon's places through one zone day: what the events of every latitude on
// one meridian share, so a table of many latitudes computes them once.
struct PreciseEventTracks {
  int zoneDescription = 0;  // hours, from the longitude
  DayTrack sun;
  DayTrack moon;
};

// The tracks of the zone date's day for a longitude (degrees, west positive). Returns nullptr,
// or ComputePreciseEvents's refusal message (the tracks untouched).
const char* PreciseEventTracksOf(PreciseEventTracks& tracks, const CalendarDate& zoneDate, double longitude,
                                 std::optional<double> dut1Override, const Dut1Table* imported = nullptr);

// ComputePreciseEvents on tracks already computed for the position's zone description.
void ComputePreciseEventsOnTracks(SunEventsRecord& events, const PreciseEventTracks& tracks,
                                  const DrPosition& position);

}  // namespace nocturna
