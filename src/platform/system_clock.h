#pragma once
// The computer's UTC clock: read it, and set it where the program has the right to.
#include <cstdint>

namespace nocturna {

// A UTC calendar reading, Gregorian, to the millisecond.
struct UtcCalendar {
  int year = 1970;
  int month = 1;  // 1..12
  int day = 1;    // 1..31
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

class SystemClock {
 public:
  virtual ~SystemClock() = default;
  // The clock's reading now, UTC.
  virtual UtcCalendar ReadUtc() const = 0;
  // Sets the clock to utc (UTC, as ReadUtc gives it).
  // False when the clock was not set (no right to set it, or a reading it refuses).
  virtual bool SetUtc(const UtcCalendar& utc) = 0;
};

// The real clock (CLOCK_REALTIME). Setting it needs CAP_SYS_TIME.
class PosixSystemClock : public SystemClock {
 public:
  UtcCalendar ReadUtc() const override;
  bool SetUtc(const UtcCalendar& utc) override;
};

}  // namespace nocturna
