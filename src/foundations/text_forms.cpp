#include "foundations/text_forms.h"

#include <cmath>

#include "foundations/angles.h"
#include "foundations/printf_text.h"

namespace nocturna {

const char* const kMonthNames[13] = {"",     "January", "February",  "March",   "April",
                                     "May",  "June",    "July",      "August",  "September",
                                     "October", "November", "December"};

namespace {

constexpr double kTenthsPerDegree = 600.0;
constexpr double kTenthsPerTurn = 360.0 * kTenthsPerDegree;

// A non-negative angle rounded to a tenth of a minute and split into whole degrees
// and minutes, so the minutes never print as 60.0.
struct DegreesMinutes {
  int degrees;
  double minutes;
};

DegreesMinutes SplitTenths(double tenths) {
  const double whole = std::trunc(tenths / kTenthsPerDegree);
  return {TruncToInt(whole), (tenths - whole * kTenthsPerDegree) / 10.0};
}

DegreesMinutes SplitMagnitude(double degrees) {
  return SplitTenths(std::round(std::fabs(degrees) * kTenthsPerDegree));
}

char SignLetter(double value, char positive, char negative, char zero) {
  if (value > 0) return positive;
  if (value < 0) return negative;
  return zero;
}

}  // namespace

std::string FormatLatitude(double latitude) {
  const DegreesMinutes dm = SplitMagnitude(latitude);
  return PrintfText("%02d\xB0%04.1f'%c", dm.degrees, dm.minutes, SignLetter(latitude, 'N', 'S', 'Q'));
}

std::string FormatLongitude(double longitude) {
  const DegreesMinutes dm = SplitMagnitude(longitude);
  return PrintfText("%03d\xB0%04.1f'%c", dm.degrees, dm.minutes,
                    SignLetter(longitude, 'W', 'E', 'G'));
}

std::string FormatAngle360(double degrees) {
  // Rounded first, then reduced: 359.99999 reads 000°00.0', not 360°00.0'.
  double tenths = std::fmod(std::round(degrees * kTenthsPerDegree), kTenthsPerTurn);
  if (tenths < 0) tenths += kTenthsPerTurn;
  const DegreesMinutes dm = SplitTenths(tenths);
  return PrintfText("%03d\xB0%04.1f'", dm.degrees, dm.minutes);
}

std::string FormatDeclination(double degrees) {
  const DegreesMinutes dm = SplitMagnitude(degrees);
  return PrintfText("%02d\xB0%04.1f'%c", dm.degrees, dm.minutes, SignLetter(degrees, 'N', 'S', 'Q'));
}

std::string FormatAltAz(double degrees, bool degMin, int width) {
  const bool wide = width == 3;
  if (!degMin) return wide ? PrintfText("%05.1f\xB0", degrees) : PrintfText("%04.1f\xB0", degrees);
  const double tenths = std::round(std::fabs(degrees) * kTenthsPerDegree);
  const DegreesMinutes dm = SplitTenths(tenths);
  // The sign goes before the degrees, and only when something non-zero is shown.
  const char* sign = degrees < 0 && tenths > 0 ? "-" : "";
  return wide ? PrintfText("%s%03d\xB0%04.1f'", sign, dm.degrees, dm.minutes)
              : PrintfText("%s%02d\xB0%04.1f'", sign, dm.degrees, dm.minutes);
}

std::string FormatAmplitude(double degrees) {
  return PrintfText("%04.1f\xB0%c", std::fabs(degrees) + 0.05, SignLetter(degrees, 'N', 'S', 'Q'));
}

std::string FormatLongDate(int month, int day, int year) {
  const char* name = month >= 1 && month <= 12 ? kMonthNames[month] : kMonthNames[0];
  return PrintfText("%02d - %s,%d", day, name, year);
}

std::string FormatClockTime(int a, int b, int c) { return PrintfText("%02d-%02d-%02d", a, b, c); }

std::string FormatHoursMinutes(double hours) {
  const double minutes = std::round(std::fabs(hours) * 60.0);
  const double wholeHours = std::trunc(minutes / 60.0);
  const char* sign = hours < 0 && minutes > 0 ? "-" : "";
  return PrintfText("%s%02d%02d", sign, TruncToInt(wholeHours),
                    TruncToInt(minutes - wholeHours * 60.0));
}

}  // namespace nocturna
