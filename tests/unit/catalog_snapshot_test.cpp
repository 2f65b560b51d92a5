#include <gtest/gtest.h>

#include <string>

#include "navigation/almanac_snapshot.h"
#include "navigation/sun_moon_values.h"

namespace nocturna {
namespace {

TEST(AlmanacSnapshot, UniversalTimeIsZoneTimePlusZoneDescription) {
  struct Case {
    int zoneYear, zoneMonth, zoneDay, zoneHour;
    int zd;
    CalendarDate utDate;
    std::uint16_t utHour;
  };
  const Case cases[] = {
      {2015, 6, 1, 20, 5, {6, 2, 2015}, 1},
      {2015, 12, 31, 22, 3, {1, 1, 2016}, 1},
      {2016, 3, 1, 5, -12, {2, 29, 2016}, 17},
      {2000, 1, 1, 0, 0, {1, 1, 2000}, 0},
  };
  for (const Case& c : cases) {
    const DateTime zoneTime = EncodeDateTime(c.zoneYear, c.zoneMonth, c.zoneDay, c.zoneHour, 0, 0);
    const AlmanacMoment m = AlmanacMomentOf(zoneTime, c.zd);
    SCOPED_TRACE(std::to_string(c.zoneYear) + "-" + std::to_string(c.zoneMonth) + "-" +
                 std::to_string(c.zoneDay) + " ZD " + std::to_string(c.zd));
    EXPECT_EQ(m.zoneDate.day, c.zoneDay);
    EXPECT_EQ(m.zoneClock.hour, c.zoneHour);
    EXPECT_EQ(m.utDate.year, c.utDate.year);
    EXPECT_EQ(m.utDate.month, c.utDate.month);
    EXPECT_EQ(m.utDate.day, c.utDate.day);
    EXPECT_EQ(m.utClock.hour, c.utHour);
  }
}

TEST(AlmanacSnapshot, TheDaysEventsFollowTheZoneDate) {
  // 20:00 on 1 June at 75W is 01:00 UT on 2 June: the events are those of 1 June.
  const DrPosition position{42.0, 75.0};
  const AlmanacSnapshot snapshot =
      TakeAlmanacSnapshot(EncodeDateTime(2015, 6, 1, 20, 0, 0), 5, position);
  SunEventsRecord zoneDay{};
  RunDailyEphemeris(zoneDay, CalendarDate{6, 1, 2015}, position);
  SunEventsRecord utDay{};
  RunDailyEphemeris(utDay, CalendarDate{6, 2, 2015}, position);
  EXPECT_EQ(snapshot.events.sunrise, zoneDay.sunrise);
  EXPECT_EQ(snapshot.events.moonrise, zoneDay.moonrise);
  EXPECT_NE(snapshot.events.moonrise, utDay.moonrise);
  // Sunrise near 04:27 EST (09:27 UT) that day; the sky itself is of 01:00 UT on 2 June.
  EXPECT_NEAR(snapshot.events.sunrise, 9.45, 0.1);
  EXPECT_EQ(snapshot.catalog.gha[kAriesIndex], snapshot.ghaAries);
  EXPECT_NEAR(snapshot.ghaAries, 265.18949, 0.001);  // apparent sidereal time, independent
  EXPECT_LT(snapshot.catalog.hc[kSunIndex], 0);      // after sunset
}

// A table of latitudes on one meridian shares the day's Sun and Moon work; each record must be
// the one the single-position run gives, for either ephemeris and for a date the precise one
// refuses (1850: the standard run steps in).
TEST(AlmanacSnapshot, EventsAlongAMeridianEqualEachPositionsOwnRun) {
  constexpr int kLatitudes[] = {72, 58, 0, -35, -60};
  constexpr double SunEventsRecord::*kFields[] = {
      &SunEventsRecord::sunrise,         &SunEventsRecord::sunset,       &SunEventsRecord::civilMorning,
      &SunEventsRecord::civilEvening,    &SunEventsRecord::nauticalMorning, &SunEventsRecord::nauticalEvening,
      &SunEventsRecord::moonrise,        &SunEventsRecord::moonset,      &SunEventsRecord::meridianPassage,
      &SunEventsRecord::equationOfTime,  &SunEventsRecord::amplitudeAngle, &SunEventsRecord::setAzimuth,
      &SunEventsRecord::pvcMorning,      &SunEventsRecord::pvcEvening};
  for (const EphemerisKind kind : {EphemerisKind::standard, EphemerisKind::precise}) {
    for (const CalendarDate date : {CalendarDate{6, 21, 2026}, CalendarDate{12, 9, 1850}}) {
      for (const double longitude : {0.0, 75.0, -150.5}) {
        const EphemerisChoice choice{kind, {}};
        const auto records = RunDailyEphemerisAlongMeridian(date, kLatitudes, longitude, choice);
        ASSERT_EQ(records.size(), std::size(kLatitudes));
        for (std::size_t i = 0; i < records.size(); ++i) {
          SunEventsRecord single{};
          RunDailyEphemeris(single, date, DrPosition{static_cast<double>(kLatitudes[i]), longitude}, choice);
          SCOPED_TRACE(std::to_string(date.year) + " lat " + std::to_string(kLatitudes[i]) + " lon " +
                       std::to_string(longitude));
          for (const auto field : kFields) EXPECT_EQ(records[i].*field, single.*field);
        }
      }
    }
  }
}

TEST(SunMoonValues, DataBlockTexts) {
  struct Case {
    std::string actual;
    const char* expected;
  };
  const Case cases[] = {
      {FormatEquationOfTime(7.25), "07m15s"},
      {FormatEquationOfTime(-3.5), "-3m-30s"},
      {FormatEquationOfTime(7.9999), "08m00s"},
      {FormatEquationOfTime(0.0), "00m00s"},
      {FormatArcMinutes(16.27), "16.3'"},
      {FormatArcMinutes(5.0), " 5.0'"},
      {FormatAmplitudeOrSentinel(-1), "CP"},
      {FormatAmplitudeOrSentinel(-2), "NR"},
      {FormatAmplitudeOrSentinel(12.34), "12.4\xB0N"},
      {FormatAmplitudeOrSentinel(-1.5), "01.6\xB0S"},
      {FormatPhase(0.5), "50%"},
      {FormatPhase(0.0), " 0%"},
      {FormatPhase(1.0), "100%"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.actual, c.expected);
}

TEST(SunMoonValues, SemiDiametersInMinutesOfArc) {
  BodyCatalog catalog = BuildCatalog();
  catalog.sunPlanetRecords[kSunRecord].radiusVector = 0.983;  // early January
  catalog.moonRecord.semiDiameter = 0.25;
  catalog.moonRecord.horizontalParallax = 0.95;
  SunEventsRecord events{};
  events.amplitudeAngle = kEventBelowAllDay;
  const SunMoonValues v = SunMoonValuesOf(catalog, events);
  EXPECT_NEAR(v.sunSemiDiameter, 16.27, 0.01);
  EXPECT_DOUBLE_EQ(v.moonSemiDiameter, 15.0);
  EXPECT_DOUBLE_EQ(v.moonHorizontalParallax, 57.0);
  EXPECT_EQ(v.amplitude, kEventBelowAllDay);
}

}  // namespace
}  // namespace nocturna
