#include <gtest/gtest.h>

#include <cmath>

#include "ephemeris/julian.h"
#include "foundations/date_time.h"

namespace nocturna {
namespace {

TEST(JulianDay, PublishedDayNumbers) {
  // Julian days worked in Meeus, Astronomical Algorithms, chapter 7.
  struct Case {
    int year, month;
    double dayWithFraction, julianDay;
  };
  const Case cases[] = {{2000, 1, 1.5, 2451545.0},      {1999, 1, 1.0, 2451179.5},  {1987, 1, 27.0, 2446822.5},
                        {1987, 6, 19.5, 2446966.0},     {1988, 1, 27.0, 2447187.5}, {1900, 1, 1.0, 2415020.5},
                        {1600, 12, 31.0, 2305812.5},    {1957, 10, 4.81, 2436116.31},
                        {837, 4, 10.3, 2026871.8},      {333, 1, 27.5, 1842713.0},  {1582, 10, 4.0, 2299159.5}};
  for (const Case& c : cases) {
    const JulianMoment j = ToJulian(MakeAstroMomentFromDay(c.year, c.month, c.dayWithFraction));
    EXPECT_NEAR(j.julianDay, c.julianDay, 1e-6) << c.year << "-" << c.month << "-" << c.dayWithFraction;
    EXPECT_NEAR(j.days1900, c.julianDay - 2415020.0, 1e-6);
  }
  const JulianMoment noon2000 = ToJulian(MakeAstroMoment(1, 1, 2000, 12, 0, 0));
  EXPECT_EQ(noon2000.julianDay, 2451545.0);
  EXPECT_EQ(noon2000.days1900, 36525.0);
  EXPECT_EQ(noon2000.month, 1);
  EXPECT_EQ(noon2000.hour, 12);
}

TEST(JulianDay, GregorianCorrectionStartsAfterOctober15At0h) {
  // 1582 October 15.0 itself still counts as a Julian-calendar date (10 days later than
  // the Gregorian 15th); one second later the correction applies.
  EXPECT_NEAR(ToJulian(MakeAstroMoment(10, 15, 1582, 0, 0, 0)).julianDay, 2299170.5, 1e-9);
  EXPECT_NEAR(ToJulian(MakeAstroMoment(10, 15, 1582, 0, 0, 1)).julianDay, 2299160.5 + 1.0 / 86400, 1e-7);
  EXPECT_NEAR(ToJulian(MakeAstroMoment(12, 31, 1582, 0, 0, 0)).julianDay, 2299237.5, 1e-9);
  // Earlier years never get it, whatever their month and day.
  EXPECT_NEAR(ToJulian(MakeAstroMoment(12, 31, 1581, 0, 0, 0)).julianDay, 2298882.5, 1e-9);
}

TEST(JulianDay, FromJulianMatchesTheCivilCalendar) {
  // DateTime day n (1899-12-30 epoch) begins at days1900 = n - 1.5.
  for (double n = EncodeDateTime(1583, 1, 1, 0, 0, 0); n < EncodeDateTime(2600, 1, 1, 0, 0, 0); n += 37.0) {
    const DecodedDateTime civil = DecodeDateTime(n);
    for (double fraction : {0.0, 0.25, 0.7181}) {
      const CalendarDay day = FromJulian(n - 1.5 + fraction);
      ASSERT_EQ(day.year, civil.year) << n;
      ASSERT_EQ(day.month, civil.month) << n;
      ASSERT_NEAR(day.dayWithFraction, civil.day + fraction, 1e-7) << n;
      const JulianMoment back = ToJulian(MakeAstroMomentFromDay(day.year, day.month, day.dayWithFraction));
      ASSERT_NEAR(back.days1900, n - 1.5 + fraction, 1e-7) << n;
    }
  }
  // Julian-calendar side and the year before 1.
  const CalendarDay early = FromJulian(1842713.0 - 2415020.0);
  EXPECT_EQ(early.year, 333);
  EXPECT_EQ(early.month, 1);
  EXPECT_NEAR(early.dayWithFraction, 27.5, 1e-9);
  EXPECT_EQ(FromJulian(1721422.5 - 2415020.0).year, -1);  // 1 BC December 31
}

TEST(JulianDay, FractionReachingOneRollsToTheNextDay) {
  // x = days1900 + 0.5 sits just below 0, so x - floor(x) rounds to exactly 1.
  const CalendarDay day = FromJulian(std::nextafter(-0.5, -1.0));
  EXPECT_EQ(day.year, 1899);
  EXPECT_EQ(day.month, 12);
  EXPECT_EQ(day.dayWithFraction, 31.0);
  const AstroMoment moment = MakeAstroMomentFromDay(1899, 12, day.dayWithFraction);
  EXPECT_EQ(moment.day, 31);
  EXPECT_EQ(moment.hour, 0);
}

TEST(JulianDay, AddDaysCrossesMonthsYearsAndLeapDays) {
  struct Case {
    AstroMoment from;
    double days;
    int year, month, day, hour, minute, second;
  };
  const Case cases[] = {
      {MakeAstroMoment(3, 1, 2000, 0, 0, 0), -1.0, 2000, 2, 29, 0, 0, 0},
      {MakeAstroMoment(2, 28, 2000, 6, 0, 0), 1.0, 2000, 2, 29, 6, 0, 0},
      {MakeAstroMoment(2, 28, 2100, 6, 0, 0), 1.0, 2100, 3, 1, 6, 0, 0},
      {MakeAstroMoment(12, 31, 1999, 12, 0, 0), 0.5, 2000, 1, 1, 0, 0, 0},
      {MakeAstroMoment(1, 1, 2000, 0, 0, 0), -0.25, 1999, 12, 31, 18, 0, 0},
      {MakeAstroMoment(1, 31, 2026, 23, 30, 0), 1.0 / 48, 2026, 2, 1, 0, 0, 0},
      {MakeAstroMoment(12, 6, 2026, 17, 5, 9), 365.0, 2027, 12, 6, 17, 5, 9},
  };
  for (const Case& c : cases) {
    const AstroMoment m = AddDays(c.from, c.days);
    EXPECT_EQ(m.year, c.year);
    EXPECT_EQ(m.month, c.month);
    EXPECT_EQ(m.day, c.day);
    EXPECT_EQ(m.hour, c.hour);
    EXPECT_EQ(m.minute, c.minute);
    EXPECT_EQ(m.second, c.second) << c.year << "-" << c.month << "-" << c.day;
    EXPECT_NEAR(m.dayWithFraction, c.day + c.hour / 24.0 + c.minute / 1440.0 + c.second / 86400.0, 1e-7);
  }
  // Whole days never lose a second of the clock fields to rounding.
  for (int s = 0; s < 86400; s += 61) {
    const AstroMoment start = MakeAstroMoment(6, 15, 2026, s / 3600, s / 60 % 60, s % 60);
    for (double days : {1.0, -1.0, 30.0, -400.0}) {
      const AstroMoment m = AddDays(start, days);
      ASSERT_EQ(m.hour * 3600 + m.minute * 60 + m.second, s) << days;
    }
  }
}

}  // namespace
}  // namespace nocturna
