#pragma once
// The rows of the table windows (the visible-bodies list and the almanac page) as texts, and
// their sorting by a clicked column.
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace nocturna {

inline constexpr int kTableColumnCount = 4;

// One body's line: the name, then three texts (Windows-1252), and where it sits in the catalog.
struct TableRow {
  int catalogIndex = 0;
  std::array<std::string, kTableColumnCount> cells;
};

// Case-insensitive ordinal comparison of two Windows-1252 texts: ASCII letters are folded to
// upper case, all other bytes compare by their unsigned value. Negative, zero or positive.
int CompareTextNoCase(std::string_view a, std::string_view b);

// Sorts the rows by the texts of `column` (0 = name; a column outside 0..3 sorts by name),
// in text order, not numeric order; rows with equal texts keep their order.
void SortTableRows(std::vector<TableRow>& rows, int column);

}  // namespace nocturna
