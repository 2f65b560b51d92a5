// The day's Sun events against an independent computation: the apparent Sun from ERFA
// (IAU 2006/2000A, EPV00) iterated in python3 to the crossings of altitude -50', -6° and -12°,
// to the meridian and to azimuths 90° and 270°, on the zone date of the nominal zone description.
#include "ephemeris/sun_events.h"

#include <gtest/gtest.h>

#include <cmath>

#include "ephemeris/rise_set.h"
#include "foundations/angles.h"

namespace nocturna {
namespace {

constexpr double kSecondsPerHour = 3600;

// Difference of two UT hours in seconds, the day wrap ignored.
double HoursDifferenceSeconds(double a, double b) {
  return std::remainder(a - b, 24.0) * kSecondsPerHour;
}

struct SunEventsCase {
  const char* place;
  CalendarDate date;
  DrPosition position;
  double expected[6];  // sunrise, sunset, civil and nautical morning/evening (UT hours or sentinel)
};

TEST(ComputeSunEventsTest, EventTimesMatchIndependentReference) {
  // Zone descriptions from +11 to -11: the evening events of the far zones were the ones that
  // took the Sun on the wrong day.
  const SunEventsCase cases[] = {
      {"42N 75W equinox",
       {3, 20, 2024},
       {42, 75},
       {11.03941, 23.21414, 10.57559, 23.67902, 10.03197, 0.22418}},
      {"Tokyo, ZD -9",
       {5, 5, 2024},
       {35.7, -139.7},
       {19.75092, 9.52051, 19.29071, 9.98208, 18.73491, 10.53994}},
      {"Honolulu, ZD +11",
       {1, 15, 2024},
       {21.3, 157.9},
       {17.19474, 4.17398, 16.79771, 4.57093, 16.34283, 5.02570}},
      {"Sydney, ZD -10",
       {8, 10, 2024},
       {-33.9, -151.2},
       {20.65629, 7.36908, 20.22384, 7.80167, 19.73001, 8.29569}},
      {"60N 170E, ZD -11",
       {12, 6, 2026},
       {60, -170},
       {21.39061, 3.63050, 20.46521, 4.55566, 19.53816, 5.48236}},
      {"70N midsummer",
       {6, 21, 2024},
       {70, -20},
       {kEventAboveAllDay, kEventAboveAllDay, kEventAboveAllDay, kEventAboveAllDay,
        kEventAboveAllDay, kEventAboveAllDay}},
      {"70N midwinter",
       {12, 21, 2024},
       {70, -20},
       {kEventBelowAllDay, kEventBelowAllDay, 8.57667, 12.69879, 6.76360, 14.51186}},
  };
  const char* names[] = {"sunrise",      "sunset",          "civilMorning",
                         "civilEvening", "nauticalMorning", "nauticalEvening"};
  for (const SunEventsCase& c : cases) {
    SunEventsRecord events{};
    ComputeSunEvents(events, c.date, c.position);
    const double actual[] = {events.sunrise,      events.sunset,          events.civilMorning,
                             events.civilEvening, events.nauticalMorning, events.nauticalEvening};
    for (int i = 0; i < 6; ++i) {
      if (c.expected[i] < 0) {
        EXPECT_EQ(actual[i], c.expected[i]) << c.place << " " << names[i];
        continue;
      }
      const double error = HoursDifferenceSeconds(actual[i], c.expected[i]);
      EXPECT_LT(std::fabs(error), 5.0)
          << c.place << " " << names[i] << " expected " << c.expected[i] << " h, got " << actual[i]
          << " h, diff " << error << " s";
      EXPECT_GE(actual[i], 0.0);
      EXPECT_LE(actual[i], 24.0);
    }
  }
}

TEST(ComputeSunEventsTest, EquinoxAmplitudeAndTwilightLengths) {
  SunEventsRecord events{};
  ComputeSunEvents(events, {3, 20, 2024}, {42, 75});
  EXPECT_NEAR(events.amplitudeAngle, 0.0, 1.0);
  // Civil twilight about 28 minutes and nautical about 60 minutes outside sunrise and sunset.
  EXPECT_NEAR((events.sunrise - events.civilMorning) * 60, 27.8, 0.5);
  EXPECT_NEAR((events.civilEvening - events.sunset) * 60, 27.9, 0.5);
  EXPECT_NEAR((events.sunrise - events.nauticalMorning) * 60, 60.4, 0.5);
  EXPECT_NEAR((events.nauticalEvening + 24 - events.sunset) * 60, 60.2, 0.5);

  // No rising: the amplitude carries the sunrise sentinel.
  ComputeSunEvents(events, {12, 21, 2024}, {70, -20});
  EXPECT_EQ(events.amplitudeAngle, kEventBelowAllDay);
  ComputeSunEvents(events, {6, 21, 2024}, {70, -20});
  EXPECT_EQ(events.amplitudeAngle, kEventAboveAllDay);
}

TEST(ComputeSunMeridianAndPvcTest, MeridianPassageAndEquationOfTime) {
  struct Case {
    CalendarDate date;
    double longitude;
    double meridianPassage;  // UT hours
    double equationOfTime;   // minutes, magnitude
  };
  const Case cases[] = {
      {{11, 3, 2024}, 75, 16.72587, 16.4478},  // early November, near its maximum
      {{2, 12, 2024}, 75, 17.23653, 14.1918},  // mid February, near its minimum
      {{11, 3, 2024}, -139.7, 2.41245, 16.4530}, {{7, 26, 2026}, 0, 12.10942, 6.5654},
      {{6, 20, 2024}, 180, 24.03024, 1.8139},  // local mean noon falls at 0h of the next day
  };
  for (const Case& c : cases) {
    SunEventsRecord events{};
    const double returned = ComputeSunMeridianAndPvc(events, c.date, 42, c.longitude);
    EXPECT_EQ(returned, events.meridianPassage);
    const double lanError = HoursDifferenceSeconds(events.meridianPassage, c.meridianPassage);
    EXPECT_LT(std::fabs(lanError), 3.0) << "LAN expected " << c.meridianPassage << " got "
                                        << events.meridianPassage << " diff " << lanError << " s";
    const double eotError = (events.equationOfTime - c.equationOfTime) * 60;
    EXPECT_LT(std::fabs(eotError), 3.0) << "EoT expected " << c.equationOfTime << " got "
                                        << events.equationOfTime << " diff " << eotError << " s";
  }
}

TEST(ComputeSunMeridianAndPvcTest, PrimeVerticalCrossings) {
  SunEventsRecord events{};
  // 30N in June (declination 23.4N): about 2h45m either side of noon; reference times.
  ComputeSunMeridianAndPvc(events, {6, 21, 2024}, 30, 75);
  EXPECT_LT(std::fabs(HoursDifferenceSeconds(events.pvcMorning, 14.27654)), 10.0)
      << "morning PVC " << events.pvcMorning;
  EXPECT_LT(std::fabs(HoursDifferenceSeconds(events.pvcEvening, 19.78931)), 10.0)
      << "evening PVC " << events.pvcEvening;

  struct NoCrossing {
    const char* place;
    CalendarDate date;
    double latitude;
  };
  const NoCrossing noCrossings[] = {
      {"30N, Sun south", {12, 21, 2024}, 30},      {"30S, Sun north", {6, 21, 2024}, -30},
      {"10N, Sun north of it", {6, 21, 2024}, 10}, {"equator, June", {6, 21, 2024}, 0},
      {"equator, equinox", {3, 20, 2024}, 0},
  };
  for (const NoCrossing& c : noCrossings) {
    ComputeSunMeridianAndPvc(events, c.date, c.latitude, 75);
    EXPECT_EQ(events.pvcMorning, kNoPrimeVertical) << c.place;
    EXPECT_EQ(events.pvcEvening, kNoPrimeVertical) << c.place;
  }
}

TEST(RiseSetHourAngleTest, StatusesAndSymmetricTimes) {
  BodyEphemeris record{};
  double rise = 0;
  double set = 0;
  // On the equator a body on the celestial equator rises 6h before and sets 6h after transit,
  // due east and due west.
  ASSERT_EQ(RiseSetHourAngle(record, 0, 0, DegToRad(90), 0, rise, set), kCrossesAltitude);
  EXPECT_NEAR(rise, 0.0, 1e-6);
  EXPECT_NEAR(set, 12.0, 1e-6);
  EXPECT_NEAR(RadToDeg(record.riseAzimuth), 90.0, 1e-6);
  EXPECT_NEAR(RadToDeg(record.setAzimuth), 270.0, 1e-6);

  // Circumpolar and never rising leave the times and azimuths as they were.
  record.riseAzimuth = 7;
  EXPECT_EQ(RiseSetHourAngle(record, 80, DegToRad(20), 0, 0.0145441, rise, set), kStaysAbove);
  EXPECT_EQ(RiseSetHourAngle(record, 80, DegToRad(-20), 0, 0.0145441, rise, set), kStaysBelow);
  EXPECT_EQ(RiseSetHourAngle(record, 90, 0.1, 0, 0.0145441, rise, set), kStaysAbove);
  EXPECT_NEAR(rise, 0.0, 1e-6);
  EXPECT_NEAR(set, 12.0, 1e-6);
  EXPECT_EQ(record.riseAzimuth, 7);
}

}  // namespace
}  // namespace nocturna
