#pragma once
// The calendar record every theory takes (UT) and its Julian day count.
#include <cstdint>

namespace nocturna {

struct AstroMoment {
  std::uint16_t month = 1;
  std::uint16_t day = 1;
  std::uint16_t year = 2000;
  std::uint16_t hour = 0;
  std::uint16_t minute = 0;
  std::uint16_t second = 0;
  double dayWithFraction = 1.0;  // day + hour/24 + minute/1440 + second/86400
};

// A UT (or zone) calendar date and a whole-second clock time, as the windows hand them over.
struct CalendarDate {
  std::uint16_t month = 1;
  std::uint16_t day = 1;
  std::uint16_t year = 2000;
};

struct ClockTime {
  std::uint16_t hour = 0;
  std::uint16_t minute = 0;
  std::uint16_t second = 0;
};

// An AstroMoment with its Julian day number and the days since 1900 January 0.5 (JD 2415020.0).
struct JulianMoment : AstroMoment {
  double julianDay = 0.0;
  double days1900 = 0.0;
};

}  // namespace nocturna
