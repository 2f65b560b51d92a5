#include "cli/json_members.h"

#include "foundations/printf_text.h"

namespace nocturna {

std::string IsoDate(const CalendarDate& date) {
  return PrintfText("%04d-%02d-%02d", date.year, date.month, date.day);
}

std::string IsoTime(const ClockTime& clock) {
  return PrintfText("%02d:%02d:%02d", clock.hour, clock.minute, clock.second);
}

void PlaceMembers(Json& object, const BodyCatalog& catalog, int k) {
  object["sha"] = catalog.entries[k].sha;
  object["gha"] = catalog.gha[k];
  object["declination"] = catalog.entries[k].declination;
}

void HcZnMembers(Json& object, const BodyCatalog& catalog, int k) {
  object["hc"] = catalog.hc[k];
  object["zn"] = catalog.zn[k];
}

void MagnitudeMember(Json& object, const BodyCatalog& catalog, int k) {
  const bool listedEmpty = k == kSunIndex || k == kMoonIndex;
  object["magnitude"] = listedEmpty ? Json(nullptr) : Json(catalog.entries[k].magnitude);
}

Json TableRowsJson(const BodyCatalog& catalog, const std::vector<TableRow>& rows, BodyMembers values) {
  Json array = Json::array();
  for (const TableRow& row : rows) {
    const int k = row.catalogIndex;
    Json object = {{"index", k}, {"name", row.cells[0]}};
    values(object, catalog, k);
    MagnitudeMember(object, catalog, k);
    object["texts"] = row.cells;
    array.push_back(std::move(object));
  }
  return array;
}

}  // namespace nocturna
