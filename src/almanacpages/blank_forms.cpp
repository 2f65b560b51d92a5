#include "almanacpages/blank_forms.h"

#include <cmath>
#include <cstdio>

#include "foundations/angles.h"

namespace nocturna {
namespace {

constexpr int kColumns = 96;
constexpr int kLabelWidth = 28;
constexpr int kSightColumns = 4;
constexpr int kSightWidth = (kColumns - kLabelWidth) / kSightColumns;

// The form's steps: a title starts a group; the others are lines to fill in (Windows-1252).
constexpr const char* kFormSteps[] = {
    "#SIGHT", "Date, zone", "Body, limb", "DR latitude", "DR longitude",
    "#ALTITUDE", "Hs (sextant)", "Index correction", "Dip (height of eye)", "Ha (apparent)",
    "Main correction", "Additional (T, P)", "Ho (observed)",
    "#TIME AND HOUR ANGLE", "Watch time", "Watch error", "UT (h m s)", "GHA at the hour",
    "Increment (m s)", "v, v correction", "SHA (star)", "GHA", "Assumed longitude", "LHA (whole degrees)",
    "#DECLINATION", "Dec at the hour", "d, d correction", "Dec",
    "#CONCISE REDUCTION", "Assumed latitude", "A, B, Z1", "F = B + Dec", "H, P, Z2",
    "corr1 (F', 90-P)", "corr2 (A', Z2)", "Hc", "Z, Zn",
    "#RESULT", "Intercept Ho - Hc (T/A)", "Zn", "Notes",
};

}  // namespace

Sheet SightFormSheet() {
  SheetWriter sheet(kColumns);
  sheet.Line(SheetLineStyle::title).PutCentred("SIGHT REDUCTION FORM");
  sheet.Line();
  const int top = sheet.NextLine();
  for (const char* step : kFormSteps) {
    if (step[0] == '#') {
      sheet.Line(SheetLineStyle::heading).RuleAbove(0, kColumns, true).Put(0, step + 1);
      continue;
    }
    sheet.Line().RuleAbove(0, kColumns).Put(0, step);
    sheet.Line();  // room to write
  }
  sheet.Line().RuleAbove(0, kColumns, true);
  for (int c = 0; c < kSightColumns; ++c) sheet.ColumnRule(kLabelWidth + kSightWidth * c - 1, top, sheet.NextLine() - 1);
  return sheet.Take();
}

Sheet PlottingSheet() {
  constexpr int kGridLeft = 6;
  constexpr int kGridColumns = 80;  // a square is 8 characters wide and 4 lines high
  constexpr int kGridLines = 56;
  constexpr int kCell = 4;          // lines between parallels
  SheetWriter sheet(kColumns);
  sheet.Line(SheetLineStyle::title).PutCentred("PLOTTING SHEET");
  sheet.Line().Put(0, "Mid latitude ________   Scale: 1 square = ______ of latitude   Central meridian ________");
  const int top = sheet.NextLine();
  for (int line = 0; line <= kGridLines; ++line) {
    sheet.Line();
    if (line % kCell == 0) sheet.RuleAbove(kGridLeft, kGridLeft + kGridColumns, line == kGridLines / 2);
  }
  for (int c = 0; c <= kGridColumns; c += 2 * kCell) sheet.ColumnRule(kGridLeft + c, top, top + kGridLines);
  sheet.Line().Put(0, "Meridians: space them cos(mid latitude) apart, in squares of latitude:");
  std::string scale;
  for (int latitude = 0; latitude <= 70; latitude += 10) {
    char text[64];
    std::snprintf(text, sizeof text, "%2d\xB0 %.3f  ", latitude, std::cos(DegToRad(latitude)));
    scale += text;
  }
  sheet.Line().Put(0, scale);
  return sheet.Take();
}

}  // namespace nocturna
