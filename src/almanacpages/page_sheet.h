#pragma once
// A page of the passage as a grid of fixed-width character cells: the lines of text (Windows-1252),
// the symbols of days without an event, and the rules. The command line writes it as text; the
// printed pages draw the same grid in a fixed-width font, so both show the same figures.
#include <string>
#include <vector>

namespace nocturna {

enum class SheetSymbol {
  none,
  openSquare,        // the body is above the horizon all day
  filledSquare,      // below all day (or the twilight's depression is never reached)
  twilightAllNight,  // "////"
};

// The symbol as UTF-8 text (one character, or "////").
const char* SheetSymbolUtf8(SheetSymbol symbol);

struct SheetCell {
  int column = 0;    // first character column
  std::string text;  // Windows-1252; empty when the cell is a symbol
  SheetSymbol symbol = SheetSymbol::none;
};

// A horizontal rule along the top of a line, over columns [fromColumn, toColumn).
struct SheetRule {
  int fromColumn = 0;
  int toColumn = 0;
  bool heavy = false;
};

enum class SheetLineStyle { body, heading, title };

struct SheetLine {
  std::vector<SheetCell> cells;
  std::vector<SheetRule> rulesAbove;
  SheetLineStyle style = SheetLineStyle::body;
};

// A vertical rule through the middle of character column `column`, from the top of line
// `fromLine` to the bottom of line `toLine - 1`.
struct SheetColumnRule {
  int column = 0;
  int fromLine = 0;
  int toLine = 0;
};

struct Sheet {
  int columns = 0;  // the widest line's character count
  std::vector<SheetLine> lines;
  std::vector<SheetColumnRule> columnRules;
};

// Builds a sheet line by line.
class SheetWriter {
 public:
  explicit SheetWriter(int columns) { sheet_.columns = columns; }
  // Starts a new line; later calls write on it.
  SheetWriter& Line(SheetLineStyle style = SheetLineStyle::body);
  SheetWriter& Put(int column, std::string text);
  // Right-aligned so that the text ends just before column `end`.
  SheetWriter& PutRight(int end, const std::string& text);
  SheetWriter& PutCentred(const std::string& text);
  SheetWriter& PutSymbol(int column, SheetSymbol symbol);
  SheetWriter& RuleAbove(int fromColumn, int toColumn, bool heavy = false);
  // The index the next Line() will have.
  int NextLine() const { return static_cast<int>(sheet_.lines.size()); }
  void ColumnRule(int column, int fromLine, int toLine);
  Sheet Take() { return std::move(sheet_); }

 private:
  Sheet sheet_;
};

// The sheet as UTF-8 text lines, the symbols included.
std::string SheetText(const Sheet& sheet);

}  // namespace nocturna
