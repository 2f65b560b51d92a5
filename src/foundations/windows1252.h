#pragma once
// Windows-1252, the code page of the program's texts, against Unicode: the one table the
// help reader, the command line and the windows all read. The five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) read as U+FFFD, the replacement character, so
// that a stray byte shows as one rather than vanishing or passing as a control character.
#include <string>
#include <string_view>

namespace nocturna {

// The character of one byte.
char32_t Windows1252ToUnicode(unsigned char byte);
// The byte of a character, or '?' for one the code page does not have (U+FFFD among them).
char Windows1252FromUnicode(char32_t character);
// A whole text in UTF-8 (the degree sign 0xB0 becomes "\xC2\xB0").
std::string Windows1252ToUtf8(std::string_view text);
// Appends one character (at most U+10FFFF) in UTF-8.
void AppendUtf8(std::string& out, char32_t character);

}  // namespace nocturna
