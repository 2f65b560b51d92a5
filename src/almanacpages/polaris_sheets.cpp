// The Polaris pages: a sheet for each 120 deg of LHA Aries, with a0, a1, a2 and the azimuth.
#include <cstdio>

#include "almanacpages/page_dates.h"
#include "almanacpages/polaris_tables.h"
#include "almanacpages/table_blocks.h"

namespace nocturna {
namespace {

constexpr int kColumns = 92;
constexpr int kColumnsPerSheet = 12;

std::string AzimuthText(long tenths) {
  char text[64];
  std::snprintf(text, sizeof text, "%ld.%ld", tenths / 10, tenths % 10);
  return text;
}

std::string MonthShort(long month) {
  std::string name = MonthName(static_cast<int>(month));
  for (std::size_t i = 1; i < name.size(); ++i) name[i] = static_cast<char>(name[i] - 'A' + 'a');
  return name.substr(0, 3) + ".";
}

// The columns of LHA Aries from `first` under the argument's heading.
std::vector<TextColumn> Columns(const char* argument, const char* unit, int first) {
  std::vector<TextColumn> columns{{argument, unit, 6}};
  for (int c = first; c < first + kColumnsPerSheet; ++c) {
    columns.push_back({std::to_string(10 * c) + "\xB0" "-", std::to_string(10 * c + 9) + "\xB0", 6});
  }
  return columns;
}

template <typename Label, typename Value>
std::vector<std::vector<std::string>> ColumnRows(const ValueTable& table, int first, Label label, Value value) {
  std::vector<std::vector<std::string>> rows;
  for (const std::vector<long>& row : table.rows) {
    std::vector<std::string> texts{label(row[0])};
    for (int c = first; c < first + kColumnsPerSheet; ++c) texts.push_back(value(row[1 + c]));
    rows.push_back(std::move(texts));
  }
  return rows;
}

std::vector<std::vector<std::string>> A0Rows(const ValueTable& a0, int first) {
  std::vector<std::vector<std::string>> rows;
  for (int unit = 0; unit < 10; ++unit) {
    std::vector<std::string> texts{std::to_string(unit) + "\xB0"};
    for (int c = first; c < first + kColumnsPerSheet; ++c) texts.push_back(DegreesTenths(a0.rows[10 * c + unit][1]));
    rows.push_back(std::move(texts));
  }
  return rows;
}

Sheet PolarisSheet(const PolarisTables& tables, int first) {
  SheetWriter sheet(kColumns);
  sheet.Line(SheetLineStyle::title)
      .PutCentred("POLARIS (POLE STAR) TABLES " + std::to_string(tables.year) + ", LHA ARIES " +
                  std::to_string(10 * first) + "\xB0-" + std::to_string(10 * (first + kColumnsPerSheet) - 1) + "\xB0");
  const auto degrees = [](long value) { return std::to_string(value) + "\xB0"; };
  const auto tenths = [](long value) { return FormatTenths(static_cast<ArcTenths>(value)); };
  WriteBlocks(sheet, kColumns, {{"a0", 0, Columns("LHA", "Aries", first), A0Rows(tables.a0, first)}}, 5);
  WriteBlocks(sheet, kColumns, {{"a1", 0, Columns("Lat.", "", first), ColumnRows(tables.a1, first, degrees, tenths)}}, 0);
  WriteBlocks(sheet, kColumns, {{"a2", 0, Columns("Month", "", first), ColumnRows(tables.a2, first, MonthShort, tenths)}}, 0);
  WriteBlocks(sheet, kColumns,
              {{"AZIMUTH", 0, Columns("Lat.", "", first), ColumnRows(tables.azimuth, first, degrees, AzimuthText)}}, 0);
  sheet.Line().Put(0, "Latitude = Ho - 1\xB0 + a0 + a1 + a2. a0 by LHA Aries (column of its tens, row of its");
  sheet.Line().Put(0, "units, interpolated); a1 by latitude and a2 by month from the same column. Ho is the");
  sheet.Line().Put(0, "observed altitude; the azimuth is true. The a2 rows are for the 15th of each month.");
  return sheet.Take();
}

}  // namespace

std::vector<Sheet> PolarisSheets(const PolarisTables& tables) {
  std::vector<Sheet> sheets;
  for (int first = 0; first < kPolarisColumns; first += kColumnsPerSheet) sheets.push_back(PolarisSheet(tables, first));
  return sheets;
}

}  // namespace nocturna
