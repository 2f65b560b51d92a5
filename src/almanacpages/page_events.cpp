#include "almanacpages/page_events.h"

#include <cmath>

#include "navigation/almanac_snapshot.h"

namespace nocturna {

EventCell EventCellOf(double utHours, bool isTwilight, bool sunAboveAllDay) {
  if (utHours == kEventBelowAllDay) return {EventCellKind::belowAllDay, 0};
  if (utHours == kEventNotThisDay) return {EventCellKind::notThisDay, 0};
  if (utHours == kEventAboveAllDay) {
    return {isTwilight && !sunAboveAllDay ? EventCellKind::twilightAllNight
                                          : EventCellKind::aboveAllDay,
            0};
  }
  return {EventCellKind::time, static_cast<int>(std::lround(utHours * 60.0))};
}

DayEvents ComputeDayEvents(const CalendarDate& date, const EphemerisChoice& choice) {
  const std::vector<SunEventsRecord> records = RunDailyEphemerisAlongMeridian(date, kPageLatitudes, 0.0, choice);
  DayEvents day{};
  for (std::size_t i = 0; i < kPageLatitudes.size(); ++i) {
    const SunEventsRecord& record = records[i];
    const bool sunUp = record.sunrise == kEventAboveAllDay;
    LatitudeEvents& cells = day[i];
    cells.nauticalMorning = EventCellOf(record.nauticalMorning, true, sunUp);
    cells.civilMorning = EventCellOf(record.civilMorning, true, sunUp);
    cells.sunrise = EventCellOf(record.sunrise, false, sunUp);
    cells.sunset = EventCellOf(record.sunset, false, sunUp);
    cells.civilEvening = EventCellOf(record.civilEvening, true, sunUp);
    cells.nauticalEvening = EventCellOf(record.nauticalEvening, true, sunUp);
    cells.moonrise = EventCellOf(record.moonrise, false, false);
    cells.moonset = EventCellOf(record.moonset, false, false);
  }
  return day;
}

}  // namespace nocturna
