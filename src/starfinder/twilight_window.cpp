#include "starfinder/twilight_window.h"

#include <cmath>

#include "foundations/printf_text.h"

namespace nocturna {
namespace {

bool IsSentinel(double eventTime) { return eventTime < 0; }

// "CP" or "NR" as the data block shows the sentinel.
const char* SentinelText(double eventTime) { return eventTime == kEventAboveAllDay ? "CP" : "NR"; }

const char* SentinelMeaning(double eventTime) {
  return eventTime == kEventAboveAllDay ? "the Sun stays above that depression all day"
                                        : "the Sun stays below that depression all day";
}

}  // namespace

const char* TwilightName(Twilight twilight) {
  return twilight == Twilight::morning ? "morning" : "evening";
}

TwilightWindow TwilightWindowOf(const SunEventsRecord& events, Twilight twilight, DateTime zoneDate,
                                int zoneDescription) {
  const bool morning = twilight == Twilight::morning;
  const double from = morning ? events.nauticalMorning : events.civilEvening;
  const double to = morning ? events.civilMorning : events.nauticalEvening;
  TwilightWindow window;
  for (const auto& [time, name] : {std::pair{from, morning ? "nautical" : "civil"},
                                   std::pair{to, morning ? "civil" : "nautical"}}) {
    if (IsSentinel(time)) {
      window.missing =
          PrintfText("No %s twilight window: %s twilight is %s (%s).", TwilightName(twilight), name,
                     SentinelText(time), SentinelMeaning(time));
      return window;
    }
  }
  // Zone hours of the start brought once into the day, as the event texts show them; the
  // window's length is taken modulo a day so a window across midnight stays whole.
  double startHours = from - zoneDescription;
  if (startHours >= 24) startHours -= 24;
  if (startHours < 0) startHours += 24;
  const double length = std::fmod(to - from + 24, 24);
  window.occurs = true;
  window.start = DayOfDateTime(zoneDate) + startHours / 24;
  window.end = window.start + length / 24;
  return window;
}

}  // namespace nocturna
