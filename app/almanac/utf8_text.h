#pragma once
// The core's texts are Windows-1252 bytes; the terminal wants UTF-8.
#include <string>
#include <string_view>

namespace nocturna {

// Every byte of a Windows-1252 text as its UTF-8 character (the degree sign 0xB0 becomes
// "\xC2\xB0"); the five bytes Windows-1252 leaves undefined become U+FFFD.
std::string Windows1252ToUtf8(std::string_view text);

}  // namespace nocturna
