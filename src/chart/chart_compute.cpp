#include "chart/chart_compute.h"

#include "foundations/text_forms.h"

namespace nocturna {

ChartPass ComputeChartPass(ObserverState& observer, BodyCatalog& catalog,
                           SunEventsRecord& events,
                           std::optional<DateTime> clockUniversalTime) {
  ChartPass pass;
  pass.moment = AlmanacMomentOf(observer.zoneTime, observer.zoneDescription);
  const DrPosition& position = observer.drPosition;
  if (PositionsDiffer(position, observer.lastPosition.latitude,
                      observer.lastPosition.longitude) ||
      DayOfDateTime(observer.zoneTime) != DayOfDateTime(observer.lastZoneTime) ||
      observer.ephemeris.kind != observer.lastEphemeris.kind ||
      observer.ephemeris.dut1Seconds != observer.lastEphemeris.dut1Seconds ||
      observer.ephemeris.dut1Table != observer.lastEphemeris.dut1Table) {
    RunDailyEphemeris(events, pass.moment.zoneDate, position, observer.ephemeris);
    pass.dailyRun = true;
  }
  pass.eventTexts = FormatEventTimes(events, observer.zoneDescription);
  observer.lastPosition = position;
  observer.lastZoneTime = observer.zoneTime;
  observer.lastEphemeris = observer.ephemeris;
  pass.latitudeText = FormatLatitude(position.latitude);
  pass.longitudeText = FormatLongitude(position.longitude);

  if (clockUniversalTime) {
    // Animating: the moment follows the clock, the day's events stay with zoneTime.
    pass.moment = AlmanacMomentOf(ZoneTimeOf(*clockUniversalTime, observer.zoneDescription),
                                  observer.zoneDescription);
  }
  ComputeMomentPositions(catalog, pass.moment.utDate, pass.moment.utClock, position,
                         observer.ephemeris);
  pass.ephemeris = ReportEphemeris(observer.ephemeris, pass.moment.utDate, pass.moment.utClock);
  return pass;
}

ChartPass PrintedPass(const ObserverState& observer, const SunEventsRecord& events) {
  ChartPass pass;
  pass.moment = AlmanacMomentOf(observer.zoneTime, observer.zoneDescription);
  pass.eventTexts = FormatEventTimes(events, observer.zoneDescription);
  pass.latitudeText = FormatLatitude(observer.drPosition.latitude);
  pass.longitudeText = FormatLongitude(observer.drPosition.longitude);
  pass.ephemeris = ReportEphemeris(observer.ephemeris, pass.moment.utDate, pass.moment.utClock);
  return pass;
}

}  // namespace nocturna
