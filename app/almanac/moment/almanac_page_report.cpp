#include "moment/almanac_page_report.h"

#include <array>
#include <string_view>

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

void AlmanacPageJson(JsonWriter& json, const AlmanacSnapshot& snapshot,
                     const TablePageOptions& options) {
  const AlmanacPage page = AlmanacPageFor(snapshot, options);
  json.Key("almanacPage");
  json.BeginObject();
  json.Key("mode");
  json.String(page.angleHeading);
  json.Key("ghaAries");
  json.Number(snapshot.catalog.gha[kAriesIndex]);
  json.Key("headingLines");
  json.StringArray(
      std::array<std::string_view, 3>{page.dateLine, page.positionLine, page.ghaAriesLine});
  json.Key("sortColumn");  // null: the stars in catalog order
  if (options.sortColumn) {
    json.Integer(*options.sortColumn);
  } else {
    json.Null();
  }
  json.Key("columns");
  json.StringArray(std::array{"Stars", page.angleHeading.c_str(), "Declination", "Mag"});
  TableRowsMember(json, "stars", snapshot.catalog, page.stars, PlaceMembers);
  TableRowsMember(json, "planets", snapshot.catalog, page.planets, PlaceMembers);
  json.EndObject();
}

}  // namespace nocturna
