#pragma once
// Calendar moments (UT) and their day count from 1900 January 0.5 (JD 2415020.0).
#include <cstdint>

#include "ephemeris/astro_moment.h"

namespace nocturna {

// Julian centuries per day: T = days1900 * kCenturiesPerDay.
inline constexpr double kCenturiesPerDay = 2.7378507871321012e-05;

// A UT moment from its calendar fields; dayWithFraction is formed from them.
AstroMoment MakeAstroMoment(std::uint16_t month, std::uint16_t day, std::uint16_t year,
                            std::uint16_t hour, std::uint16_t minute, std::uint16_t second);

// A UT moment from a day of the month with its fraction (1.5 is the 1st at 12h); the
// clock fields are the whole hours, minutes and seconds of the fraction, kept as given.
AstroMoment MakeAstroMomentFromDay(std::uint16_t year, std::uint16_t month, double dayWithFraction);

// Julian day and days since 1900 January 0.5 of the moment: Julian calendar up to
// 1582 October 15.0, Gregorian after it.
JulianMoment ToJulian(const AstroMoment& moment);

// The calendar day (year, month, day with its fraction) of a count of days since
// 1900 January 0.5; there is no year 0 (the year before 1 is -1).
struct CalendarDay {
  int year;
  int month;
  double dayWithFraction;
};
CalendarDay FromJulian(double days1900);

// The moment shifted by a signed, fractional number of days, every field recomputed.
AstroMoment AddDays(const AstroMoment& moment, double days);

}  // namespace nocturna
