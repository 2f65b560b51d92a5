// The one Windows-1252 table: the code page's characters as Unicode's CP1252.TXT maps them,
// U+FFFD for its five undefined bytes, and the way back.
#include "foundations/windows1252.h"

#include <gtest/gtest.h>

namespace nocturna {
namespace {

TEST(Windows1252Test, BytesReadAsTheCodePageAndUndefinedOnesAsTheReplacementCharacter) {
  const struct {
    unsigned char byte;
    char32_t character;
  } cases[] = {{0x41, U'A'},      {0xB0, 0x00B0}, {0xFF, 0x00FF}, {0x80, 0x20AC}, {0x85, 0x2026},
               {0x8A, 0x0160},    {0x96, 0x2013}, {0x9F, 0x0178}, {0x81, 0xFFFD}, {0x8D, 0xFFFD},
               {0x8F, 0xFFFD},    {0x90, 0xFFFD}, {0x9D, 0xFFFD}};
  for (const auto& c : cases) {
    EXPECT_EQ(Windows1252ToUnicode(c.byte), c.character) << std::hex << int{c.byte};
  }
  EXPECT_EQ(Windows1252ToUtf8("42\xB0\x80\x81"), "42\xC2\xB0\xE2\x82\xAC\xEF\xBF\xBD");
}

TEST(Windows1252Test, EveryDefinedByteComesBackAndOtherCharactersBecomeAQuestionMark) {
  for (int byte = 0; byte < 256; ++byte) {
    const char32_t character = Windows1252ToUnicode(static_cast<unsigned char>(byte));
    if (character == 0xFFFD) continue;
    EXPECT_EQ(static_cast<unsigned char>(Windows1252FromUnicode(character)), byte) << byte;
  }
  for (const char32_t other : {char32_t{0x0081}, char32_t{0x0100}, char32_t{0x2028}, char32_t{0xFFFD},
                               char32_t{0x1F600}}) {
    EXPECT_EQ(Windows1252FromUnicode(other), '?') << std::hex << static_cast<unsigned>(other);
  }
}

}  // namespace
}  // namespace nocturna
