#include "moment/visible_bodies_report.h"

#include <array>
#include <string_view>

#include "foundations/printf_text.h"
#include "cli/json_members.h"
#include "navigation/visible_bodies.h"
#include "cli/report_lines.h"

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

}  // namespace

VisibleBodiesList VisibleBodiesFor(const AlmanacSnapshot& snapshot, const TablePageOptions& options) {
  return ListFor(snapshot, options).list;
}

std::string VisibleBodiesReport(const AlmanacSnapshot& snapshot, const TablePageOptions& options) {
  const VisibleBodiesList list = VisibleBodiesFor(snapshot, options);
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
  json.StringArray(std::array<std::string_view, 3>{sorted.list.dateLine, sorted.list.positionLine,
                                                   sorted.list.lhaAriesLine});
  json.Key("degreesAndMinutes");
  json.Boolean(!options.decimal);
  json.Key("sortColumn");
  json.Integer(sorted.sortColumn);
  json.Key("columns");
  json.StringArray(kColumns);
  TableRowsMember(json, "rows", catalog, sorted.list.rows, HcZnMembers);
  json.EndObject();
}

}  // namespace nocturna
