#include "ui/main_window/current_universal_time.h"

#include <time.h>

namespace nocturna {

namespace {
constexpr double kUnixEpochDateTime = 25569.0;  // 1970-01-01 00:00 as a DateTime
constexpr double kSecondsPerDay = 86400.0;
}  // namespace

UniversalClockReading UniversalClockAt(std::time_t seconds, long nanoseconds) {
  UniversalClockReading reading;
  reading.universalTime = kUnixEpochDateTime + (static_cast<double>(seconds) +
                                                static_cast<double>(nanoseconds) * 1e-9) /
                                                   kSecondsPerDay;
  // The UTC clock needs no zone; the zone is asked only whether it keeps summer time now.
  tzset();
  std::tm local{};
  if (localtime_r(&seconds, &local) != nullptr && local.tm_isdst > 0) reading.daylightHours = 1;
  return reading;
}

UniversalClockReading CurrentUniversalTime() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  return UniversalClockAt(now.tv_sec, now.tv_nsec);
}

}  // namespace nocturna
