#pragma once
// Conversions between UT, zone time and local sidereal time, and the Greenwich hour
// angle of Aries that places every body.
#include <cstdint>

#include "ephemeris/astro_moment.h"
#include "foundations/dr_position.h"

namespace nocturna {

// Hours: ut and zoneTime in 0..24 on the zone date, lst local sidereal time in 0..24.
struct SiderealConverter {
  double ut = 0;
  double zoneTime = 0;
  double lst = 0;
};

// direction +1: converter.ut (UT hours on the zone date) into converter.lst for the
// position (longitude west positive); returns the Greenwich mean sidereal time in hours,
// not reduced. direction -1: converter.lst into converter.zoneTime and converter.ut on that
// zone date, both 0..24, the zone description being the one nominal for the longitude;
// returns ut. Any other direction changes nothing and returns 0.
double ConvertSidereal(SiderealConverter& converter, const CalendarDate& zoneDate,
                       const DrPosition& position, int direction);

// Greenwich hour angle of Aries in degrees, 0 <= GHA < 360, for UT calendar fields
// (short formula, good to a few hundredths of a degree around 2000).
double ApproxGhaAries(std::uint16_t month, std::uint16_t day, std::uint16_t year, std::uint16_t hour,
                      std::uint16_t minute, std::uint16_t second);

}  // namespace nocturna
