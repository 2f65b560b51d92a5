#include "ephemeris/julian.h"

#include <cmath>

#include "foundations/angles.h"

namespace nocturna {

namespace {

constexpr double kDaysPerHour = 1.0 / 24.0;
constexpr double kDaysPerMinute = 0.0006944444444444445;
constexpr double kDaysPerSecond = 1.1574074074074073e-05;
constexpr double kJulianDayOf1900 = 2415020.0;
constexpr double kSecondsPerDay = 86400.0;
// The fraction of a day comes from sums of tens of thousands of days, good to a few
// microseconds; a clock field is read as whole seconds allowing that much, so a moment
// shifted by whole days keeps its hh:mm:ss instead of losing a second to rounding.
constexpr double kSecondTolerance = 1.0e-4;

}  // namespace

AstroMoment MakeAstroMoment(std::uint16_t month, std::uint16_t day, std::uint16_t year,
                            std::uint16_t hour, std::uint16_t minute, std::uint16_t second) {
  AstroMoment moment;
  moment.month = month;
  moment.day = day;
  moment.year = year;
  moment.hour = hour;
  moment.minute = minute;
  moment.second = second;
  moment.dayWithFraction = day + hour * kDaysPerHour + minute * kDaysPerMinute + second * kDaysPerSecond;
  return moment;
}

AstroMoment MakeAstroMomentFromDay(std::uint16_t year, std::uint16_t month, double dayWithFraction) {
  AstroMoment moment;
  moment.year = year;
  moment.month = month;
  moment.dayWithFraction = dayWithFraction;
  const double day = std::trunc(dayWithFraction);
  moment.day = static_cast<std::uint16_t>(TruncToInt(day));
  double seconds = std::floor((dayWithFraction - day) * kSecondsPerDay + kSecondTolerance);
  if (!(seconds >= 0)) seconds = 0;  // NaN or a negative day
  if (seconds > kSecondsPerDay - 1) seconds = kSecondsPerDay - 1;
  const int wholeSeconds = TruncToInt(seconds);
  moment.hour = static_cast<std::uint16_t>(wholeSeconds / 3600);
  moment.minute = static_cast<std::uint16_t>(wholeSeconds / 60 % 60);
  moment.second = static_cast<std::uint16_t>(wholeSeconds % 60);
  return moment;
}

JulianMoment ToJulian(const AstroMoment& moment) {
  int y = moment.year;
  int m = moment.month;
  if (m < 3) {
    y -= 1;
    m += 12;
  }
  const bool gregorian =
      moment.year > 1582 ||
      (moment.year == 1582 && (moment.month > 10 || (moment.month == 10 && moment.dayWithFraction > 15.0)));
  int b = 0;
  if (gregorian) {
    const int a = y / 100;
    b = 2 - a + a / 4;
  }
  const int c = y >= 0 ? TruncToInt(365.25 * y) : TruncToInt(365.25 * y - 0.75);
  const int wholeDays = (c - 694025) + TruncToInt(30.6001 * (m + 1)) + b;
  JulianMoment julian;
  static_cast<AstroMoment&>(julian) = moment;
  julian.days1900 = wholeDays + moment.dayWithFraction - 0.5;
  julian.julianDay = julian.days1900 + kJulianDayOf1900;
  return julian;
}

CalendarDay FromJulian(double days1900) {
  const double x = days1900 + 0.5;
  long long z = FloorToInt(x);
  double f = x - static_cast<double>(z);
  if (f == 1.0) {
    f = 0.0;
    z += 1;
  }
  if (z >= -115860) {
    const long long alpha = FloorToInt(static_cast<double>(z) * 2.7379070069885075e-05 + 0.99835726) + 14;
    z = z + alpha - FloorToInt(static_cast<double>(alpha) / 4) + 1;
  }
  const long long c = FloorToInt(static_cast<double>(z) * 0.0027378507871321013 + 0.802601);
  const long long d = FloorToInt(static_cast<double>(c) * 365.25 + 0.750001);
  const long long g = z - d + 416;
  const long long e = FloorToInt(static_cast<double>(g) * 0.03267963176590926);
  CalendarDay result;
  result.dayWithFraction = static_cast<double>(g - FloorToInt(static_cast<double>(e) * 30.6001)) + f;
  result.month = static_cast<int>(e < 13.5 ? e - 1 : e - 13);
  long long year = result.month >= 2.5 ? c + 1899 : c + 1900;
  if (year <= 0) year -= 1;
  result.year = static_cast<int>(year);
  return result;
}

AstroMoment AddDays(const AstroMoment& moment, double days) {
  const CalendarDay shifted = FromJulian(ToJulian(moment).days1900 + days);
  return MakeAstroMomentFromDay(static_cast<std::uint16_t>(shifted.year),
                                static_cast<std::uint16_t>(shifted.month), shifted.dayWithFraction);
}

}  // namespace nocturna
