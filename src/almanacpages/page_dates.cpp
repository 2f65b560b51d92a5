#include "almanacpages/page_dates.h"

namespace nocturna {

CalendarDate CalendarDateOf(const DecodedDateTime& parts) {
  return {static_cast<std::uint16_t>(parts.month), static_cast<std::uint16_t>(parts.day),
          static_cast<std::uint16_t>(parts.year)};
}

CalendarDate DateAfter(const CalendarDate& date, int days) {
  return CalendarDateOf(
      DecodeDateTime(EncodeDateTime(date.year, date.month, date.day + days, 0, 0, 0)));
}

int WeekdayOf(const CalendarDate& date) {
  // Day 0 of the date-time count, 1899-12-30, was a Saturday.
  const int day = DayOfDateTime(EncodeDateTime(date.year, date.month, date.day, 0, 0, 0));
  return ((day % 7) + 13) % 7;
}

const char* MonthName(int month) {
  static constexpr const char* kNames[] = {"JANUARY", "FEBRUARY", "MARCH",     "APRIL",
                                           "MAY",     "JUNE",     "JULY",      "AUGUST",
                                           "SEPTEMBER", "OCTOBER", "NOVEMBER", "DECEMBER"};
  return month >= 1 && month <= 12 ? kNames[month - 1] : "";
}

const char* WeekdayName(int weekday) {
  static constexpr const char* kNames[] = {"SUN", "MON", "TUE", "WED", "THU", "FRI", "SAT"};
  return weekday >= 0 && weekday <= 6 ? kNames[weekday] : "";
}

}  // namespace nocturna
