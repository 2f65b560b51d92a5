// The concise sight reduction pages: six latitudes (or values of A) a page, LHA (or F) down the
// side with the three other angles it stands for, then the auxiliary table and the rules.
#include <cstdio>

#include "almanacpages/concise_reduction.h"
#include "almanacpages/table_blocks.h"

namespace nocturna {
namespace {

constexpr int kColumns = 132;
constexpr int kPerSheet = 6;
constexpr int kFirstEntry = 10;
constexpr int kEntryStride = 19;

std::string Label(int degrees) { return std::to_string(degrees); }

std::string Tenth(long tenths) {
  char text[64];
  std::snprintf(text, sizeof text, "%ld.%ld", tenths / 10, tenths % 10);
  return text;
}

void Headings(SheetWriter& sheet, int firstX) {
  sheet.Line(SheetLineStyle::heading).RuleAbove(0, kColumns, true).Put(0, "LHA/F").PutRight(kColumns, "LHA");
  for (int i = 0; i < kPerSheet && firstX + i < kConciseArguments; ++i) {
    sheet.Put(kFirstEntry + kEntryStride * i + 2, "Lat / A " + std::to_string(firstX + i) + "\xB0");
  }
  sheet.Line(SheetLineStyle::heading).Put(0, "LHA").PutRight(kColumns, "LHA");
  for (int i = 0; i < kPerSheet && firstX + i < kConciseArguments; ++i) {
    const int x = kFirstEntry + kEntryStride * i;
    sheet.PutRight(x + 5, "A/H").PutRight(x + 11, "B/P").PutRight(x + 16, "Z1/Z2");
  }
}

Sheet ReductionSheet(int firstX, int fromY, int toY) {
  SheetWriter sheet(kColumns);
  sheet.Line(SheetLineStyle::title).PutCentred("CONCISE SIGHT REDUCTION TABLE  LAT / A " + std::to_string(firstX) +
                                               "\xB0-" + std::to_string(std::min(firstX + kPerSheet, kConciseArguments) - 1) +
                                               "\xB0");
  const int top = sheet.NextLine();
  Headings(sheet, firstX);
  for (int y = fromY; y <= toY; ++y) {
    sheet.Line();
    if ((y - fromY) % 5 == 0) sheet.RuleAbove(0, kColumns, y == fromY);
    sheet.PutRight(3, Label(y)).PutRight(8, Label(360 - y));
    sheet.PutRight(kColumns - 5, Label(180 - y)).PutRight(kColumns, Label(180 + y));
    for (int i = 0; i < kPerSheet && firstX + i < kConciseArguments; ++i) {
      const ConciseEntry entry = ConciseTableEntry(firstX + i, y);
      const int x = kFirstEntry + kEntryStride * i;
      sheet.PutRight(x + 5, DegreesMinutes(entry.a)).PutRight(x + 11, DegreesMinutes(std::labs(entry.b)))
          .PutRight(x + 16, Tenth(std::labs(entry.z)));
    }
  }
  for (int i = 0; i < kPerSheet; ++i) sheet.ColumnRule(kFirstEntry + kEntryStride * i - 2, top, sheet.NextLine());
  sheet.Line().RuleAbove(0, kColumns, true)
      .Put(0, "B and Z1 take the sign minus for LHA 90\xB0-270\xB0; for F over 90\xB0 enter with 180\xB0 - F, and P and Z2 take the sign minus.");
  return sheet.Take();
}

// The rules of the method, a line each (Windows-1252).
constexpr const char* kRules[] = {
    "1. Enter with the assumed latitude (whole degrees) and LHA: A, B, Z1. B and Z1 are minus for LHA 90\xB0-270\xB0.",
    "2. F = B + Dec; Dec is minus when its name is contrary to the latitude's.",
    "3. Enter with A and F each to the nearest whole degree (A\xB0, F\xB0): H, P, Z2. For F over 90\xB0 enter with",
    "   180\xB0 - F; P and Z2 are then minus. F' = F - F\xB0 and A' = A - A\xB0, signed, at most 30'.",
    "4. corr1 = F' cos(90\xB0 - P): from this table with F' and 90\xB0 - P, signed as F' (opposite if P is minus).",
    "5. corr2 = A' cos Z2: from this table with A' and Z2, signed opposite to A'.",
    "6. Hc = H + corr1 + corr2. Z = Z1 + Z2, counted from the elevated pole; Zn = Z (N lat., LHA over 180\xB0),",
    "   360\xB0 - Z (N, LHA under 180\xB0), 180\xB0 - Z (S, LHA over 180\xB0), 180\xB0 + Z (S, LHA under 180\xB0).",
    "Hc so found is within 1.5' of the exact altitude (0.4' r.m.s.) up to 80\xB0, Z within 2\xB0 up to 70\xB0.",
};

Sheet AuxiliarySheet() {
  const ValueTable table = AuxiliaryTable();
  SheetWriter sheet(kColumns);
  sheet.Line(SheetLineStyle::title).PutCentred("CONCISE SIGHT REDUCTION: AUXILIARY TABLE AND RULES");
  std::vector<TextColumn> columns{{"F' or", "A'", 5}};
  for (std::size_t c = 1; c < table.columns.size(); ++c) {
    columns.push_back({c == 1 ? "angle" : "", std::to_string(5 * (c - 1)) + "\xB0", 5});
  }
  std::vector<std::vector<std::string>> rows;
  for (const std::vector<long>& row : table.rows) {
    std::vector<std::string> texts{std::to_string(row[0]) + "'"};
    for (std::size_t c = 1; c < row.size(); ++c) texts.push_back(Tenth(row[c]));
    rows.push_back(std::move(texts));
  }
  WriteBlocks(sheet, kColumns, {{"minutes x cos(angle)", 0, columns, rows}}, 5);
  for (const char* rule : kRules) sheet.Line().Put(0, rule);
  return sheet.Take();
}

}  // namespace

std::vector<Sheet> ConciseReductionSheets() {
  std::vector<Sheet> sheets;
  for (int firstX = 0; firstX < kConciseArguments; firstX += kPerSheet) {
    sheets.push_back(ReductionSheet(firstX, 0, 45));
    sheets.push_back(ReductionSheet(firstX, 46, 90));
  }
  sheets.push_back(AuxiliarySheet());
  return sheets;
}

}  // namespace nocturna
