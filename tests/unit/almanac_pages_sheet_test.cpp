// The sheets of the daily pages: every figure inside the page and clear of its neighbours, the
// rules within the grid, and the text form's symbols.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "almanacpages/opening_sheets.h"
#include "support/sheet_layout_check.h"

namespace nocturna {
namespace {

// Midsummer (the symbols), and a passage over the turn of a year (the longest headings).
TEST(AlmanacPagesSheets, FiguresStayInsideThePageAndClearOfEachOther) {
  for (const CalendarDate from : {CalendarDate{6, 20, 2026}, CalendarDate{12, 30, 2026}}) {
    const AlmanacPassage passage = ComputeAlmanacPassage(from, 4, EphemerisChoice{});
    const std::vector<Sheet> sheets = PassageSheets(passage);
    ASSERT_EQ(sheets.size(), 5u);
    for (std::size_t s = 0; s < sheets.size(); ++s) {
      testing::ExpectSheetLaidOut(sheets[s], "sheet " + std::to_string(s));
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
