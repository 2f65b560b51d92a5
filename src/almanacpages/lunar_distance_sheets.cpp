// The lunar distance pages: three days a page, a block a day with a row for each body and a
// column for each three hours of UT.
#include "almanacpages/lunar_distance_tables.h"
#include "almanacpages/page_dates.h"
#include "almanacpages/table_blocks.h"
#include "foundations/printf_text.h"

namespace nocturna {
namespace {

constexpr int kColumns = 106;
constexpr int kNameWidth = 12;
constexpr int kValueWidth = 9;

std::string DayTitle(const CalendarDate& date) {
  return PrintfText("%04d %s %d (%s)", date.year, MonthName(date.month), date.day, WeekdayName(WeekdayOf(date)));
}

TextBlock DayBlock(const LunarDistanceDay& day) {
  TextBlock block{DayTitle(day.date), 0, {{"", "Body", kNameWidth}}, {}};
  for (int t = 0; t < kLunarDistanceTimes; ++t) {
    block.columns.push_back({t == 0 ? "UT" : "", std::to_string(24 * t / (kLunarDistanceTimes - 1)) + "h", kValueWidth});
  }
  for (const LunarDistanceRow& row : day.rows) {
    std::vector<std::string> texts{LunarBodyName(row.bodyIndex)};
    for (const long tenths : row.tenths) texts.push_back(DegreesTenths(tenths));
    block.rows.push_back(std::move(texts));
  }
  if (day.rows.empty()) block.rows.push_back({"(none)"});
  return block;
}

Sheet LunarSheet(const std::vector<LunarDistanceDay>& days, std::size_t first) {
  SheetWriter sheet(kColumns);
  sheet.Line(SheetLineStyle::title).PutCentred("LUNAR DISTANCES");
  for (std::size_t d = first; d < days.size() && d < first + kLunarDistanceDaysPerPage; ++d) {
    sheet.Line();
    WriteBlocks(sheet, kColumns, {DayBlock(days[d])}, 5);
  }
  sheet.Line().RuleAbove(0, kColumns, true)
      .Put(0, "Geocentric angles between the centres of the Moon and the body. Clear the observed distance of");
  sheet.Line().Put(0, "refraction and parallax, then interpolate between the three-hourly values to find UT.");
  return sheet.Take();
}

}  // namespace

std::vector<Sheet> LunarDistanceSheets(const std::vector<LunarDistanceDay>& days) {
  std::vector<Sheet> sheets;
  for (std::size_t first = 0; first < days.size(); first += kLunarDistanceDaysPerPage) {
    sheets.push_back(LunarSheet(days, first));
  }
  return sheets;
}

}  // namespace nocturna
