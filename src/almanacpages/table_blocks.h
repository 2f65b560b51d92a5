#pragma once
// Tables set side by side on a sheet: blocks of right-aligned columns under two heading lines,
// a thin rule every few rows, a vertical rule between the blocks.
#include <string>
#include <vector>

#include "almanacpages/page_sheet.h"
#include "almanacpages/printed_values.h"

namespace nocturna {

struct TextColumn {
  std::string heading;     // first heading line
  std::string subheading;  // second heading line
  int width = 0;           // characters; texts end at the column's right edge
};

struct TextBlock {
  std::string title;  // above the headings, over the block; may be empty
  int left = 0;       // first character column
  std::vector<TextColumn> columns;
  std::vector<std::vector<std::string>> rows;  // one text per column
};

// A block's width in characters: its columns, one space apart.
int BlockWidth(const TextBlock& block);

// Writes the blocks side by side from the sheet's next line: a title line, two heading lines,
// then the rows (a thin rule above every `group`-th row), with a vertical rule just left of
// every block but the first. Rows of a shorter block leave its lines blank.
void WriteBlocks(SheetWriter& sheet, int sheetColumns, const std::vector<TextBlock>& blocks, int group);

// "dd mm" (an altitude in whole minutes of arc) and "d mm.m" (an increment or an angle of up
// to 99 degrees, tenths of arc-minute), signed when negative.
std::string DegreesMinutes(long minutes);
std::string DegreesTenths(long tenths);
// "+12.3" / "-4.0": a correction with its sign, tenths of arc-minute.
std::string SignedTenths(long tenths);

}  // namespace nocturna
