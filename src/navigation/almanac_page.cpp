#include "navigation/almanac_page.h"

#include "foundations/printf_text.h"
#include "foundations/text_forms.h"

namespace nocturna {
namespace {

TableRow PageRow(const BodyCatalog& catalog, int k, AlmanacMode mode) {
  const CelestialBody& body = catalog.entries[k];
  const double ghaAries = mode == AlmanacMode::Gha ? catalog.gha[kAriesIndex] : 0.0;
  TableRow row;
  row.catalogIndex = k;
  // GHA = SHA + GHA Aries, brought into 0..360 by the text form.
  row.cells = {body.name, FormatAngle360(body.sha + ghaAries), FormatDeclination(body.declination),
               PrintfText("%1.1f", body.magnitude)};
  return row;
}

}  // namespace

AlmanacPage BuildAlmanacPage(const BodyCatalog& catalog, const AlmanacMoment& moment,
                             int zoneDescription, const DrPosition& position, AlmanacMode mode) {
  AlmanacPage page;
  const CalendarDate& date = moment.utDate;
  const ClockTime& clock = moment.utClock;
  page.dateLine =
      PrintfText("GD=%s  UT=%s  ZD=%d", FormatLongDate(date.month, date.day, date.year).c_str(),
                 FormatClockTime(clock.hour, clock.minute, clock.second).c_str(), zoneDescription);
  page.positionLine =
      PrintfText("Position: DRL=%s;  DRLo=%s", FormatLatitude(position.latitude).c_str(),
                 FormatLongitude(position.longitude).c_str());
  page.ghaAriesLine = "GHA Aries=" + FormatAngle360(catalog.gha[kAriesIndex]);
  page.angleHeading = mode == AlmanacMode::Gha ? "GHA" : "SHA";
  for (int k = kFirstStarIndex; k < kFirstStarIndex + kStarCount; ++k) {
    page.stars.push_back(PageRow(catalog, k, mode));
  }
  for (int k = kVenusIndex; k <= kSaturnIndex; ++k)
    page.planets.push_back(PageRow(catalog, k, mode));
  return page;
}

}  // namespace nocturna
