#pragma once
// printf-style formatting into a std::string of whatever length the text needs.
#include <string>

namespace nocturna {

// The bytes snprintf would write for format and the arguments, never truncated.
std::string PrintfText(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace nocturna
