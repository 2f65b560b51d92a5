// The booklet's tables as JSON, beside the daily pages' values.
#include "almanacpages/altitude_correction_tables.h"
#include "almanacpages/concise_reduction.h"
#include "almanacpages/increment_tables.h"
#include "pages/almanac_pages_report.h"

namespace nocturna {
namespace {

void Table(JsonWriter& json, const ValueTable& table) {
  json.BeginObject();
  json.Key("name");
  json.String(table.name);
  json.Key("columns");
  json.BeginArray();
  for (const ValueColumn& column : table.columns) {
    json.BeginObject();
    json.Key("name");
    json.String(column.name);
    json.Key("unit");
    json.String(column.unit);
    json.EndObject();
  }
  json.EndArray();
  json.Key("rows");
  json.BeginArray();
  for (const std::vector<long>& row : table.rows) {
    json.BeginArray();
    for (const long value : row) json.Integer(value);
    json.EndArray();
  }
  json.EndArray();
  json.EndObject();
}

// The tables of the chosen sections, in booklet order.
std::vector<ValueTable> SectionTables(const AlmanacBooklet& booklet) {
  std::vector<ValueTable> tables;
  const BookletContents& contents = booklet.contents;
  if (contents.Has(BookletSection::increments)) {
    for (int minute = 0; minute < kIncrementMinutes; ++minute) tables.push_back(IncrementTable(minute));
  }
  if (contents.Has(BookletSection::altitude)) {
    for (ValueTable& table : AltitudeCorrectionTables()) tables.push_back(std::move(table));
  }
  if (contents.Has(BookletSection::polaris)) {
    const PolarisTables& polaris = booklet.polaris;
    for (const ValueTable* table : {&polaris.a0, &polaris.a1, &polaris.a2, &polaris.azimuth}) {
      tables.push_back(*table);
    }
  }
  if (contents.Has(BookletSection::reduction)) {
    tables.push_back(ConciseReductionTable());
    tables.push_back(AuxiliaryTable());
  }
  return tables;
}

}  // namespace

std::string BookletJson(const AlmanacBooklet& booklet) {
  JsonWriter json;
  json.BeginObject();
  PassageJsonMembers(json, booklet.passage);
  json.Key("sections");
  json.BeginArray();
  for (const BookletSection section : kBookletSections) {
    if (booklet.contents.Has(section)) json.String(SectionName(section));
  }
  json.EndArray();
  json.Key("tables");
  json.BeginArray();
  for (const ValueTable& table : SectionTables(booklet)) Table(json, table);
  json.EndArray();
  json.EndObject();
  return json.Text() + "\n";
}

}  // namespace nocturna
