// Moonrise and moonset against an independent search: in python3, ERFA's Moon98 (ELP-2000/82 as
// truncated by Meeus) in the true equator of date with apparent sidereal time, its centre brought
// by bisection to the altitude where the upper limb with refraction and parallax touches the
// horizon (depression 0.27249 sin HP + 0.0098902 - HP radians), UT as the time argument. The
// cases are days on which the Moon taken at the moonrise estimate set tens of minutes off.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "ephemeris/moon_events.h"

namespace nocturna {
namespace {

struct MoonEventsCase {
  CalendarDate zoneDate;
  DrPosition position;  // north and west positive
  double moonrise;      // UT hours
  double moonset;       // UT hours
};

// Difference in minutes of two UT hours on a 24-hour circle.
double MinutesApart(double a, double b) { return std::remainder(a - b, 24.0) * 60; }

TEST(MoonEventsTest, RiseAndSetWithinFourMinutesOfIndependentSearch) {
  const MoonEventsCase cases[] = {
      {{1, 21, 2000}, {42.0, 75.0}, 22.7944, 12.6994},
      {{11, 2, 2030}, {35.7, -139.7}, 3.0785, 14.0828},
      {{11, 14, 2012}, {33.5, 127.2}, 15.9073, 2.4199},
      {{11, 26, 2010}, {-27.7, -61.7}, 18.6821, 4.9537},
      {{6, 22, 2025}, {50.1, 39.0}, 3.6172, 20.0742},
      {{9, 2, 2034}, {53.9, 168.8}, 8.0679, 21.7093},
  };
  for (const MoonEventsCase& c : cases) {
    SunEventsRecord events{};
    ComputeMoonEvents(events, c.zoneDate, c.position);
    const std::string where = std::to_string(c.zoneDate.year) + "-" +
                              std::to_string(c.zoneDate.month) + "-" +
                              std::to_string(c.zoneDate.day) + " at " +
                              std::to_string(c.position.latitude) + ", " +
                              std::to_string(c.position.longitude);
    const double riseError = MinutesApart(events.moonrise, c.moonrise);
    const double setError = MinutesApart(events.moonset, c.moonset);
    EXPECT_LT(std::fabs(riseError), 4.0) << where << " moonrise expected " << c.moonrise << " got "
                                         << events.moonrise << " diff " << riseError << " min";
    EXPECT_LT(std::fabs(setError), 4.0) << where << " moonset expected " << c.moonset << " got "
                                        << events.moonset << " diff " << setError << " min";
  }
}

TEST(MoonEventsTest, MoonAboveOrBelowAllDayGivesSentinelsAndLeavesSunEventsAlone) {
  struct Case {
    CalendarDate zoneDate;
    double expected;
  };
  // At 80°N the Moon stays up near its greatest northern declination of 2025 January and stays
  // down a fortnight later (the independent search finds its centre at least 0.26° from the
  // rising altitude all day on both dates).
  const Case cases[] = {{{1, 10, 2025}, kEventAboveAllDay}, {{1, 24, 2025}, kEventBelowAllDay}};
  for (const Case& c : cases) {
    SunEventsRecord events{};
    events.sunrise = 7.25;
    events.nauticalEvening = 18.5;
    events.amplitudeAngle = 12.0;
    ComputeMoonEvents(events, c.zoneDate, DrPosition{80.0, 0.0});
    EXPECT_EQ(events.moonrise, c.expected) << "day " << c.zoneDate.day;
    EXPECT_EQ(events.moonset, c.expected) << "day " << c.zoneDate.day;
    EXPECT_EQ(events.sunrise, 7.25);
    EXPECT_EQ(events.nauticalEvening, 18.5);
    EXPECT_EQ(events.amplitudeAngle, 12.0);
  }
}

}  // namespace
}  // namespace nocturna
