#include "almanac_page_report.h"

#include "navigation/almanac_page.h"
#include "report_lines.h"

namespace nocturna {
namespace {

AlmanacPage PageFor(const AlmanacSnapshot& snapshot, const TablePageOptions& options) {
  AlmanacPage page =
      BuildAlmanacPage(snapshot.catalog, snapshot.moment, snapshot.zoneDescription,
                       snapshot.position, options.gha ? AlmanacMode::Gha : AlmanacMode::Sha);
  if (options.sortColumn) SortTableRows(page.stars, *options.sortColumn);
  return page;
}

std::string Table(const char* title, const std::string& angle, const std::vector<TableRow>& rows) {
  return TableText("%-16s %10s %12s %5s\n", {title, angle.c_str(), "Declination", "Mag"}, rows);
}

void Rows(JsonWriter& json, const char* key, const BodyCatalog& catalog,
          const std::vector<TableRow>& rows) {
  json.Key(key);
  json.BeginArray();
  for (const TableRow& row : rows) {
    const int k = row.catalogIndex;
    const CelestialBody& body = catalog.entries[k];
    json.BeginObject();
    json.Key("index");
    json.Integer(k);
    json.Key("name");
    json.String(row.cells[0]);
    json.Key("sha");
    json.Number(body.sha);
    json.Key("gha");
    json.Number(catalog.gha[k]);
    json.Key("declination");
    json.Number(body.declination);
    json.Key("magnitude");
    json.Number(body.magnitude);
    json.Key("texts");
    json.BeginArray();
    for (const std::string& cell : row.cells) json.String(cell);
    json.EndArray();
    json.EndObject();
  }
  json.EndArray();
}

}  // namespace

std::string AlmanacPageReport(const AlmanacSnapshot& snapshot, const TablePageOptions& options) {
  const AlmanacPage page = PageFor(snapshot, options);
  std::string text = "Almanac: Stars & Planets\n";
  text += page.dateLine + '\n' + page.positionLine + '\n' + page.ghaAriesLine + '\n';
  text += Table("Stars", page.angleHeading, page.stars);
  text += '\n' + Table("Planets", page.angleHeading, page.planets);
  return text;
}

void AlmanacPageJson(JsonWriter& json, const AlmanacSnapshot& snapshot,
                     const TablePageOptions& options) {
  const AlmanacPage page = PageFor(snapshot, options);
  json.Key("almanacPage");
  json.BeginObject();
  json.Key("mode");
  json.String(page.angleHeading);
  json.Key("ghaAries");
  json.Number(snapshot.catalog.gha[kAriesIndex]);
  json.Key("headingLines");
  json.BeginArray();
  for (const std::string* line : {&page.dateLine, &page.positionLine, &page.ghaAriesLine}) {
    json.String(*line);
  }
  json.EndArray();
  json.Key("sortColumn");  // null: the stars in catalog order
  if (options.sortColumn) {
    json.Integer(*options.sortColumn);
  } else {
    json.Null();
  }
  json.Key("columns");
  json.BeginArray();
  for (const char* column : {"Stars", page.angleHeading.c_str(), "Declination", "Mag"}) {
    json.String(column);
  }
  json.EndArray();
  Rows(json, "stars", snapshot.catalog, page.stars);
  Rows(json, "planets", snapshot.catalog, page.planets);
  json.EndObject();
}

}  // namespace nocturna
