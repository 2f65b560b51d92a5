#include "report_lines.h"

#include <algorithm>

namespace nocturna {

std::string LabelLine(std::string_view label, std::string_view value) {
  constexpr std::size_t kValueColumn = 12;
  std::string line(label);
  line.resize(std::max(kValueColumn, label.size() + 1), ' ');
  line += value;
  line += '\n';
  return line;
}

}  // namespace nocturna
