// UT from the clock, and daylight-saving time by the zone's own rules across change dates.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

#include "ui/main_window/current_universal_time.h"

namespace nocturna {
namespace {

std::time_t UtcSeconds(int year, int month, int day, int hour, int minute, int second) {
  std::tm t{};
  t.tm_year = year - 1900;
  t.tm_mon = month - 1;
  t.tm_mday = day;
  t.tm_hour = hour;
  t.tm_min = minute;
  t.tm_sec = second;
  return timegm(&t);
}

// Sets TZ for one test and puts the old value back.
class ZoneScope {
 public:
  explicit ZoneScope(const char* zone) {
    const char* old = std::getenv("TZ");
    hadZone_ = old != nullptr;
    if (hadZone_) oldZone_ = old;
    setenv("TZ", zone, 1);
  }
  ~ZoneScope() {
    if (hadZone_) {
      setenv("TZ", oldZone_.c_str(), 1);
    } else {
      unsetenv("TZ");
    }
    tzset();
  }

 private:
  bool hadZone_ = false;
  std::string oldZone_;
};

TEST(CurrentUniversalTime, DaylightSavingFollowsEachZonesOwnRules) {
  // Change instants in UTC for 2026: London 29 March and 25 October at 01:00; New York
  // 8 March 07:00 and 1 November 06:00; Sydney ends 4 April 16:00 and starts 3 October 16:00.
  struct Case {
    const char* zone;
    int month, day, hour, minute, second;
    int daylight;
  } const cases[] = {
      {"Europe/London", 3, 29, 0, 59, 59, 0},     {"Europe/London", 3, 29, 1, 0, 0, 1},
      {"Europe/London", 10, 25, 0, 59, 59, 1},    {"Europe/London", 10, 25, 1, 0, 0, 0},
      {"America/New_York", 3, 8, 6, 59, 59, 0},   {"America/New_York", 3, 8, 7, 0, 0, 1},
      {"America/New_York", 11, 1, 5, 59, 59, 1},  {"America/New_York", 11, 1, 6, 0, 0, 0},
      {"Australia/Sydney", 1, 15, 12, 0, 0, 1},   {"Australia/Sydney", 4, 4, 15, 59, 59, 1},
      {"Australia/Sydney", 4, 4, 16, 0, 0, 0},    {"Australia/Sydney", 10, 3, 15, 59, 59, 0},
      {"Australia/Sydney", 10, 3, 16, 0, 0, 1},   {"Asia/Kolkata", 1, 15, 12, 0, 0, 0},
      {"Asia/Kolkata", 7, 15, 12, 0, 0, 0},       {"UTC", 7, 15, 12, 0, 0, 0},
  };
  for (const Case& c : cases) {
    ZoneScope zone(c.zone);
    const UniversalClockReading reading = UniversalClockAt(
        UtcSeconds(2026, c.month, c.day, c.hour, c.minute, c.second), 250'000'000);
    EXPECT_EQ(reading.daylightHours, c.daylight)
        << c.zone << " 2026-" << c.month << "-" << c.day << " " << c.hour << ":" << c.minute;
    // UT is the UTC clock whatever the zone.
    const DateTime expected =
        EncodeDateTime(2026, c.month, c.day, c.hour, c.minute, c.second, 250);
    EXPECT_NEAR(reading.universalTime, expected, 1e-9)
        << c.zone << " difference " << reading.universalTime - expected;
  }
}

}  // namespace
}  // namespace nocturna
