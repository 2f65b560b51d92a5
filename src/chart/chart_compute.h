#pragma once
// The computing half of a chart paint: decides the zone and UT moment, runs the day's Sun and
// Moon events when the zone date or the DR position changed, brings every body to the moment
// and reduces it for the DR position. Knows nothing of drawing.
#include <optional>
#include <string>

#include "chart/observer_state.h"
#include "navigation/almanac_snapshot.h"
#include "navigation/body_catalog.h"
#include "navigation/event_times.h"

namespace nocturna {

// What one pass leaves for the drawing beside the catalog and the records.
struct ChartPass {
  AlmanacMoment moment;       // zone and UT date and clock time shown
  EventTimeTexts eventTexts;  // zone-time texts of the day's events
  std::string latitudeText;   // "42°00.0'N"
  std::string longitudeText;  // "075°00.0'W"
  bool dailyRun = false;      // true when the day's events were computed in this pass
};

// One pass for the observer: runs the day's events into `events` (UT hours) when the zone date
// or the DR position changed since the last pass, then brings every body of the catalog to the
// moment (gha, hc and zn in degrees for the DR position). clockUniversalTime is the computer
// clock's UT (days since 1899-12-30), given while the chart animates (staticTime false); the
// moment then follows it, while the day's events keep following zoneTime. Writes lastPosition
// and lastZoneTime.
ChartPass ComputeChartPass(ObserverState& observer, BodyCatalog& catalog,
                           SunEventsRecord& events,
                           std::optional<DateTime> clockUniversalTime);

// The texts a print shows for the observer's zone time (the pickers' time, never the
// animation's clock): the moment, the day's event times (UT hours in `events`) in zone time and
// the DR position. Computes no astronomy and changes nothing.
ChartPass PrintedPass(const ObserverState& observer, const SunEventsRecord& events);

}  // namespace nocturna
