// Properties of the day's Sun and Moon events over random zone dates of 1901..2099 and random
// places on the whole globe. Rising, setting and twilight times are UT hours in [0, 24] or their
// sentinels. Local apparent noon and the prime-vertical crossings are counted from 0h UT of the
// zone date and may lie a little outside [0, 24] UT near the date line; their zone times are
// what must be in the day. The data block's texts are always "hhmm" or the sentinel's letters.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "ephemeris/moon_events.h"
#include "ephemeris/sun_events.h"
#include "foundations/dr_position.h"
#include "navigation/event_times.h"
#include "property_random.h"

namespace nocturna {
namespace {

constexpr int kDays = 1500;

bool IsHour(double value) { return value >= 0.0 && value <= 24.0; }

bool IsSentinel(double value) { return value == kEventAboveAllDay || value == kEventBelowAllDay; }

// UT hours less the zone description, brought once into the day as the windows show them.
double ZoneHours(double utHours, int zoneDescription) {
  double hours = utHours - zoneDescription;
  if (hours < 0) {
    hours += 24;
  } else if (hours >= 24) {
    hours -= 24;
  }
  return hours;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// "hhmm" of a zone time: 00:00 to 23:59, or 24:00 for a time within half a minute of midnight.
bool IsClockText(const std::string& text) {
  if (text.size() != 4 || !IsDigit(text[0]) || !IsDigit(text[1]) || !IsDigit(text[2]) ||
      !IsDigit(text[3])) {
    return false;
  }
  const int hours = (text[0] - '0') * 10 + (text[1] - '0');
  const int minutes = (text[2] - '0') * 10 + (text[3] - '0');
  return minutes <= 59 && (hours <= 23 || (hours == 24 && minutes == 0));
}

TEST(PropertyEvents, EventTimesAreHoursOrSentinelsAndTheirTextsWellFormed) {
  property::RandomPicker pick(property::kSeed + 1);
  int failures = 0;
  for (int day = 0; day < kDays && failures < 20; ++day) {
    const CalendarDate date = pick.Date();
    const DrPosition position = pick.Position();
    const std::string where = property::Describe(date, ClockTime{}, position);
    SunEventsRecord events{};
    ComputeSunEvents(events, date, position);
    ComputeMoonEvents(events, date, position);
    const double noon = ComputeSunMeridianAndPvc(events, date, position.latitude, position.longitude);
    const int zoneDescription = ZoneDescriptionFromLongitude(position);
    ASSERT_LE(std::abs(zoneDescription), 12) << where;

    const struct {
      const char* name;
      double value;
    } risingAndSetting[] = {
        {"sunrise", events.sunrise},
        {"sunset", events.sunset},
        {"civil morning", events.civilMorning},
        {"civil evening", events.civilEvening},
        {"nautical morning", events.nauticalMorning},
        {"nautical evening", events.nauticalEvening},
        {"moonrise", events.moonrise},
        {"moonset", events.moonset},
    };
    for (const auto& event : risingAndSetting) {
      const bool ok = IsHour(event.value) || IsSentinel(event.value);
      EXPECT_TRUE(ok) << event.name << " " << event.value << " h UT on " << where;
      failures += !ok;
    }

    // Noon by the zone's clock is 12h give or take the zone's half hour and the equation of time.
    const double noonZone = ZoneHours(events.meridianPassage, zoneDescription);
    bool ok = std::fabs(events.meridianPassage - 12.0) <= 12.5 && noonZone >= 11.0 && noonZone <= 13.0;
    EXPECT_TRUE(ok) << "meridian passage " << events.meridianPassage << " h UT, ZD " << zoneDescription
                    << " on " << where;
    failures += !ok;
    // The Sun crosses the prime vertical less than six hours (and a little) either side of noon.
    const bool noCrossing = events.pvcMorning == kNoPrimeVertical;
    ok = noCrossing ? events.pvcEvening == kNoPrimeVertical
                    : events.pvcMorning <= events.meridianPassage &&
                          events.meridianPassage <= events.pvcEvening &&
                          events.pvcEvening - events.pvcMorning <= 12.5;
    EXPECT_TRUE(ok) << "PVC " << events.pvcMorning << " and " << events.pvcEvening
                    << " h UT about noon " << events.meridianPassage << " on " << where;
    failures += !ok;
    EXPECT_EQ(noon, events.meridianPassage) << where;
    EXPECT_TRUE(std::isfinite(events.equationOfTime) && std::fabs(events.equationOfTime) < 20.0)
        << "equation of time " << events.equationOfTime << " min on " << where;
    EXPECT_TRUE(std::isfinite(events.amplitudeAngle)) << where;

    const EventTimeTexts texts = FormatEventTimes(events, zoneDescription);
    for (std::size_t slot = 0; slot < texts.size(); ++slot) {
      const std::string& text = texts[slot];
      const bool wellFormed = IsClockText(text) || text == "CP" || text == "NR" || text == "NC";
      EXPECT_TRUE(wellFormed) << "event " << slot << " text '" << text << "', ZD " << zoneDescription
                      << " on " << where;
      failures += !wellFormed;
    }
  }
}

}  // namespace
}  // namespace nocturna
