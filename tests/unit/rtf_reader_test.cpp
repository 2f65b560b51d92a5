// The rich-text reader: what it shows of well-formed documents, and that malformed
// or hostile bytes end in readable output rather than a crash or a hang.
#include "platform/rtf_reader.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace nocturna {
namespace {

// Writes what the reader hands over as compact markup: a run in a format other than
// the default is wrapped in <tags>...</>, a paragraph end is '|'.
class MarkupSink : public RtfSink {
 public:
  void Text(std::string_view utf8, const RtfCharFormat& format) override {
    EXPECT_FALSE(utf8.empty());
    utf8Valid = utf8Valid && IsValidUtf8(utf8);
    const std::string tags = Tags(format);
    markup += tags.empty() ? std::string(utf8) : "<" + tags + ">" + std::string(utf8) + "</>";
  }
  void EndParagraph(const RtfParagraphFormat& format) override {
    markup += '|';
    paragraphs.push_back(format);
  }
  void Finish(const RtfParagraphFormat& format) override {
    ++finishCalls;
    paragraphs.push_back(format);
  }

  std::string markup;
  std::vector<RtfParagraphFormat> paragraphs;  // one per paragraph, the last from Finish
  int finishCalls = 0;
  bool utf8Valid = true;

 private:
  static std::string Tags(const RtfCharFormat& f) {
    std::string t;
    if (f.bold) t += "b";
    if (f.italic) t += "i";
    if (f.underline) t += "u";
    if (f.halfPoints != 24) t += "s" + std::to_string(f.halfPoints);
    if (f.hasColor) {
      t += "#" + std::to_string(f.color.red) + "." + std::to_string(f.color.green) + "." +
           std::to_string(f.color.blue);
    }
    return t;
  }

  static bool IsValidUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
      const auto c = static_cast<unsigned char>(s[i]);
      const int extra = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
      if (extra < 0 || i + extra >= s.size()) return false;
      for (int k = 1; k <= extra; ++k) {
        if ((static_cast<unsigned char>(s[i + k]) >> 6) != 2) return false;
      }
      i += extra + 1;
    }
    return true;
  }
};

MarkupSink Read(std::string_view bytes) {
  MarkupSink sink;
  ReadRtf(bytes, sink);
  EXPECT_EQ(sink.finishCalls, 1);
  return sink;
}

struct ShownCase {
  const char* what;
  std::string rtf;
  std::string shown;
};

TEST(RtfReader, ShowsTextWithItsFormatting) {
  const std::string colors = R"({\colortbl ;\red255\green0\blue0;\red0\green0\blue128;})";
  const std::vector<ShownCase> cases = {
      {"plain text", R"({\rtf1\ansi Hello, sky})", "Hello, sky"},
      {"bold group ends with its group", R"({\rtf1 a{\b b}c})", "a<b>b</>c"},
      {"switch off with parameter 0", R"({\rtf1 \b x\b0 y})", "<b>x</>y"},
      {"italic and underline", R"({\rtf1 {\i i}{\ul u}{\uldb d\ulnone n}})", "<i>i</><u>ud</>n"},
      {"plain resets the characters", R"({\rtf1 \b\i\fs40 x\plain y})", "<bis40>x</>y"},
      {"font size in half points", R"({\rtf1 {\fs32 big}{\fs16 small}})", "<s32>big</><s16>small</>"},
      {"colours from the table", "{\\rtf1" + colors + R"({\cf1 red}{\cf2 navy}{\cf0 auto}})",
       "<#255.0.0>red</><#0.0.128>navy</>auto"},
      {"colour index beyond the table", "{\\rtf1" + colors + R"({\cf7 x}})", "x"},
      {"paragraphs and line breaks", R"({\rtf1 one\par two\line three})", "one|two\u2028three"},
      {"tab", R"({\rtf1 a\tab b})", "a\tb"},
      {"line ends in the file are not text", "{\\rtf1 a\r\nb\nc}", "abc"},
      {"backslash before a line end is a paragraph", "{\\rtf1 a\\\nb}", "a|b"},
      {"escaped braces and backslash", R"({\rtf1 \{x\}\\})", "{x}\\"},
      {"Windows-1252 characters", R"({\rtf1 42\'b0 \'80\'e9\'9f})", "42\u00b0 \u20ac\u00e9\u0178"},
      {"bytes Windows-1252 leaves undefined", R"({\rtf1 a\'81b\'9d})", "a\ufffdb\ufffd"},
      {"unicode with one fallback", R"({\rtf1 \u8364?x})", "\u20acx"},
      {"unicode with two fallback characters", R"({\rtf1\uc2 \u8364\'80\'80x})", "\u20acx"},
      {"unicode with no fallback", R"({\rtf1\uc0 \u233 x})", "\u00e9x"},
      {"negative unicode", R"({\rtf1 \u-4064?})", "\uf020"},
      {"surrogate pair", R"({\rtf1 \u-10179?\u-8704?})", "\U0001F600"},
      {"special characters", R"({\rtf1 \emdash\endash\bullet\lquote\rquote\ldblquote\rdblquote})",
       "\u2014\u2013\u2022\u2018\u2019\u201c\u201d"},
      {"non-breaking space and hyphen, optional hyphen", R"({\rtf1 a\~b\_c\-d})", "a\u00a0b\u2011cd"},
      {"font table, style sheet and info skipped",
       R"({\rtf1{\fonttbl{\f0\fswiss Arial;}}{\stylesheet{\s0 Normal;}}{\info{\title T}}x})", "x"},
      {"ignorable destinations skipped", R"({\rtf1{\*\generator Writer;}{\*\unknownthing abc}x})", "x"},
      {"picture skipped with its data", R"({\rtf1 a{\pict\pngblip 89504e47{}0d0a}b})", "ab"},
      {"field shows its result", R"({\rtf1{\field{\*\fldinst HYPERLINK "x"}{\fldrslt Link}}})", "Link"},
      {"binary data skipped", "{\\rtf1 a{\\bin5 }{\\}}b}", "ab"},
      {"unknown words show nothing", R"({\rtf1\deff0\viewkind4\widowctrl x})", "x"},
      {"destination word not opening a group is ignored", R"({\rtf1 a\fonttbl b})", "ab"},
      {"plain text file", "first line\r\nsecond\nthird\rfourth", "first line|second|third|fourth"},
      {"plain text in Windows-1252", "45\xb0N", "45\u00b0N"},
  };
  for (const ShownCase& c : cases) {
    EXPECT_EQ(Read(c.rtf).markup, c.shown) << c.what << "\n  input: " << c.rtf;
  }
}

TEST(RtfReader, ParagraphFormatsBelongToTheirParagraphs) {
  const MarkupSink sink = Read(
      R"({\rtf1\pard\qc\sb240\sa120 Title\par\pard\li720\fi-360\ri100 Item\par\pard\qr Right\par\pard\qj Last})");
  ASSERT_EQ(sink.paragraphs.size(), 4u);
  EXPECT_EQ(sink.paragraphs[0], (RtfParagraphFormat{RtfAlignment::Center, 0, 0, 0, 240, 120}));
  EXPECT_EQ(sink.paragraphs[1], (RtfParagraphFormat{RtfAlignment::Left, 720, 100, -360, 0, 0}));
  EXPECT_EQ(sink.paragraphs[2].alignment, RtfAlignment::Right);
  // The final paragraph has no \par; it keeps its format although the group closed.
  EXPECT_EQ(sink.paragraphs[3].alignment, RtfAlignment::Justify);
}

TEST(RtfReader, MalformedInputShowsWhatCanBeRead) {
  const std::vector<ShownCase> cases = {
      {"unclosed groups", R"({\rtf1 abc{\b def)", "abc<b>def</>"},
      {"stray closing braces", R"({\rtf1 a}}}b)", "ab"},
      {"backslash at the end", "{\\rtf1 a\\", "a"},
      {"control word cut off", "{\\rtf1 a\\fs", "a"},
      {"hex character cut off", "{\\rtf1 a\\'4", "a"},
      {"hex character without digits", R"({\rtf1 a\'zz})", "azz"},
      {"huge parameter clamped", R"({\rtf1 \fs99999999999999999999999 x})", "<s288>x</>"},
      {"zero font size falls back", R"({\rtf1 \fs0 x})", "x"},
      {"negative colour index", "{\\rtf1{\\colortbl;\\red1\\green2\\blue3;}\\cf-1 x}", "x"},
      {"colour components clamped", "{\\rtf1{\\colortbl;\\red999\\green-5\\blue3;}\\cf1 x}", "<#255.0.3>x</>"},
      {"unicode out of range", R"({\rtf1 \u99999999999 x})", "\ufffd"},
      {"lone low surrogate", R"({\rtf1 \u-8704?a})", "\ufffda"},
      {"lone high surrogate", R"({\rtf1 \u-10179?a})", "\ufffda"},
      {"unicode control character dropped", R"({\rtf1 a\u7?b\u0 c})", "ab"},
      {"raw control bytes dropped", std::string("{\\rtf1 a") + '\x01' + '\0' + '\x7f' + "b}", "ab"},
      {"huge binary length", R"({\rtf1 a\bin999999999999 bcdef})", "a"},
      {"negative binary length", R"({\rtf1 a\bin-5 b})", "ab"},
      {"very long control word", "{\\rtf1 a\\" + std::string(100000, 'x') + " b}", "ab"},
      {"huge fallback count", R"({\rtf1\uc99999 \u233 abc{d}})", "\u00e9d"},
      {"ignorable mark not at a group start", R"({\rtf1 a\*b})", "ab"},
      {"only a header", "{\\rtf", ""},
      {"empty input", "", ""},
  };
  for (const ShownCase& c : cases) {
    const MarkupSink sink = Read(c.rtf);
    EXPECT_EQ(sink.markup, c.shown) << c.what;
    EXPECT_TRUE(sink.utf8Valid) << c.what;
  }
}

TEST(RtfReader, DeepNestingNeedsNoDeepStack) {
  const std::size_t depth = 200000;
  const std::string rtf = "{\\rtf1 " + std::string(depth, '{') + "\\b x" + std::string(depth, '}') + "y}";
  EXPECT_EQ(Read(rtf).markup, "<b>x</>y");
  // Formatting inside a moderately deep nest is still undone when the groups close.
  const std::string shallow = "{\\rtf1 " + std::string(300, '{') + "\\i x" + std::string(300, '}') + "y}";
  EXPECT_EQ(Read(shallow).markup, "<i>x</>y");
}

TEST(RtfReader, RandomBytesNeverBreakTheReader) {
  std::mt19937 random(20261208);
  const std::string alphabet = "{}\\'*;-0123456789abcdefuprlqcfsbinxtr \r\n\x80\xff";
  for (int round = 0; round < 300; ++round) {
    std::string rtf = "{\\rtf1 ";
    const int length = static_cast<int>(random() % 3000);
    for (int k = 0; k < length; ++k) {
      rtf += (round % 2 == 0) ? alphabet[random() % alphabet.size()] : static_cast<char>(random() % 256);
    }
    const MarkupSink sink = Read(rtf);
    ASSERT_TRUE(sink.utf8Valid) << "round " << round;
  }
}

}  // namespace
}  // namespace nocturna
