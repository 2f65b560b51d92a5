#include "foundations/calendar_text.h"

#include <cstddef>

namespace nocturna {
namespace {

// Exactly `width` digits, as a number.
std::optional<int> FixedDigits(std::string_view text, std::size_t width) {
  if (text.size() != width) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

}  // namespace

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

std::optional<DateFields> ParseIsoDate(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  const auto year = FixedDigits(text.substr(0, 4), 4);
  const auto month = FixedDigits(text.substr(5, 2), 2);
  const auto day = FixedDigits(text.substr(8, 2), 2);
  if (!year || !month || !day) return std::nullopt;
  if (*year < kFirstAlmanacYear || *year > kLastAlmanacYear) return std::nullopt;
  if (*month < 1 || *month > 12 || *day < 1 || *day > DaysInMonth(*year, *month)) {
    return std::nullopt;
  }
  return DateFields{*year, *month, *day};
}

std::optional<TimeFields> ParseClockTime(std::string_view text) {
  if ((text.size() != 5 && text.size() != 8) || text[2] != ':') return std::nullopt;
  if (text.size() == 8 && text[5] != ':') return std::nullopt;
  const auto hour = FixedDigits(text.substr(0, 2), 2);
  const auto minute = FixedDigits(text.substr(3, 2), 2);
  const auto second = text.size() == 8 ? FixedDigits(text.substr(6, 2), 2) : 0;
  if (!hour || !minute || !second || *hour > 23 || *minute > 59 || *second > 59) {
    return std::nullopt;
  }
  return TimeFields{*hour, *minute, *second};
}

std::optional<DateAndTime> ParseDateAndTime(std::string_view text) {
  constexpr std::size_t kDateLength = 10;
  if (text.size() <= kDateLength || (text[kDateLength] != ' ' && text[kDateLength] != 'T')) {
    return std::nullopt;
  }
  const auto date = ParseIsoDate(text.substr(0, kDateLength));
  const auto time = ParseClockTime(text.substr(kDateLength + 1));
  if (!date || !time) return std::nullopt;
  return DateAndTime{*date, *time};
}

}  // namespace nocturna
