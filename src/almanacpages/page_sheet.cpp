#include "almanacpages/page_sheet.h"

#include <algorithm>

#include "foundations/windows1252.h"

namespace nocturna {
namespace {

int SymbolWidth(SheetSymbol symbol) { return symbol == SheetSymbol::twilightAllNight ? 4 : 1; }

}  // namespace

const char* SheetSymbolUtf8(SheetSymbol symbol) {
  switch (symbol) {
    case SheetSymbol::openSquare: return "\u25A1";
    case SheetSymbol::filledSquare: return "\u25A0";
    case SheetSymbol::twilightAllNight: return "////";
    case SheetSymbol::none: break;
  }
  return "";
}

SheetWriter& SheetWriter::Line(SheetLineStyle style) {
  sheet_.lines.push_back(SheetLine{{}, {}, style});
  return *this;
}

SheetWriter& SheetWriter::Put(int column, std::string text) {
  sheet_.lines.back().cells.push_back(SheetCell{column, std::move(text), SheetSymbol::none});
  return *this;
}

SheetWriter& SheetWriter::PutRight(int end, const std::string& text) {
  return Put(end - static_cast<int>(text.size()), text);
}

SheetWriter& SheetWriter::PutCentred(const std::string& text) {
  return Put(std::max(0, (sheet_.columns - static_cast<int>(text.size())) / 2), text);
}

SheetWriter& SheetWriter::PutSymbol(int column, SheetSymbol symbol) {
  sheet_.lines.back().cells.push_back(SheetCell{column, {}, symbol});
  return *this;
}

SheetWriter& SheetWriter::RuleAbove(int fromColumn, int toColumn, bool heavy) {
  sheet_.lines.back().rulesAbove.push_back(SheetRule{fromColumn, toColumn, heavy});
  return *this;
}

void SheetWriter::ColumnRule(int column, int fromLine, int toLine) {
  sheet_.columnRules.push_back(SheetColumnRule{column, fromLine, toLine});
}

std::string SheetText(const Sheet& sheet) {
  std::string text;
  for (const SheetLine& line : sheet.lines) {
    std::vector<SheetCell> cells = line.cells;
    std::stable_sort(cells.begin(), cells.end(),
                     [](const SheetCell& a, const SheetCell& b) { return a.column < b.column; });
    std::string row;
    int width = 0;  // characters written so far
    for (const SheetCell& cell : cells) {
      const int gap = std::max(0, cell.column - width);
      row.append(gap, ' ');
      width += gap;
      if (cell.symbol == SheetSymbol::none) {
        row += Windows1252ToUtf8(cell.text);
        width += static_cast<int>(cell.text.size());
      } else {
        row += SheetSymbolUtf8(cell.symbol);
        width += SymbolWidth(cell.symbol);
      }
    }
    text += row;
    text += '\n';
  }
  return text;
}

}  // namespace nocturna
