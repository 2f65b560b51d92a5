// The sheets of the daily pages: every figure inside the page and clear of its neighbours, the
// rules within the grid, and the text form's symbols.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "almanacpages/opening_sheets.h"

namespace nocturna {
namespace {

int CellWidth(const SheetCell& cell) {
  switch (cell.symbol) {
    case SheetSymbol::none: return static_cast<int>(cell.text.size());
    case SheetSymbol::twilightAllNight: return 4;
    default: return 1;
  }
}

// Midsummer (the symbols), and a passage over the turn of a year (the longest headings).
TEST(AlmanacPagesSheets, FiguresStayInsideThePageAndClearOfEachOther) {
  for (const CalendarDate from : {CalendarDate{6, 20, 2026}, CalendarDate{12, 30, 2026}}) {
    const AlmanacPassage passage = ComputeAlmanacPassage(from, 4, EphemerisChoice{});
    const std::vector<Sheet> sheets = PassageSheets(passage);
    ASSERT_EQ(sheets.size(), 5u);
    for (std::size_t s = 0; s < sheets.size(); ++s) {
      const Sheet& sheet = sheets[s];
      for (std::size_t l = 0; l < sheet.lines.size(); ++l) {
        std::vector<SheetCell> cells = sheet.lines[l].cells;
        std::sort(cells.begin(), cells.end(),
                  [](const SheetCell& a, const SheetCell& b) { return a.column < b.column; });
        int end = 0;
        for (const SheetCell& cell : cells) {
          EXPECT_GE(cell.column, end) << "sheet " << s << " line " << l << ": '" << cell.text
                                      << "' runs into the figure before it";
          end = cell.column + CellWidth(cell);
          EXPECT_LE(end, sheet.columns) << "sheet " << s << " line " << l << ": '" << cell.text << "'";
        }
        for (const SheetRule& rule : sheet.lines[l].rulesAbove) {
          EXPECT_LE(0, rule.fromColumn);
          EXPECT_LE(rule.toColumn, sheet.columns);
        }
      }
      for (const SheetColumnRule& rule : sheet.columnRules) {
        EXPECT_LT(rule.column, sheet.columns);
        EXPECT_LE(rule.toLine, static_cast<int>(sheet.lines.size())) << "sheet " << s;
        for (int l = rule.fromLine; l < rule.toLine; ++l) {
          for (const SheetCell& cell : sheet.lines[l].cells) {
            EXPECT_FALSE(cell.column <= rule.column && rule.column < cell.column + CellWidth(cell))
                << "sheet " << s << " line " << l << ": the rule at column " << rule.column
                << " crosses '" << cell.text << "'";
          }
        }
      }
    }
  }
}

TEST(AlmanacPagesSheets, TextFormShowsTheSymbolsInTheirColumns) {
  SheetWriter writer(12);
  writer.Line().Put(0, "N72\xB0").PutSymbol(6, SheetSymbol::openSquare);
  writer.Line().Put(0, "S60").PutSymbol(4, SheetSymbol::twilightAllNight).PutSymbol(10, SheetSymbol::filledSquare);
  const std::string text = SheetText(writer.Take());
  EXPECT_EQ(text, "N72\u00B0  \u25A1\nS60 ////  \u25A0\n");
}

}  // namespace
}  // namespace nocturna
