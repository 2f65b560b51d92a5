#include "ephemeris/sidereal.h"

#include "ephemeris/julian.h"
#include "foundations/angles.h"

namespace nocturna {

namespace {

constexpr double kSiderealPerSolar = 1.002737908;
constexpr double kSolarPerSidereal = 0.9972695677;
constexpr double kHoursPerDegree = 0.06666666666666667;
constexpr double kDaysPerCentury = 36525.0;
constexpr double kDays1900Of2000 = 36525.0;  // 2000 January 1.5

// Greenwich mean sidereal time at 0h UT of the date, hours (one step into 0..24).
// Centuries count from 2000 January 1.5 to the 0h moment itself.
double SiderealTimeAtZeroUt(const CalendarDate& date) {
  const double days1900 = ToJulian(MakeAstroMoment(date.month, date.day, date.year, 0, 0, 0)).days1900;
  const double t = (days1900 - kDays1900Of2000) / kDaysPerCentury;
  // Whole years of 2400 sidereal hours per century come off before the large factor, so the
  // product stays near one day.
  double g0 = t * (0.051366 + t * (2.586222e-05 - t * 1.722e-09)) + (t - (date.year - 2000) * 0.01) * 2400 +
              6.697374558;
  WrapHours(g0);
  return g0;
}

double Wrapped(double hours) {
  WrapHours(hours);
  return hours;
}

}  // namespace

double ConvertSidereal(SiderealConverter& converter, const CalendarDate& zoneDate,
                       const DrPosition& position, int direction) {
  if (direction != 1 && direction != -1) return 0;
  const double g0 = SiderealTimeAtZeroUt(zoneDate);
  const int zoneDescription = ZoneDescriptionFromLongitude(position);
  const double longitudeHours = position.longitude * kHoursPerDegree;
  if (direction == 1) {
    const double gmst = g0 + converter.ut * kSiderealPerSolar;
    converter.lst = Wrapped(gmst - longitudeHours);
    return gmst;
  }
  // Full reductions here (the same as one step for any sensible input), so a stray lst
  // can never give a zone time outside 0..24.
  const double s0 = WrapPositive(g0 + zoneDescription * kSiderealPerSolar, 24);
  double g = WrapPositive(converter.lst + longitudeHours, 24);
  // An event sidereally before 0h zone time falls later on the same zone date.
  if (g < s0) g += 24;
  converter.zoneTime = WrapPositive((g - s0) * kSolarPerSidereal, 24);
  converter.ut = WrapPositive(converter.zoneTime + zoneDescription, 24);
  return converter.ut;
}

double ApproxGhaAries(std::uint16_t month, std::uint16_t day, std::uint16_t year, std::uint16_t hour,
                      std::uint16_t minute, std::uint16_t second) {
  const double f = hour + minute / 60.0 + second / 3600.0;
  const int leapOffset = year - 4 * (year / 4) != 0 ? 1 : 0;
  const double d = leapOffset + TruncToInt(365.25 * year) + (275 * month) / 9 + day -
                   ((month + 9) / 12) * (leapOffset + 1) - 729069 + f / 24;
  double gha = 0.9856474 * d + 98.9513 + 15 * f;
  while (gha >= 360) gha -= 360;
  while (gha < 0) gha += 360;
  return gha;
}

}  // namespace nocturna
