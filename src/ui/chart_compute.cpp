#include "ui/chart_compute.h"

#include <cstdint>

#include "ephemeris/moon_events.h"
#include "ephemeris/sun_events.h"
#include "foundations/text_forms.h"
#include "navigation/position_update.h"
#include "navigation/sight_reduction.h"

namespace nocturna {

namespace {

void Decode(DateTime value, CalendarDate& date, ClockTime& clock) {
  const DecodedDateTime parts = DecodeDateTime(value);
  date.year = static_cast<std::uint16_t>(parts.year);
  date.month = static_cast<std::uint16_t>(parts.month);
  date.day = static_cast<std::uint16_t>(parts.day);
  clock.hour = static_cast<std::uint16_t>(parts.hour);
  clock.minute = static_cast<std::uint16_t>(parts.minute);
  clock.second = static_cast<std::uint16_t>(parts.second);
}

}  // namespace

ChartMoment ChartMomentOf(DateTime zoneTime, int zoneDescription) {
  ChartMoment moment;
  Decode(zoneTime, moment.zoneDate, moment.zoneClock);
  Decode(zoneTime + zoneDescription / 24.0, moment.utDate, moment.utClock);
  return moment;
}

ChartPass ComputeChartPass(ObserverState& observer, BodyCatalog& catalog,
                           SunEventsRecord& events,
                           std::optional<DateTime> clockUniversalTime) {
  ChartPass pass;
  pass.moment = ChartMomentOf(observer.zoneTime, observer.zoneDescription);
  const DrPosition& position = observer.drPosition;
  if (PositionsDiffer(position, observer.lastPosition.latitude,
                      observer.lastPosition.longitude) ||
      DayOfDateTime(observer.zoneTime) != DayOfDateTime(observer.lastZoneTime)) {
    ComputeSunEvents(events, pass.moment.zoneDate, position);
    ComputeMoonEvents(events, pass.moment.zoneDate, position);
    ComputeSunMeridianAndPvc(events, pass.moment.zoneDate, position.latitude,
                             position.longitude);
    pass.dailyRun = true;
  }
  pass.eventTexts = FormatEventTimes(events, observer.zoneDescription);
  observer.lastPosition = position;
  observer.lastZoneTime = observer.zoneTime;
  pass.latitudeText = FormatLatitude(position.latitude);
  pass.longitudeText = FormatLongitude(position.longitude);

  if (clockUniversalTime) {
    Decode(*clockUniversalTime, pass.moment.utDate, pass.moment.utClock);
    Decode(*clockUniversalTime - observer.zoneDescription / 24.0, pass.moment.zoneDate,
           pass.moment.zoneClock);
  }
  ComputePositions(catalog, pass.moment.utDate, pass.moment.utClock);
  ReduceSights(catalog, position.latitude, position.longitude);
  return pass;
}

}  // namespace nocturna
