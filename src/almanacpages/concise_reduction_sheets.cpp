// The concise sight reduction pages: the rules with a worked example, six latitudes (or values
// of A) a page with LHA (or F) down the side and the three other angles it stands for, then the
// auxiliary table.
#include <cstdio>
#include <cstdlib>

#include "almanacpages/concise_reduction.h"
#include "almanacpages/table_blocks.h"
#include "foundations/printf_text.h"

namespace nocturna {
namespace {

constexpr int kColumns = 132;
constexpr int kPerSheet = 6;
constexpr int kFirstEntry = 10;
constexpr int kEntryStride = 19;

std::string Label(int degrees) { return std::to_string(degrees); }

std::string Tenth(long tenths) {
  return PrintfText("%s%ld.%ld", tenths < 0 ? "-" : "", std::labs(tenths) / 10, std::labs(tenths) % 10);
}

std::string Minutes(long minutes) { return PrintfText("%+ld'", minutes); }

void Headings(SheetWriter& sheet, int firstX) {
  sheet.Line(SheetLineStyle::heading).RuleAbove(0, kColumns, true).Put(0, "LHA/F").PutRight(kColumns, "LHA/F");
  for (int i = 0; i < kPerSheet; ++i) {
    sheet.Put(kFirstEntry + kEntryStride * i + 2, "Lat / A " + std::to_string(firstX + i) + "\xB0");
  }
  sheet.Line(SheetLineStyle::heading).Put(0, "LHA").PutRight(kColumns, "LHA");
  for (int i = 0; i < kPerSheet; ++i) {
    const int x = kFirstEntry + kEntryStride * i;
    sheet.PutRight(x + 5, "A/H").PutRight(x + 11, "B/P").PutRight(x + 17, "Z1/Z2");
  }
}

Sheet ReductionSheet(int firstX, int fromY, int toY) {
  SheetWriter sheet(kColumns);
  sheet.Line(SheetLineStyle::title)
      .PutCentred(PrintfText("CONCISE SIGHT REDUCTION TABLE  LAT / A %d\xB0-%d\xB0", firstX, firstX + kPerSheet - 1));
  const int top = sheet.NextLine();
  Headings(sheet, firstX);
  for (int y = fromY; y <= toY; ++y) {
    sheet.Line();
    if ((y - fromY) % 5 == 0) sheet.RuleAbove(0, kColumns, y == fromY);
    sheet.PutRight(3, Label(y)).PutRight(8, Label(360 - y));
    sheet.PutRight(kColumns - 5, Label(180 - y)).PutRight(kColumns, Label(180 + y));
    for (int i = 0; i < kPerSheet; ++i) {
      const ConciseEntry entry = ConciseTableEntry(firstX + i, y);
      const int x = kFirstEntry + kEntryStride * i;
      sheet.PutRight(x + 5, DegreesMinutes(entry.a)).PutRight(x + 11, DegreesMinutes(entry.b))
          .PutRight(x + 17, Tenth(entry.z));
    }
  }
  for (int i = 0; i < kPerSheet; ++i) sheet.ColumnRule(kFirstEntry + kEntryStride * i - 2, top, sheet.NextLine());
  sheet.Line().RuleAbove(0, kColumns, true)
      .Put(0, "B, Z1: (-) for 90\xB0 < LHA < 270\xB0.  Dec: (-) for Lat contrary name.  F = B + Dec.  "
              "F > 90\xB0: enter with 180\xB0 - F; P, Z2: (-).");
  sheet.Line().Put(0, "Z = Z1 + Z2, plus 180\xB0 if negative.  N. Lat: Zn = Z (LHA > 180\xB0), 360\xB0 - Z (LHA < 180\xB0).");
  sheet.Line().Put(0, "S. Lat: Zn = 180\xB0 - Z (LHA > 180\xB0), 180\xB0 + Z (LHA < 180\xB0).");
  return sheet.Take();
}

// The rules of the method, a line each (Windows-1252).
constexpr const char* kRules[] = {
    "1. Choose the assumed position so that Lat and LHA are whole degrees. Dec to the nearest minute; Dec is minus when its name is",
    "   contrary to the latitude's.",
    "2. Enter the table with Lat and LHA: record A, B and Z1. B and Z1 are minus when LHA is between 90\xB0 and 270\xB0.",
    "3. F = B + Dec. If F is minus, the body is below the horizon.",
    "4. A\xB0 and F\xB0 are A and F to the nearest whole degree (30' and more count up); A' and F' are their minutes, 0' to 59'.",
    "5. Enter the table again with A\xB0 as Lat and F\xB0 as LHA (for F\xB0 over 90\xB0 the row 180\xB0 - F\xB0): record H, P and Z2.",
    "   P and Z2 are minus when F is over 90\xB0. P\xB0 and Z2\xB0 are P and Z2 without sign, to the nearest whole degree.",
    "6. Auxiliary table: corr1 with F' down the side and P\xB0 across (the upper heading); corr2 with A' and Z2\xB0 (the lower",
    "   heading). Minutes of 30' and more are read down the right-hand side.",
    "   corr1 is minus when F is under 90\xB0 and F' is 30' or more, or F is over 90\xB0 and F' is under 30'; plus otherwise.",
    "   corr2 is minus when A' is under 30', plus when A' is 30' or more.",
    "7. Hc = H + corr1 + corr2.",
    "8. For Z to 0.1\xB0, interpolate Z2 for F' and A': add F'/60 of its change to the next F row and A'/60 of its change to",
    "   the next A column (towards F and A, from F\xB0 and A\xB0). Z = Z1 + Z2, add 180\xB0 if negative: the azimuth from the",
    "   elevated pole. N. Lat: Zn = Z if LHA > 180\xB0, 360\xB0 - Z if LHA < 180\xB0. S. Lat: Zn = 180\xB0 - Z if LHA > 180\xB0,",
    "   180\xB0 + Z if LHA < 180\xB0.",
    "Between 5\xB0 and 80\xB0 of altitude, Hc so found is within about 2' of the exact altitude (0.5' r.m.s.), Z within 0.2\xB0.",
};

// The example's sight, worked by the rules above.
void WorkedExample(SheetWriter& sheet) {
  const ConciseWorking w = ConciseExample();
  sheet.Line(SheetLineStyle::heading).RuleAbove(0, kColumns, true)
      .Put(0, PrintfText("Example: Lat %d\xB0 N, LHA %d\xB0, Dec %s %s", w.latitude, w.lha, w.declinationTenths < 0 ? "S" : "N",
                         DegreesTenths(std::labs(w.declinationTenths)).c_str()));
  sheet.Line().Put(0, PrintfText("First entry (%d\xB0, %d\xB0): A = %s  B = %s  Z1 = %s", w.latitude, w.lha,
                                 DegreesMinutes(w.a).c_str(), DegreesMinutes(w.b).c_str(), Tenth(w.z1).c_str()));
  sheet.Line().Put(0, PrintfText("F = B + Dec = %s + (%s) = %s: F\xB0 = %d\xB0, F' = %d';  A\xB0 = %d\xB0, A' = %d'",
                                 DegreesMinutes(w.b).c_str(), DegreesMinutes(w.declination).c_str(),
                                 DegreesMinutes(w.f).c_str(), w.fDegrees, w.fMinutes, w.aDegrees, w.aMinutes));
  sheet.Line().Put(0, PrintfText("Second entry (%d\xB0, %d\xB0): H = %s  P = %s (P\xB0 = %d\xB0)  Z2 = %s", w.aDegrees,
                                 w.fDegrees, DegreesMinutes(w.h).c_str(), DegreesMinutes(w.p).c_str(), w.pDegrees,
                                 Tenth(w.z2Entry).c_str()));
  sheet.Line().Put(0, PrintfText("corr1 (F' %d', P\xB0 %d\xB0) = %s;  corr2 (A' %d', Z2\xB0 %d\xB0) = %s;  Hc = %s",
                                 w.fMinutes, w.pDegrees, Minutes(w.corr1).c_str(), w.aMinutes, w.z2Degrees,
                                 Minutes(w.corr2).c_str(), DegreesMinutes(w.hc).c_str()));
  sheet.Line().Put(0, PrintfText("Z2 interpolated = %s;  Z = Z1 + Z2 = %s;  Zn = %s", Tenth(w.z2).c_str(),
                                 Tenth(w.z).c_str(), Tenth(w.zn).c_str()));
}

Sheet RulesSheet() {
  SheetWriter sheet(kColumns);
  sheet.Line(SheetLineStyle::title).PutCentred("CONCISE SIGHT REDUCTION: THE RULES");
  sheet.Line();
  sheet.Line().Put(0, "One table, entered twice with whole degrees, solves the two right triangles into which a perpendicular "
                      "from the zenith to");
  sheet.Line().Put(0, "the body's hour circle divides the navigational triangle; the auxiliary table corrects for the minutes.");
  sheet.Line();
  for (const char* rule : kRules) sheet.Line().Put(0, rule);
  sheet.Line();
  WorkedExample(sheet);
  return sheet.Take();
}

Sheet AuxiliarySheet() {
  SheetWriter sheet(kColumns);
  sheet.Line(SheetLineStyle::title).PutCentred("CONCISE SIGHT REDUCTION: AUXILIARY TABLE");
  sheet.Line().Put(0, "corr1: F' down the side, P\xB0 across (upper heading).  corr2: A' and Z2\xB0 (lower heading).  "
                      "30'-59': right-hand side.");
  for (int first = 0; first <= 90; first += 31) {
    std::vector<TextColumn> columns{{"P\xB0", "Z2\xB0", 3}};
    for (int degrees = first; degrees <= std::min(90, first + 30); ++degrees) {
      columns.push_back({Label(90 - degrees), Label(degrees), 3});
    }
    columns.push_back({"P\xB0", "Z2\xB0", 3});
    std::vector<std::vector<std::string>> rows;
    for (int minutes = 0; minutes <= 30; ++minutes) {
      std::vector<std::string> texts{Label(minutes)};
      for (int degrees = first; degrees <= std::min(90, first + 30); ++degrees) {
        texts.push_back(Label(AuxiliaryCorrection(minutes, degrees)));
      }
      texts.push_back(minutes == 0 ? "" : Label(60 - minutes));
      rows.push_back(std::move(texts));
    }
    WriteBlocks(sheet, kColumns, {{"", 0, columns, rows}}, 5);
  }
  return sheet.Take();
}

}  // namespace

std::vector<Sheet> ConciseReductionSheets() {
  std::vector<Sheet> sheets{RulesSheet()};
  for (int firstX = 0; firstX < kConciseLatitudes; firstX += kPerSheet) {
    sheets.push_back(ReductionSheet(firstX, 0, 45));
    sheets.push_back(ReductionSheet(firstX, 46, 90));
  }
  sheets.push_back(AuxiliarySheet());
  return sheets;
}

}  // namespace nocturna
