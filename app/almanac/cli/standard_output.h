#pragma once
// The text pages on standard output, with a message when the output cannot take them.
#include <string>

namespace nocturna {

// Writes the Windows-1252 page as UTF-8 and flushes it. Returns 0, or 1 after telling on
// standard error that the output failed and why (a full disk, a closed pipe).
int WriteStandardOutput(const std::string& page);

}  // namespace nocturna
