#include "visible_bodies_report.h"

#include "foundations/printf_text.h"
#include "navigation/visible_bodies.h"
#include "report_lines.h"

namespace nocturna {
namespace {

constexpr std::array<const char*, kTableColumnCount> kColumns = {"Visible Bodies", "Hc", "Zn",
                                                                 "Mag"};

struct SortedList {
  VisibleBodiesList list;
  int sortColumn = 0;
};

// The list as the window opens it, then sorted as a click on --sort's column would.
SortedList ListFor(const AlmanacSnapshot& snapshot, const TablePageOptions& options) {
  SortedList sorted;
  sorted.list = BuildVisibleBodiesList(snapshot.catalog, snapshot.moment, snapshot.zoneDescription,
                                       snapshot.position, !options.decimal, sorted.sortColumn);
  if (options.sortColumn) {
    sorted.sortColumn = *options.sortColumn;
    SortTableRows(sorted.list.rows, sorted.sortColumn);
  }
  return sorted;
}

void Strings(JsonWriter& json, const std::string* texts, int count) {
  json.BeginArray();
  for (int i = 0; i < count; ++i) json.String(texts[i]);
  json.EndArray();
}

}  // namespace

std::string VisibleBodiesReport(const AlmanacSnapshot& snapshot, const TablePageOptions& options) {
  const VisibleBodiesList list = ListFor(snapshot, options).list;
  std::string text = PrintfText("Visible Bodies: %s\n", LightStateCaption(list.light));
  text += list.dateLine + '\n' + list.positionLine + '\n' + list.lhaAriesLine + '\n';
  return text + TableText("%-16s %10s %10s %5s\n", kColumns, list.rows);
}

void VisibleBodiesJson(JsonWriter& json, const AlmanacSnapshot& snapshot,
                       const TablePageOptions& options) {
  const SortedList sorted = ListFor(snapshot, options);
  const BodyCatalog& catalog = snapshot.catalog;
  json.Key("visibleBodies");
  json.BeginObject();
  json.Key("lightState");
  json.String(LightStateCaption(sorted.list.light));
  json.Key("sunHc");
  json.Number(catalog.hc[kSunIndex]);
  json.Key("lhaAries");
  json.Number(LhaAries(catalog, snapshot.position));
  json.Key("headingLines");
  const std::string lines[] = {sorted.list.dateLine, sorted.list.positionLine,
                               sorted.list.lhaAriesLine};
  Strings(json, lines, 3);
  json.Key("degreesAndMinutes");
  json.Boolean(!options.decimal);
  json.Key("sortColumn");
  json.Integer(sorted.sortColumn);
  json.Key("columns");
  json.BeginArray();
  for (const char* column : kColumns) json.String(column);
  json.EndArray();
  json.Key("rows");
  json.BeginArray();
  for (const TableRow& row : sorted.list.rows) {
    const int k = row.catalogIndex;
    json.BeginObject();
    json.Key("index");
    json.Integer(k);
    json.Key("name");
    json.String(row.cells[0]);
    json.Key("hc");
    json.Number(catalog.hc[k]);
    json.Key("zn");
    json.Number(catalog.zn[k]);
    json.Key("magnitude");
    if (k == kSunIndex || k == kMoonIndex) {
      json.Null();
    } else {
      json.Number(catalog.entries[k].magnitude);
    }
    json.Key("texts");
    Strings(json, row.cells.data(), kTableColumnCount);
    json.EndObject();
  }
  json.EndArray();
  json.EndObject();
}

}  // namespace nocturna
