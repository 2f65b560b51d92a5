// The booklet's tables as JSON, beside the daily pages' values.
#include "almanacpages/altitude_correction_tables.h"
#include "almanacpages/concise_reduction.h"
#include "almanacpages/increment_tables.h"
#include "pages/almanac_pages_report.h"

namespace nocturna {
namespace {

Json Table(const ValueTable& table) {
  Json columns = Json::array();
  for (const ValueColumn& column : table.columns) columns.push_back({{"name", column.name}, {"unit", column.unit}});
  return {{"name", table.name}, {"columns", std::move(columns)}, {"rows", table.rows}};
}

// The tables of the chosen sections, in booklet order.
std::vector<ValueTable> SectionTables(const AlmanacBooklet& booklet) {
  std::vector<ValueTable> tables;
  const BookletContents& contents = booklet.contents;
  for (const LunarDistanceDay& day : booklet.lunar) tables.push_back(LunarDistanceTable(day));
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
    tables.push_back(ConciseExampleTable());
  }
  return tables;
}

}  // namespace

std::string BookletJson(const AlmanacBooklet& booklet) {
  Json document = AlmanacPagesDocument(booklet.passage);
  Json sections = Json::array();
  for (const BookletSection section : kBookletSections) {
    if (booklet.contents.Has(section)) sections.push_back(SectionName(section));
  }
  Json tables = Json::array();
  for (const ValueTable& table : SectionTables(booklet)) tables.push_back(Table(table));
  document["sections"] = std::move(sections);
  document["tables"] = std::move(tables);
  return JsonDocumentText(document);
}

}  // namespace nocturna
