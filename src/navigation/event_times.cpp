#include "navigation/event_times.h"

#include "foundations/text_forms.h"

namespace nocturna {

namespace {

std::string EventText(double utHours, int zoneDescription) {
  if (utHours == kEventAboveAllDay) return "CP";
  if (utHours == kEventBelowAllDay) return "NR";
  if (utHours == kNoPrimeVertical) return "NC";
  if (utHours == kEventNotThisDay) return "none";
  double zoneHours = utHours - zoneDescription;
  if (zoneHours < 0) {
    zoneHours += 24;
  } else if (zoneHours >= 24) {
    zoneHours -= 24;
  }
  return FormatHoursMinutes(zoneHours);
}

}  // namespace

EventTimeTexts FormatEventTimes(const SunEventsRecord& events, int zoneDescription) {
  const double times[] = {events.sunrise,         events.sunset,          events.civilMorning,
                          events.civilEvening,    events.nauticalMorning, events.nauticalEvening,
                          events.moonrise,        events.moonset,         events.meridianPassage,
                          events.pvcMorning,      events.pvcEvening};
  static_assert(std::size(times) == std::tuple_size_v<EventTimeTexts>);
  EventTimeTexts texts;
  for (std::size_t slot = 0; slot < texts.size(); ++slot) texts[slot] = EventText(times[slot], zoneDescription);
  return texts;
}

}  // namespace nocturna
