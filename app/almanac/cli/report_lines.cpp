#include "cli/report_lines.h"

#include <algorithm>

#include "foundations/printf_text.h"

namespace nocturna {

std::string LabelLine(std::string_view label, std::string_view value) {
  constexpr std::size_t kValueColumn = 12;
  std::string line(label);
  line.resize(std::max(kValueColumn, label.size() + 1), ' ');
  line += value;
  line += '\n';
  return line;
}

std::string TableText(const char* rowFormat,
                      const std::array<const char*, kTableColumnCount>& headings,
                      const std::vector<TableRow>& rows) {
  std::string text = PrintfText(rowFormat, headings[0], headings[1], headings[2], headings[3]);
  for (const TableRow& row : rows) {
    text += PrintfText(rowFormat, row.cells[0].c_str(), row.cells[1].c_str(), row.cells[2].c_str(),
                       row.cells[3].c_str());
  }
  return text;
}

}  // namespace nocturna
