#include "navigation/table_rows.h"

#include <algorithm>

namespace nocturna {
namespace {

unsigned char FoldCase(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 'a' && byte <= 'z' ? static_cast<unsigned char>(byte - 'a' + 'A') : byte;
}

}  // namespace

int CompareTextNoCase(std::string_view a, std::string_view b) {
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    const int difference = FoldCase(a[i]) - FoldCase(b[i]);
    if (difference != 0) return difference;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

void SortTableRows(std::vector<TableRow>& rows, int column) {
  if (column < 0 || column >= kTableColumnCount) column = 0;
  std::stable_sort(rows.begin(), rows.end(), [column](const TableRow& x, const TableRow& y) {
    return CompareTextNoCase(x.cells[column], y.cells[column]) < 0;
  });
}

}  // namespace nocturna
