#pragma once
// The main window's record of the observer: zone time, UT, zone description, DR position and
// the chart's flags. Every computation of a chart reads it. Times change only through the
// three setters, which keep universalTime = zoneTime + zoneDescription / 24 days.
#include <cstdint>

#include "foundations/date_time.h"
#include "foundations/dr_position.h"
#include "chart/chart_rings.h"

namespace nocturna {

// Zone time (days since 1899-12-30 00:00) of a UT moment (same days) in the zone of
// zoneDescription whole hours, west positive: ZT = UT - ZD / 24.
DateTime ZoneTimeOf(DateTime universalTime, int zoneDescription);

// UT (days since 1899-12-30 00:00) of a zone time (same days) with zoneDescription whole hours,
// west positive: UT = ZT + ZD / 24.
DateTime UniversalTimeOf(DateTime zoneTime, int zoneDescription);

struct ObserverState {
  DateTime zoneTime = 0.0;          // zone date and time the chart shows when not animating
  DateTime universalTime = 0.0;     // UT, days
  std::int32_t zoneDescription = 0; // ZD, whole hours -12..+12, west positive: UT = ZT + ZD
  DrPosition drPosition{};          // degrees, north and WEST positive
  DrPosition lastPosition{-1.0, -1.0};  // position of the last daily run
  DateTime lastZoneTime = 0.0;          // zone time of the last daily run
  bool staticTime = false;  // false while animating (the chart then follows the clock)
  bool drawSky = true;      // false: a paint draws the data block only
  std::int32_t rotateSign = 1;  // -1 turns the chart through 180 degrees
  std::int32_t flipSign = 1;    // -1 mirrors it east for west
  bool brightOnly = false;      // the "Bright" filter
  std::int32_t dataFontSize = 10;  // points
  std::int32_t animationTicks = 0;
  std::int32_t daylightHours = 0;  // 1 when the clock's zone was in daylight-saving time
  ChartRings rings;  // bodies ringed for an open tool window (the star finder)

  // A new zone time (days); UT follows it in the present zone.
  void SetZoneTime(DateTime newZoneTime);
  // A new UT (days); the zone time follows it in the present zone.
  void SetUniversalTime(DateTime newUniversalTime);
  // A new zone description (whole hours, west positive); UT stays, the zone time moves.
  void SetZoneDescription(int newZoneDescription);
};

}  // namespace nocturna
