#pragma once
// The heading of the almanac page: the moment, the DR position and GHA Aries.
#include <string>

#include "ephemeris/astro_moment.h"
#include "foundations/dr_position.h"

namespace nocturna {

// Greenwich date and UT, the DR position (degrees, north and WEST positive) and GHA Aries
// (degrees), as Windows-1252 text.
std::string HeaderReport(const CalendarDate& utDate, const ClockTime& utTime,
                         const DrPosition& position, double ghaAries);

}  // namespace nocturna
