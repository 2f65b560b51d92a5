#include "moment/almanac_page_report.h"

#include "cli/json_members.h"
#include "navigation/almanac_page.h"
#include "cli/report_lines.h"

namespace nocturna {
namespace {

std::string Table(const char* title, const std::string& angle, const std::vector<TableRow>& rows) {
  return TableText("%-16s %10s %12s %5s\n", {title, angle.c_str(), "Declination", "Mag"}, rows);
}

}  // namespace

AlmanacPage AlmanacPageFor(const AlmanacSnapshot& snapshot, const TablePageOptions& options) {
  AlmanacPage page =
      BuildAlmanacPage(snapshot.catalog, snapshot.moment, snapshot.zoneDescription,
                       snapshot.position, options.gha ? AlmanacMode::Gha : AlmanacMode::Sha);
  if (options.sortColumn) SortTableRows(page.stars, *options.sortColumn);
  return page;
}

std::string AlmanacPageReport(const AlmanacSnapshot& snapshot, const TablePageOptions& options) {
  const AlmanacPage page = AlmanacPageFor(snapshot, options);
  std::string text = "Almanac: Stars & Planets\n";
  text += page.dateLine + '\n' + page.positionLine + '\n' + page.ghaAriesLine + '\n';
  text += Table("Stars", page.angleHeading, page.stars);
  text += '\n' + Table("Planets", page.angleHeading, page.planets);
  return text;
}

Json AlmanacPageJson(const AlmanacSnapshot& snapshot, const TablePageOptions& options) {
  const AlmanacPage page = AlmanacPageFor(snapshot, options);
  return {
      {"mode", page.angleHeading},
      {"ghaAries", snapshot.catalog.gha[kAriesIndex]},
      {"headingLines", {page.dateLine, page.positionLine, page.ghaAriesLine}},
      {"sortColumn", ValueOrNull(options.sortColumn)},  // null: the stars in catalog order
      {"columns", {"Stars", page.angleHeading, "Declination", "Mag"}},
      {"stars", TableRowsJson(snapshot.catalog, page.stars, PlaceMembers)},
      {"planets", TableRowsJson(snapshot.catalog, page.planets, PlaceMembers)},
  };
}

}  // namespace nocturna
