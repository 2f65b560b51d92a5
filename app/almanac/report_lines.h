#pragma once
// The label-and-value line shared by the text reports.
#include <string>
#include <string_view>

namespace nocturna {

// "label" padded to the value column, the value, a line break (Windows-1252 text).
std::string LabelLine(std::string_view label, std::string_view value);

}  // namespace nocturna
