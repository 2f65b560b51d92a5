#pragma once
// The label-and-value line and the table layout shared by the text reports.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "navigation/table_rows.h"

namespace nocturna {

// "label" padded to the value column, the value, a line break (Windows-1252 text).
std::string LabelLine(std::string_view label, std::string_view value);

// The headings, then each row's texts, a line each, laid out by rowFormat (one %s conversion
// per column).
std::string TableText(const char* rowFormat,
                      const std::array<const char*, kTableColumnCount>& headings,
                      const std::vector<TableRow>& rows);

}  // namespace nocturna
