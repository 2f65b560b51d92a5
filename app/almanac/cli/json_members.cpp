#include "cli/json_members.h"

#include "foundations/printf_text.h"

namespace nocturna {

std::string IsoDate(const CalendarDate& date) {
  return PrintfText("%04d-%02d-%02d", date.year, date.month, date.day);
}

std::string IsoTime(const ClockTime& clock) {
  return PrintfText("%02d:%02d:%02d", clock.hour, clock.minute, clock.second);
}

void PlaceMembers(JsonWriter& json, const BodyCatalog& catalog, int k) {
  json.Key("sha");
  json.Number(catalog.entries[k].sha);
  json.Key("gha");
  json.Number(catalog.gha[k]);
  json.Key("declination");
  json.Number(catalog.entries[k].declination);
}

void HcZnMembers(JsonWriter& json, const BodyCatalog& catalog, int k) {
  json.Key("hc");
  json.Number(catalog.hc[k]);
  json.Key("zn");
  json.Number(catalog.zn[k]);
}

void MagnitudeMember(JsonWriter& json, const BodyCatalog& catalog, int k) {
  json.Key("magnitude");
  if (k == kSunIndex || k == kMoonIndex) {
    json.Null();
  } else {
    json.Number(catalog.entries[k].magnitude);
  }
}

void TableRowsMember(JsonWriter& json, const char* key, const BodyCatalog& catalog,
                     const std::vector<TableRow>& rows, BodyMembers values) {
  json.Key(key);
  json.BeginArray();
  for (const TableRow& row : rows) {
    const int k = row.catalogIndex;
    json.BeginObject();
    json.Key("index");
    json.Integer(k);
    json.Key("name");
    json.String(row.cells[0]);
    values(json, catalog, k);
    MagnitudeMember(json, catalog, k);
    json.Key("texts");
    json.StringArray(row.cells);
    json.EndObject();
  }
  json.EndArray();
}

}  // namespace nocturna
