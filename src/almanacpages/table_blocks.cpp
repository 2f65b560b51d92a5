#include "almanacpages/table_blocks.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace nocturna {
namespace {

void WriteColumns(SheetWriter& sheet, const TextBlock& block, const std::vector<std::string>& texts) {
  int end = block.left;
  for (std::size_t c = 0; c < block.columns.size() && c < texts.size(); ++c) {
    end += block.columns[c].width;
    if (!texts[c].empty()) sheet.PutRight(end, texts[c]);
    ++end;
  }
}

std::vector<std::string> Headings(const TextBlock& block, bool sub) {
  std::vector<std::string> texts;
  for (const TextColumn& column : block.columns) texts.push_back(sub ? column.subheading : column.heading);
  return texts;
}

}  // namespace

int BlockWidth(const TextBlock& block) {
  int width = 0;
  for (const TextColumn& column : block.columns) width += column.width + 1;
  return std::max(0, width - 1);
}

void WriteBlocks(SheetWriter& sheet, int sheetColumns, const std::vector<TextBlock>& blocks, int group) {
  const int top = sheet.NextLine();
  sheet.Line(SheetLineStyle::heading).RuleAbove(0, sheetColumns, true);
  for (const TextBlock& block : blocks) {
    if (!block.title.empty()) sheet.Put(block.left, block.title);
  }
  for (const bool sub : {false, true}) {
    sheet.Line(SheetLineStyle::heading);
    for (const TextBlock& block : blocks) WriteColumns(sheet, block, Headings(block, sub));
  }
  std::size_t rows = 0;
  for (const TextBlock& block : blocks) rows = std::max(rows, block.rows.size());
  for (std::size_t r = 0; r < rows; ++r) {
    sheet.Line();
    if (group > 0 && r % group == 0) sheet.RuleAbove(0, sheetColumns, r == 0);
    for (const TextBlock& block : blocks) {
      if (r < block.rows.size()) WriteColumns(sheet, block, block.rows[r]);
    }
  }
  for (std::size_t b = 1; b < blocks.size(); ++b) {
    sheet.ColumnRule(blocks[b].left - 2, top, sheet.NextLine());
  }
  sheet.Line().RuleAbove(0, sheetColumns, true);
}

std::string DegreesMinutes(long minutes) {
  char text[64];
  const long size = std::labs(minutes);
  std::snprintf(text, sizeof text, "%s%ld %02ld", minutes < 0 ? "-" : "", size / 60, size % 60);
  return text;
}

std::string DegreesTenths(long tenths) {
  char text[64];
  const long size = std::labs(tenths);
  std::snprintf(text, sizeof text, "%s%ld %02ld.%ld", tenths < 0 ? "-" : "", size / 600, size % 600 / 10,
                size % 10);
  return text;
}

std::string SignedTenths(long tenths) {
  return (tenths < 0 ? "" : "+") + FormatTenths(static_cast<ArcTenths>(tenths));
}

}  // namespace nocturna
