#include "platform/system_clock.h"

#include <ctime>

namespace nocturna {

UtcCalendar PosixSystemClock::ReadUtc() const {
  timespec now{};
  ::clock_gettime(CLOCK_REALTIME, &now);
  tm parts{};
  ::gmtime_r(&now.tv_sec, &parts);
  return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour,
          parts.tm_min,         parts.tm_sec,     static_cast<int>(now.tv_nsec / 1000000)};
}

bool PosixSystemClock::SetUtc(const UtcCalendar& utc) {
  tm parts{};
  parts.tm_year = utc.year - 1900;
  parts.tm_mon = utc.month - 1;
  parts.tm_mday = utc.day;
  parts.tm_hour = utc.hour;
  parts.tm_min = utc.minute;
  parts.tm_sec = utc.second;
  const time_t seconds = ::timegm(&parts);
  if (seconds == static_cast<time_t>(-1)) return false;
  const timespec target{seconds, static_cast<long>(utc.millisecond) * 1000000L};
  return ::clock_settime(CLOCK_REALTIME, &target) == 0;
}

}  // namespace nocturna
