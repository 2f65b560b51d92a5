#pragma once
// A position as an NMEA 0183 waypoint sentence (WPL) for a chart plotter: the celestial fix or
// the DR, under a talker that no plotter takes for its GPS.
#include <string>
#include <string_view>

#include "foundations/date_time.h"
#include "foundations/dr_position.h"

namespace nocturna {

// "EC": electronic chart, the talker of a navigation computer's own sentences.
inline constexpr std::string_view kWaypointTalker = "EC";

// "$ECWPL,4807.0380,N,01131.0000,E,FIX123519*hh\r\n": position in degrees (north and WEST
// positive) as ddmm.mmmm and dddmm.mmmm, named prefix + the UTC time of day hhmmss of utc
// (days since 1899-12-30), with its checksum.
std::string WaypointSentence(const DrPosition& position, DateTime utc, std::string_view prefix = "FIX",
                             std::string_view talker = kWaypointTalker);

// "*hh\r\n" closing a sentence: the XOR of the bytes between '$' and the end, in two hex digits.
std::string NmeaChecksumEnding(std::string_view sentence);

}  // namespace nocturna
