#pragma once
// Dates and clock times as typed: "YYYY-MM-DD", "HH:MM:SS" and the two together.
#include <optional>
#include <string_view>

namespace nocturna {

// The years the theories are good for; dates outside them are refused where a moment is read.
inline constexpr int kFirstAlmanacYear = 1901;
inline constexpr int kLastAlmanacYear = 2099;

struct DateFields {
  int year = 2000;
  int month = 1;
  int day = 1;
};

struct TimeFields {
  int hour = 0;
  int minute = 0;
  int second = 0;
};

struct DateAndTime {
  DateFields date;
  TimeFields time;
};

// Gregorian calendar rules.
bool IsLeapYear(int year);
int DaysInMonth(int year, int month);  // month 1..12

// "YYYY-MM-DD" of a real calendar day in kFirstAlmanacYear..kLastAlmanacYear.
std::optional<DateFields> ParseIsoDate(std::string_view text);

// "HH:MM:SS" or "HH:MM", 00:00:00..23:59:59.
std::optional<TimeFields> ParseClockTime(std::string_view text);

// A date and a clock time with one space or a 'T' between them ("2026-12-09 18:40:00",
// "2026-12-09T18:40").
std::optional<DateAndTime> ParseDateAndTime(std::string_view text);

}  // namespace nocturna
