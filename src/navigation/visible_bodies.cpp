#include "navigation/visible_bodies.h"

#include "foundations/printf_text.h"
#include "foundations/text_forms.h"

namespace nocturna {
namespace {

TableRow BodyRow(const BodyCatalog& catalog, int k, const char* name, bool degMin,
                 std::string magnitude) {
  TableRow row;
  row.catalogIndex = k;
  row.cells = {name, FormatAltAz(catalog.hc[k], degMin, 2), FormatAltAz(catalog.zn[k], degMin, 3),
               std::move(magnitude)};
  return row;
}

}  // namespace

LightState LightStateOf(double sunHc) {
  if (sunHc >= kDaylightSunHc) return LightState::Daylight;
  if (sunHc >= kNightSunHc) return LightState::Twilight;
  return LightState::NightTime;
}

const char* LightStateCaption(LightState light) {
  switch (light) {
    case LightState::Daylight:
      return "Daylight";
    case LightState::Twilight:
      return "Twilight";
    case LightState::NightTime:
      break;
  }
  return "Night Time";
}

double LhaAries(const BodyCatalog& catalog, const DrPosition& position) {
  // GHA lies in 0..360 and the longitude in -180..180, so one step brings LHA into 0..360.
  const double lha = catalog.gha[kAriesIndex] - position.longitude;
  if (lha < 0) return lha + 360.0;
  if (lha >= 360.0) return lha - 360.0;
  return lha;
}

VisibleBodiesList BuildVisibleBodiesList(const BodyCatalog& catalog, const AlmanacMoment& moment,
                                         int zoneDescription, const DrPosition& position,
                                         bool degMin, int& sortColumn) {
  VisibleBodiesList list;
  list.light = LightStateOf(catalog.hc[kSunIndex]);
  const CalendarDate& date = moment.zoneDate;
  const ClockTime& clock = moment.zoneClock;
  list.dateLine =
      PrintfText("%s, ZT=%s, ZD=%d", FormatLongDate(date.month, date.day, date.year).c_str(),
                 FormatClockTime(clock.hour, clock.minute, clock.second).c_str(), zoneDescription);
  list.positionLine = PrintfText("Pos: DRL=%s; DRLo=%s", FormatLatitude(position.latitude).c_str(),
                                 FormatLongitude(position.longitude).c_str());
  list.lhaAriesLine = "LHA Aries=" + FormatAngle360(LhaAries(catalog, position));

  const bool daylight = list.light == LightState::Daylight;
  if (daylight) list.rows.push_back(BodyRow(catalog, kSunIndex, "Sun", degMin, {}));
  if (catalog.hc[kMoonIndex] >= 0) {
    list.rows.push_back(BodyRow(catalog, kMoonIndex, "Moon", degMin, {}));
  }
  // In daylight only the Sun and the Moon are listed, in the order added.
  if (daylight) return list;
  for (int k = kFirstStarIndex; k <= kSaturnIndex; ++k) {
    if (catalog.hc[k] < 0) continue;
    const CelestialBody& body = catalog.entries[k];
    list.rows.push_back(
        BodyRow(catalog, k, body.name, degMin, PrintfText("%4.1f", body.magnitude)));
  }
  sortColumn = kZnColumn;
  SortTableRows(list.rows, sortColumn);
  return list;
}

}  // namespace nocturna
