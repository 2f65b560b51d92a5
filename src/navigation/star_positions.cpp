#include "navigation/star_positions.h"

#include <cmath>

#include "ephemeris/sidereal.h"
#include "foundations/angles.h"
#include "navigation/hour_angle.h"
#include "navigation/star_term_table.h"

namespace nocturna {
namespace {

// Whole days since 1995 December 31 (day 0); integer arithmetic truncating toward zero,
// the leap-year rule is right for 1901..2099.
int StarDayCount(const CalendarDate& date) {
  const int year = date.year;
  const int month = date.month;
  const int leap = (year % 4 == 0) ? 0 : 1;
  return leap + TruncToInt(365.25 * year) + 275 * month / 9 + date.day -
         (month + 9) / 12 * (leap + 1) - 729069;
}

// Offset of the approximate GHA Aries at 0h of day 0, degrees.
constexpr double kAriesEpochOffset = 98.9513;
// Daily advance of the approximate GHA Aries beyond whole turns, degrees per day.
constexpr double kDayAngleRate = 0.9856474;

}  // namespace

double PlaceStars(BodyCatalog& catalog, const CalendarDate& utDate, const ClockTime& utTime) {
  const double hours = utTime.hour + utTime.minute / 60.0 + utTime.second / 3600.0;
  const double v = kDayAngleRate * (StarDayCount(utDate) + hours / 24);
  const double s = std::sin(DegToRad(v));
  const double c = std::cos(DegToRad(v));
  for (int row = 0; row < kStarCount; ++row) {
    const StarTerms& p = kStarTermTable[row];
    CelestialBody& star = catalog.entries[kFirstStarIndex + row];
    star.sha = ReduceHourAngle((p.p1 - 1) * v + p.p0 + p.p2 * s + p.p3 * c - kAriesEpochOffset);
    star.declination = p.p5 * v + p.p4 + p.p6 * s + p.p7 * c;
  }
  return v;
}

double ComputeStarPositions(BodyCatalog& catalog, const CalendarDate& utDate,
                            const ClockTime& utTime) {
  const double ghaAries = ApproxGhaAries(utDate.month, utDate.day, utDate.year, utTime.hour,
                                         utTime.minute, utTime.second);
  PlaceStars(catalog, utDate, utTime);
  for (int k = 0; k < kBodyCount; ++k) {
    catalog.gha[k] = ReduceHourAngle(catalog.entries[k].sha + ghaAries);
  }
  return ghaAries;
}

}  // namespace nocturna
