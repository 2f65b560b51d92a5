#include "foundations/date_time.h"

#include <cmath>

#include "foundations/angles.h"

namespace nocturna {

namespace {

constexpr long long kMillisecondsPerDay = 86'400'000;
// Days from 1970-01-01 to 1899-12-30, the epoch of DateTime.
constexpr long long kEpochFromUnixDays = -25'569;
// 0001-01-01 and 9999-12-31 as DateTime day numbers.
constexpr double kFirstDay = -693'593.0;
constexpr double kLastDay = 2'958'465.0;

long long FloorDiv(long long a, long long b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

// Days since 1970-01-01 of a proleptic Gregorian date (month 1..12, any day).
long long DaysFromCivil(long long year, long long month, long long day) {
  year -= month <= 2;
  const long long era = FloorDiv(year, 400);
  const long long yearOfEra = year - era * 400;
  const long long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

void CivilFromDays(long long days, int& year, int& month, int& day) {
  days += 719468;
  const long long era = FloorDiv(days, 146097);
  const long long dayOfEra = days - era * 146097;
  const long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const long long monthIndex = (5 * dayOfYear + 2) / 153;
  day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
  month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
  year = static_cast<int>(yearOfEra + era * 400 + (month <= 2));
}

}  // namespace

DateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second,
                        int millisecond) {
  const long long monthIndex = static_cast<long long>(month) - 1;
  const long long wholeYear = year + FloorDiv(monthIndex, 12);
  const long long monthOfYear = monthIndex - FloorDiv(monthIndex, 12) * 12 + 1;
  long long dayNumber = DaysFromCivil(wholeYear, monthOfYear, day) - kEpochFromUnixDays;
  long long milliseconds = ((static_cast<long long>(hour) * 60 + minute) * 60 + second) * 1000 + millisecond;
  dayNumber += FloorDiv(milliseconds, kMillisecondsPerDay);
  milliseconds -= FloorDiv(milliseconds, kMillisecondsPerDay) * kMillisecondsPerDay;
  const double timeOfDay = static_cast<double>(milliseconds) / kMillisecondsPerDay;
  const double date = static_cast<double>(dayNumber);
  return date < 0 ? date - timeOfDay : date + timeOfDay;
}

DecodedDateTime DecodeDateTime(DateTime value) {
  if (std::isnan(value)) value = 0.0;
  value = std::fmin(std::fmax(value, kFirstDay), kLastDay + 0.9999);
  const double whole = std::trunc(value);
  long long dayNumber = static_cast<long long>(whole);
  long long milliseconds = std::llround(std::fabs(value - whole) * kMillisecondsPerDay);
  if (milliseconds >= kMillisecondsPerDay) {
    milliseconds -= kMillisecondsPerDay;
    // Rounded up to midnight: the next calendar day, whose day number is one more.
    dayNumber += 1;
  }
  DecodedDateTime decoded{};
  CivilFromDays(dayNumber + kEpochFromUnixDays, decoded.year, decoded.month, decoded.day);
  decoded.millisecond = static_cast<int>(milliseconds % 1000);
  const long long seconds = milliseconds / 1000;
  decoded.second = static_cast<int>(seconds % 60);
  decoded.minute = static_cast<int>(seconds / 60 % 60);
  decoded.hour = static_cast<int>(seconds / 3600);
  return decoded;
}

int DayOfDateTime(DateTime value) { return TruncToInt(value); }

}  // namespace nocturna
