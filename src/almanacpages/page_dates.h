#pragma once
// Greenwich dates of the daily pages: stepping by days, the weekday, the month's name.
#include "ephemeris/astro_moment.h"
#include "foundations/date_time.h"

namespace nocturna {

// The calendar date of decoded date-time parts.
CalendarDate CalendarDateOf(const DecodedDateTime& parts);

// The date `days` after `date` (negative: before).
CalendarDate DateAfter(const CalendarDate& date, int days);

// 0 Sunday .. 6 Saturday.
int WeekdayOf(const CalendarDate& date);

// "JANUARY" .. "DECEMBER" and "SUN" .. "SAT".
const char* MonthName(int month);
const char* WeekdayName(int weekday);

}  // namespace nocturna
