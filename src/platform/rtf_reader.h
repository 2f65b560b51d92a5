#pragma once
// A small, forgiving reader of Rich Text Format. It turns the bytes of a document
// into runs of uniformly formatted text and paragraph ends, handed to a sink; it
// knows nothing of any window toolkit. Whatever the bytes hold, it returns in time
// linear in their length and shows whatever text it can make out.
#include <cstdint>
#include <string_view>

namespace nocturna {

struct RtfColor {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  bool operator==(const RtfColor&) const = default;
};

struct RtfCharFormat {
  bool bold = false;
  bool italic = false;
  bool underline = false;
  int halfPoints = 24;    // font size in half points (\fs), 2..288; 24 is 12 points
  bool hasColor = false;  // false: the viewer's default text colour
  RtfColor color;
  bool operator==(const RtfCharFormat&) const = default;
};

enum class RtfAlignment { Left, Center, Right, Justify };

// Indents and spacing in twips (1/1440 inch); the first-line indent is relative to
// the left indent and may be negative.
struct RtfParagraphFormat {
  RtfAlignment alignment = RtfAlignment::Left;
  int leftIndent = 0;
  int rightIndent = 0;
  int firstLineIndent = 0;
  int spaceBefore = 0;
  int spaceAfter = 0;
  bool operator==(const RtfParagraphFormat&) const = default;
};

class RtfSink {
 public:
  virtual ~RtfSink() = default;
  // A run of characters in UTF-8 with one format. A tab is '\t'; a line break
  // inside a paragraph is U+2028. Never empty; never holds other control characters.
  virtual void Text(std::string_view utf8, const RtfCharFormat& format) = 0;
  // The paragraph being written ends here; `format` is its paragraph format.
  virtual void EndParagraph(const RtfParagraphFormat& format) = 0;
  // Called once, last: the format of the final paragraph, which no \par ended.
  virtual void Finish(const RtfParagraphFormat& format) = 0;
};

// Reads `bytes` as an RTF document (Windows-1252 for \'hh and raw bytes, its five
// undefined bytes as U+FFFD; \uN for Unicode) into `sink`. Bytes that do not begin with "{\rtf" are shown as plain
// Windows-1252 text, one paragraph per line. Font tables, pictures, objects,
// headers, footnotes and ignorable (\*) destinations are skipped.
void ReadRtf(std::string_view bytes, RtfSink& sink);

}  // namespace nocturna
