#include <gtest/gtest.h>

#include <cmath>

#include "ephemeris/julian.h"
#include "ephemeris/sidereal.h"

namespace nocturna {
namespace {

// Greenwich mean sidereal time at 0h UT, hours, from the IAU 1982 expression
// (24110.54841 s + 8640184.812866 s T + 0.093104 s T^2 - 6.2e-6 s T^3), computed apart;
// 1987 April 10 is Meeus' example 12.a (13h10m46.3668s), 2000 January 1 the almanac's
// 6h39m52.2707s. The stored linear factor (0.051366) adds at most 0.05 s over these dates.
TEST(SiderealTime, GreenwichAtZeroUtMatchesIau1982) {
  struct Case {
    CalendarDate date;
    double gmst;
  };
  const Case cases[] = {{{1, 1, 2000}, 6.664519646123794},
                        {{4, 10, 1987}, 13.179546340863965},
                        {{12, 8, 2026}, 5.117774157181998}};
  for (const Case& c : cases) {
    SiderealConverter converter;
    converter.ut = 0.0;
    const double gmst = ConvertSidereal(converter, c.date, DrPosition{0.0, 0.0}, 1);
    EXPECT_NEAR(gmst, c.gmst, 1.5e-5) << c.date.year << " diff " << gmst - c.gmst;
    EXPECT_NEAR(converter.lst, c.gmst, 1.5e-5);
  }
}

TEST(SiderealTime, LocalTimeAndBackOnTheZoneDate) {
  const CalendarDate date{12, 8, 2026};
  for (double longitude : {0.0, 75.0, -7.5, 150.0, -179.0}) {
    const DrPosition position{42.0, longitude};
    const int zd = ZoneDescriptionFromLongitude(position);
    for (double zoneTime = 0.0; zoneTime < 23.9; zoneTime += 0.37) {
      SiderealConverter forward;
      forward.ut = zoneTime + zd;
      const double gmst = ConvertSidereal(forward, date, position, 1);
      const double expectedLst = std::fmod(std::fmod(gmst - longitude / 15.0, 24.0) + 24.0, 24.0);
      EXPECT_NEAR(forward.lst, expectedLst, 1e-9);

      SiderealConverter back;
      back.lst = forward.lst;
      const double ut = ConvertSidereal(back, date, position, -1);
      EXPECT_NEAR(back.zoneTime, zoneTime, 1e-6) << longitude << " " << zoneTime;
      EXPECT_NEAR(ut, std::fmod(zoneTime + zd + 24.0, 24.0), 1e-6) << longitude << " " << zoneTime;
      EXPECT_EQ(ut, back.ut);
    }
  }
}

TEST(SiderealTime, ZoneTimeAlwaysWithinTheDayAndOtherFlagsDoNothing) {
  for (double longitude = -180.0; longitude <= 180.0; longitude += 22.5) {
    for (double lst = -30.0; lst <= 60.0; lst += 0.75) {
      SiderealConverter converter;
      converter.lst = lst;
      ConvertSidereal(converter, CalendarDate{3, 20, 2026}, DrPosition{-33.0, longitude}, -1);
      EXPECT_GE(converter.zoneTime, 0.0) << longitude << " " << lst;
      EXPECT_LE(converter.zoneTime, 24.0) << longitude << " " << lst;
      EXPECT_GE(converter.ut, 0.0);
      EXPECT_LE(converter.ut, 24.0);
    }
  }
  SiderealConverter untouched{1.0, 2.0, 3.0};
  for (int flag : {0, 2, -2}) {
    EXPECT_EQ(ConvertSidereal(untouched, CalendarDate{}, DrPosition{}, flag), 0.0);
    EXPECT_EQ(untouched.ut, 1.0);
    EXPECT_EQ(untouched.zoneTime, 2.0);
    EXPECT_EQ(untouched.lst, 3.0);
  }
}

TEST(GhaAries, ShortFormulaValues) {
  // 0.9856474 x 1462 + 98.9513 less four turns.
  EXPECT_NEAR(ApproxGhaAries(1, 1, 2000, 0, 0, 0), 99.9678, 5e-5);
  // Consecutive dates differ by one day of the formula, also across year ends.
  for (int year : {1999, 2003, 2025, 2099}) {
    const double step = ApproxGhaAries(1, 1, year + 1, 0, 0, 0) - ApproxGhaAries(12, 31, year, 0, 0, 0);
    EXPECT_NEAR(std::fmod(step + 360.0, 360.0), 0.9856474, 1e-9) << year;
  }
  // Against 15 x GMST from the IAU expression: 2026 December 8, 0h and 12h34m56s UT.
  EXPECT_NEAR(ApproxGhaAries(12, 8, 2026, 0, 0, 0), 15 * 5.117774157181998, 0.02);
  const double gmst = 5.117774157181998 + (12 + 34 / 60.0 + 56 / 3600.0) * 1.00273790935;
  EXPECT_NEAR(ApproxGhaAries(12, 8, 2026, 12, 34, 56), std::fmod(15 * gmst, 360.0), 0.02);
  for (int hour = 0; hour < 24; ++hour) {
    const double gha = ApproxGhaAries(6, 30, 2026, hour, 59, 59);
    EXPECT_GE(gha, 0.0);
    EXPECT_LT(gha, 360.0);
  }
}

}  // namespace
}  // namespace nocturna
