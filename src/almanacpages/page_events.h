#pragma once
// The twilight, sunrise, sunset, moonrise and moonset cells of the daily pages: a time in local
// mean time, or the printed almanac's symbol for a day without the event.
#include <array>

#include "almanacpages/page_latitudes.h"
#include "ephemeris/astro_moment.h"
#include "ephemeris/body_ephemeris.h"
#include "ephemeris/ephemeris_choice.h"

namespace nocturna {

enum class EventCellKind {
  time,              // minutes holds the local mean time
  aboveAllDay,       // the body stays above the horizon all day: an open square
  belowAllDay,       // it stays below (or the Sun never reaches the twilight's depression): a filled square
  twilightAllNight,  // the Sun sets but stays above the twilight's depression: "////"
  notThisDay,        // the crossing falls on the day before or after (the Moon's daily lag): "-- --"
};

struct EventCell {
  EventCellKind kind = EventCellKind::time;
  int minutes = 0;  // local mean time, whole minutes 0..1440 (kind time only)
};

// A UT-hour event of the events record (run at longitude 0, so UT is local mean time) or its
// sentinel as a cell. `sunAboveAllDay` tells a twilight's "above its depression all day" apart:
// with the Sun up all day it is an open square, otherwise twilight lasts all night.
EventCell EventCellOf(double utHours, bool isTwilight, bool sunAboveAllDay);

// One day's events at one latitude.
struct LatitudeEvents {
  EventCell nauticalMorning, civilMorning, sunrise, sunset, civilEvening, nauticalEvening;
  EventCell moonrise, moonset;
};

using DayEvents = std::array<LatitudeEvents, kPageLatitudes.size()>;

// The events of the Greenwich date at every page latitude (longitude 0, zone description 0),
// from the chosen ephemeris.
DayEvents ComputeDayEvents(const CalendarDate& date, const EphemerisChoice& choice);

}  // namespace nocturna
