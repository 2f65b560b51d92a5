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

Json VisibleBodiesJson(const AlmanacSnapshot& snapshot, const TablePageOptions& options) {
  const SortedList sorted = ListFor(snapshot, options);
  const BodyCatalog& catalog = snapshot.catalog;
  return {
      {"lightState", LightStateCaption(sorted.list.light)},
      {"sunHc", catalog.hc[kSunIndex]},
      {"lhaAries", LhaAries(catalog, snapshot.position)},
      {"headingLines", {sorted.list.dateLine, sorted.list.positionLine, sorted.list.lhaAriesLine}},
      {"degreesAndMinutes", !options.decimal},
      {"sortColumn", sorted.sortColumn},
      {"columns", kColumns},
      {"rows", TableRowsJson(catalog, sorted.list.rows, HcZnMembers)},
  };
}

}  // namespace nocturna
