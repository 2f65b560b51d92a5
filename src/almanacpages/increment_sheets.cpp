// The increments and corrections pages: two minutes side by side, a row for each second, the
// v or d corrections beside them.
#include <cstdio>

#include "almanacpages/increment_tables.h"

namespace nocturna {
namespace {

constexpr int kColumns = 132;
constexpr int kSecondTableColumn = 68;
constexpr int kSun = 4;
constexpr int kAries = 13;
constexpr int kMoon = 22;
constexpr int kFirstVd = 31;
constexpr int kVdStride = 11;

std::string Increment(long tenths) {
  char text[64];
  std::snprintf(text, sizeof text, "%2ld %02ld.%ld", tenths / 600, tenths % 600 / 10, tenths % 10);
  return text;
}

std::string TwoDigits(long value) {
  char text[64];
  std::snprintf(text, sizeof text, "%02ld", value);
  return text;
}

void TableHeadings(SheetWriter& sheet, const int (&lefts)[2], int firstMinute) {
  sheet.Line(SheetLineStyle::heading).RuleAbove(0, kColumns, true);
  for (int t = 0; t < 2; ++t) {
    const int x = lefts[t];
    sheet.Put(x, TwoDigits(firstMinute + t) + "m").Put(x + kSun + 2, "SUN").Put(x + kAries + 1, "ARIES")
        .Put(x + kMoon + 2, "MOON");
    for (int c = 0; c < kVdColumns; ++c) sheet.Put(x + kFirstVd + kVdStride * c, "v or d");
  }
  sheet.Line(SheetLineStyle::heading);
  for (int t = 0; t < 2; ++t) {
    const int x = lefts[t];
    sheet.Put(x, " s").Put(x + kSun, "PLANETS");
    for (int c = 0; c < kVdColumns; ++c) sheet.Put(x + kFirstVd + kVdStride * c + 4, "Corr");
  }
}

void TableRow(SheetWriter& sheet, int left, const std::vector<long>& row) {
  sheet.Put(left, TwoDigits(row[0])).Put(left + kSun, Increment(row[1]))
      .Put(left + kAries, Increment(row[2])).Put(left + kMoon, Increment(row[3]));
  for (int c = 0; 4 + 2 * c + 1 < static_cast<int>(row.size()); ++c) {
    const int x = left + kFirstVd + kVdStride * c;
    sheet.PutRight(x + 4, FormatTenths(row[4 + 2 * c])).PutRight(x + 9, FormatTenths(row[5 + 2 * c]));
  }
}

Sheet IncrementSheet(int firstMinute) {
  const ValueTable tables[2] = {IncrementTable(firstMinute), IncrementTable(firstMinute + 1)};
  const int lefts[2] = {0, kSecondTableColumn};
  SheetWriter sheet(kColumns);
  sheet.Line(SheetLineStyle::title).PutCentred("INCREMENTS AND CORRECTIONS  " + TwoDigits(firstMinute) +
                                               "m " + TwoDigits(firstMinute + 1) + "m");
  const int top = sheet.NextLine();
  TableHeadings(sheet, lefts, firstMinute);
  for (int second = 0; second < kIncrementSecondRows; ++second) {
    sheet.Line();
    if (second % 5 == 0) sheet.RuleAbove(0, kColumns, second == 0);
    for (int t = 0; t < 2; ++t) TableRow(sheet, lefts[t], tables[t].rows[second]);
  }
  sheet.ColumnRule(kSecondTableColumn - 3, top, sheet.NextLine());
  for (int t = 0; t < 2; ++t) {
    for (int c = 0; c < kVdColumns; ++c) {
      sheet.ColumnRule(lefts[t] + kFirstVd + kVdStride * c - 2, top, sheet.NextLine());
    }
  }
  sheet.Line().RuleAbove(0, kColumns, true)
      .Put(0, "Increments: Sun and planets 15\xB0" "00.0', Aries 15\xB0" "02.5', Moon 14\xB0"
              "19.0' an hour. v or d corrections for the middle of the minute.");
  return sheet.Take();
}

}  // namespace

std::vector<Sheet> IncrementSheets() {
  std::vector<Sheet> sheets;
  for (int minute = 0; minute < kIncrementMinutes; minute += 2) sheets.push_back(IncrementSheet(minute));
  return sheets;
}

}  // namespace nocturna
