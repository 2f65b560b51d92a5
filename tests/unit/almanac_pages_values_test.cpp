// The daily pages' values: the printed rounding and text forms, the event cells and their
// symbols, the checks of a passage, and an opening's figures against published ones.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "almanacpages/almanac_passage.h"
#include "almanacpages/page_dates.h"

namespace nocturna {
namespace {

TEST(AlmanacPagesValues, RoundingAndTextFormsAsPrinted) {
  struct Case {
    double degrees;
    const char* hourAngle;
    const char* declination;
  };
  const Case cases[] = {
      {0.0, "000 00.0", "N 0 00.0"},         {359.99999, "000 00.0", "N360 00.0"},
      {-0.5, "359 30.0", "S 0 30.0"},        {23.44, "023 26.4", "N23 26.4"},
      {-5.0016667, "354 59.9", "S 5 00.1"},  {79.208333, "079 12.5", "N79 12.5"},
      {720.05, "000 03.0", "N720 03.0"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatHourAngle(RoundHourAngle(c.degrees)), c.hourAngle) << c.degrees;
    EXPECT_EQ(FormatDeclination(RoundSignedAngle(c.degrees)), c.declination) << c.degrees;
  }
  EXPECT_EQ(FormatTenths(RoundArcMinutes(-2.06)), "-2.1");
  EXPECT_EQ(FormatTenths(RoundArcMinutes(0.04)), "0.0");
  EXPECT_EQ(FormatTenths(RoundArcMinutes(16.25)), "16.3");
  EXPECT_EQ(FormatHourMinute(0), "00 00");
  EXPECT_EQ(FormatHourMinute(1439), "23 59");
}

TEST(AlmanacPagesValues, EventCellsTellTheDaysWithoutTheEvent) {
  struct Case {
    double utHours;
    bool twilight;
    bool sunUpAllDay;
    EventCellKind kind;
    int minutes;
  };
  const Case cases[] = {
      {6.5, false, false, EventCellKind::time, 390},
      {23.9999, true, false, EventCellKind::time, 1440},
      {kEventBelowAllDay, false, false, EventCellKind::belowAllDay, 0},
      {kEventBelowAllDay, true, false, EventCellKind::belowAllDay, 0},
      {kEventAboveAllDay, false, true, EventCellKind::aboveAllDay, 0},
      {kEventAboveAllDay, true, true, EventCellKind::aboveAllDay, 0},
      {kEventAboveAllDay, true, false, EventCellKind::twilightAllNight, 0},
  };
  for (const Case& c : cases) {
    const EventCell cell = EventCellOf(c.utHours, c.twilight, c.sunUpAllDay);
    EXPECT_EQ(cell.kind, c.kind) << c.utHours << " twilight " << c.twilight;
    EXPECT_EQ(cell.minutes, c.minutes) << c.utHours;
  }
}

TEST(AlmanacPagesValues, PassagesAreCheckedAndCounted) {
  struct Case {
    CalendarDate from;
    int days;
    bool accepted;
    int openings;
  };
  const Case cases[] = {
      {{12, 10, 2026}, 1, true, 1},    {{12, 10, 2026}, 3, true, 1},
      {{12, 10, 2026}, 4, true, 2},    {{1, 1, 2028}, 366, true, 122},
      {{12, 10, 2026}, 0, false, 0},   {{12, 10, 2026}, 367, false, 0},
      {{12, 10, 2026}, -5, false, 0},  {{12, 29, 2099}, 3, true, 1},
      {{12, 30, 2099}, 3, false, 0},   {{12, 31, 1900}, 1, false, 0},
      // The last opening is printed whole: a passage of one day from 2099-12-31 would print
      // 1 and 2 January 2100.
      {{12, 31, 2099}, 1, false, 0},   {{12, 30, 2099}, 1, false, 0},
  };
  for (const Case& c : cases) {
    const std::string error = CheckPassage(c.from, c.days);
    EXPECT_EQ(error.empty(), c.accepted) << c.from.year << "-" << c.from.month << "-" << c.from.day
                                         << " " << c.days << ": " << error;
    if (c.accepted) {
      EXPECT_EQ(OpeningCount(c.days), c.openings) << c.days;
    }
  }
}

TEST(AlmanacPagesValues, DatesStepAcrossMonthsAndYears) {
  const CalendarDate last = DateAfter({12, 30, 2026}, 3);
  EXPECT_EQ(last.year, 2027);
  EXPECT_EQ(last.month, 1);
  EXPECT_EQ(last.day, 2);
  EXPECT_EQ(WeekdayOf({12, 10, 2026}), 4);  // a Thursday
  EXPECT_EQ(WeekdayOf({1, 1, 2000}), 6);    // a Saturday
  EXPECT_EQ(DateAfter({3, 1, 2028}, -1).day, 29);
}

// One opening, computed once for the tests that read it.
class AlmanacOpeningTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    june = new AlmanacOpening(ComputeAlmanacOpening({6, 20, 2026}, AlmanacPagesEphemeris()));
    february = new AlmanacOpening(ComputeAlmanacOpening({2, 10, 2026}, AlmanacPagesEphemeris()));
  }
  static void TearDownTestSuite() {
    delete june;
    delete february;
  }
  static int LatitudeIndex(int degrees) {
    for (std::size_t i = 0; i < kPageLatitudes.size(); ++i) {
      if (kPageLatitudes[i] == degrees) return static_cast<int>(i);
    }
    return -1;
  }
  static AlmanacOpening* june;
  static AlmanacOpening* february;
};
AlmanacOpening* AlmanacOpeningTest::june = nullptr;
AlmanacOpening* AlmanacOpeningTest::february = nullptr;

// The hour-to-hour steps agree with the v and d printed beside them: the interpolation a
// navigator does with the page gives the next hour's printed figure within rounding.
TEST_F(AlmanacOpeningTest, HourlyStepsAgreeWithVAndD) {
  for (const AlmanacOpening* opening : {june, february}) {
    for (int h = 0; h + 1 < kOpeningHours; ++h) {
      const MoonHour& moon = opening->moon[h];
      const MoonHour& next = opening->moon[h + 1];
      const int moonStep = (next.place.gha - moon.place.gha + 216000) % 216000;
      EXPECT_LE(std::abs(moonStep - (8590 + moon.v)), 2) << "Moon GHA at hour " << h;
      EXPECT_LE(std::abs(next.place.declination - moon.place.declination - moon.d), 2)
          << "Moon declination at hour " << h;
      const int ariesStep = (opening->ghaAries[h + 1] - opening->ghaAries[h] + 216000) % 216000;
      EXPECT_NEAR(ariesStep, 9025, 1) << "Aries at hour " << h;  // 15 deg 02.46'
    }
    for (const PlanetColumn& planet : opening->planets) {
      const int day = (planet.hours[47].gha - planet.hours[24].gha + 216000) % 216000;
      EXPECT_LE(std::abs(day - 23 * (9000 + planet.v)), 23) << planet.name;
    }
  }
}

// Equation of time and the Sun's meridian passage against an independent computation (ERFA:
// eraEpv00 Sun with aberration, eraPnm06a, eraGst06, UT1 = UTC + 0.1 s): -14m09.6s at 0h and
// -14m10.1s at 12h on 10 February 2026, -1m29.2s and -1m35.8s on 20 June 2026; and against
// Meeus, Astronomical Algorithms (2nd ed., chapter 28), +13m42.6s on 1992 October 13 at 0h.
// The page prints whole seconds, so within a second; the semi-diameters as the almanacs print them.
TEST_F(AlmanacOpeningTest, EquationOfTimeAndSunPassageAsComputedIndependently) {
  EXPECT_NEAR(february->days[0].equationOfTime00h, -849.6, 1);
  EXPECT_NEAR(february->days[0].equationOfTime12h, -850.1, 1);
  EXPECT_EQ(february->days[0].sunMeridianPassage, 12 * 60 + 14);
  EXPECT_NEAR(june->days[0].equationOfTime00h, -89.2, 1);
  EXPECT_NEAR(june->days[0].equationOfTime12h, -95.8, 1);
  EXPECT_EQ(june->days[0].sunMeridianPassage, 12 * 60 + 2);
  const AlmanacOpening meeus = ComputeAlmanacOpening({10, 13, 1992}, AlmanacPagesEphemeris());
  EXPECT_NEAR(meeus.days[0].equationOfTime00h, 13 * 60 + 42.6, 1);
  EXPECT_NEAR(june->sun.semiDiameter, 158, 1);      // 15.8' in June
  EXPECT_NEAR(february->sun.semiDiameter, 162, 1);  // 16.2' in February
}

// Midsummer at the latitudes: the symbols of the printed tables where the Sun never sets or the
// twilight never ends; at the equator the day of about 12h07m centred on the meridian passage.
TEST_F(AlmanacOpeningTest, MidsummerSymbolsAndTheEquatorsDay) {
  const LatitudeEvents& north72 = june->events[1][LatitudeIndex(72)];
  EXPECT_EQ(north72.sunrise.kind, EventCellKind::aboveAllDay);
  EXPECT_EQ(north72.sunset.kind, EventCellKind::aboveAllDay);
  EXPECT_EQ(north72.nauticalMorning.kind, EventCellKind::aboveAllDay);
  const LatitudeEvents& north60 = june->events[1][LatitudeIndex(60)];
  EXPECT_EQ(north60.sunrise.kind, EventCellKind::time);
  EXPECT_EQ(north60.nauticalMorning.kind, EventCellKind::twilightAllNight);
  EXPECT_EQ(north60.nauticalEvening.kind, EventCellKind::twilightAllNight);
  const LatitudeEvents& south60 = june->events[1][LatitudeIndex(-60)];
  EXPECT_EQ(south60.nauticalMorning.kind, EventCellKind::time);
  const LatitudeEvents& equator = june->events[1][LatitudeIndex(0)];
  ASSERT_EQ(equator.sunrise.kind, EventCellKind::time);
  const int dayLength = equator.sunset.minutes - equator.sunrise.minutes;
  EXPECT_NEAR(dayLength, 12 * 60 + 7, 2);
  EXPECT_NEAR((equator.sunrise.minutes + equator.sunset.minutes) / 2.0,
              june->days[1].sunMeridianPassage, 1.0);
}

// The Moon's age and passages follow the lunation: a day older each day, the upper and lower
// passages about 12h25m apart, and in June 2026 (new moon 15 June) a crescent growing.
TEST_F(AlmanacOpeningTest, MoonAgeAndPassagesFollowTheLunation) {
  for (int day = 0; day + 1 < kOpeningDays; ++day) {
    EXPECT_EQ(june->days[day + 1].moonAge, june->days[day].moonAge + 1) << day;
    EXPECT_GT(june->days[day + 1].moonPhase, june->days[day].moonPhase) << day;
  }
  EXPECT_NEAR(june->days[0].moonAge, 5, 1);
  for (const OpeningDay& day : june->days) {
    if (!day.moonUpperPassage || !day.moonLowerPassage) continue;
    const int apart = (*day.moonUpperPassage - *day.moonLowerPassage + 1440) % 1440;
    EXPECT_TRUE(std::abs(apart - 745) < 30 || std::abs(apart - 695) < 30) << apart;
  }
}

}  // namespace
}  // namespace nocturna
