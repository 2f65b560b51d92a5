#pragma once
// A printed sheet's layout: every figure inside the page and clear of its neighbours, every
// rule inside the grid and crossing no figure.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "almanacpages/page_sheet.h"

namespace nocturna::testing {

inline int CellWidth(const SheetCell& cell) {
  switch (cell.symbol) {
    case SheetSymbol::none: return static_cast<int>(cell.text.size());
    case SheetSymbol::twilightAllNight: return 4;
    default: return 1;
  }
}

inline void ExpectSheetLaidOut(const Sheet& sheet, const std::string& name) {
  for (std::size_t l = 0; l < sheet.lines.size(); ++l) {
    std::vector<SheetCell> cells = sheet.lines[l].cells;
    std::sort(cells.begin(), cells.end(), [](const SheetCell& a, const SheetCell& b) { return a.column < b.column; });
    int end = 0;
    for (const SheetCell& cell : cells) {
      EXPECT_GE(cell.column, end) << name << " line " << l << ": '" << cell.text << "' runs into the figure before it";
      end = cell.column + CellWidth(cell);
      EXPECT_LE(end, sheet.columns) << name << " line " << l << ": '" << cell.text << "'";
    }
    for (const SheetRule& rule : sheet.lines[l].rulesAbove) {
      EXPECT_LE(0, rule.fromColumn);
      EXPECT_LE(rule.toColumn, sheet.columns);
    }
  }
  for (const SheetColumnRule& rule : sheet.columnRules) {
    EXPECT_LT(rule.column, sheet.columns);
    EXPECT_LE(rule.toLine, static_cast<int>(sheet.lines.size())) << name;
    for (int l = rule.fromLine; l < rule.toLine; ++l) {
      for (const SheetCell& cell : sheet.lines[l].cells) {
        EXPECT_FALSE(cell.column <= rule.column && rule.column < cell.column + CellWidth(cell))
            << name << " line " << l << ": the rule at column " << rule.column << " crosses '" << cell.text << "'";
      }
    }
  }
}

}  // namespace nocturna::testing
