#include "platform/rtf_reader.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "foundations/windows1252.h"

namespace nocturna {
namespace {

// Groups nested deeper than this share the state of the deepest kept one: real
// documents nest a handful of levels, and the cap keeps memory bounded on hostile input.
constexpr std::size_t kMaxKeptDepth = 512;
// Numeric parameters are clamped to this magnitude while they are read, so that
// any run of digits is harmless.
constexpr long long kParameterLimit = 1'000'000'000;
// Indents and spacing are clamped to 22 inches.
constexpr int kMaxTwips = 31680;
constexpr int kDefaultHalfPoints = 24;
constexpr int kMinHalfPoints = 2;
constexpr int kMaxHalfPoints = 288;
constexpr int kMaxUnicodeSkip = 16;
constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kLineSeparator = 0x2028;

bool Showable(char32_t c) {
  if (c == U'\t' || c == kLineSeparator) return true;
  if (c < 0x20 || (c >= 0x7F && c < 0xA0)) return false;
  if (c >= 0xD800 && c < 0xE000) return false;
  return c <= 0x10FFFF;
}

bool IsLetter(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }

int HexValue(unsigned char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool LooksLikeRtf(std::string_view bytes) {
  const std::size_t start = bytes.find_first_not_of(" \t\r\n");
  return start != std::string_view::npos && bytes.substr(start, 5) == "{\\rtf";
}

// Destinations whose content is not part of the visible text.
bool IsSkippedDestination(std::string_view word) {
  static constexpr std::array<std::string_view, 40> kSkipped = {
      "fonttbl",   "stylesheet", "info",       "pict",     "object",     "objdata",  "shppict",
      "nonshppict", "shp",       "shpinst",    "header",   "headerl",    "headerr",  "headerf",
      "footer",    "footerl",    "footerr",    "footerf",  "footnote",   "annotation", "atnid",
      "atnauthor", "fldinst",    "listtable",  "listoverridetable", "revtbl", "rsidtbl",
      "generator", "xmlnstbl",   "themedata",  "colorschememapping", "datastore", "latentstyles",
      "pgdsctbl",  "filetbl",    "template",   "userprops", "docvar",    "bkmkstart", "bkmkend"};
  return std::find(kSkipped.begin(), kSkipped.end(), word) != kSkipped.end();
}

bool IsUnderlineOn(std::string_view word) {
  return word.starts_with("ul") && word != "ulnone" && word != "ulc";
}

enum class Destination { Text, Skip, ColorTable };

struct GroupState {
  RtfCharFormat chars;
  RtfParagraphFormat paragraph;
  Destination destination = Destination::Text;
  int unicodeSkip = 1;
};

struct ControlWord {
  std::string_view name;
  bool hasParameter = false;
  int parameter = 0;
};

class Reader {
 public:
  Reader(std::string_view bytes, RtfSink& sink) : in_(bytes), sink_(sink) { stack_.emplace_back(); }

  void ReadDocument() {
    while (pos_ < in_.size()) {
      const unsigned char c = static_cast<unsigned char>(in_[pos_++]);
      switch (c) {
        case '{': OpenGroup(); break;
        case '}': CloseGroup(); break;
        case '\\': ControlSequence(); break;
        case '\r':
        case '\n': break;
        default:
          groupFresh_ = false;
          Character(c);
          break;
      }
    }
    Finish();
  }

  void ReadPlainText() {
    while (pos_ < in_.size()) {
      const unsigned char c = static_cast<unsigned char>(in_[pos_++]);
      if (c == '\r' || c == '\n') {
        if (c == '\r' && pos_ < in_.size() && in_[pos_] == '\n') ++pos_;
        Paragraph();
      } else {
        Put(Windows1252ToUnicode(c));
      }
    }
    Finish();
  }

 private:
  GroupState& State() { return stack_.back(); }

  void OpenGroup() {
    pendingSkip_ = 0;
    groupFresh_ = true;
    if (stack_.size() < kMaxKeptDepth) {
      stack_.push_back(stack_.back());
    } else {
      ++excessDepth_;
    }
  }

  void CloseGroup() {
    pendingSkip_ = 0;
    groupFresh_ = false;
    if (excessDepth_ > 0) {
      --excessDepth_;
    } else if (stack_.size() > 1) {
      stack_.pop_back();
    }
    // A stray closing brace at the outermost level is ignored: reading goes on.
  }

  // One byte of ordinary text (or a literal escaped with a backslash).
  void Character(unsigned char c) {
    if (pendingSkip_ > 0) {
      --pendingSkip_;
      return;
    }
    if (State().destination == Destination::ColorTable && c == ';') {
      EndColorEntry();
      return;
    }
    Put(Windows1252ToUnicode(c));
  }

  void ControlSequence() {
    if (pos_ >= in_.size()) return;  // a lone backslash at the very end
    const unsigned char c = static_cast<unsigned char>(in_[pos_]);
    if (IsLetter(c)) {
      ControlWordSequence();
      return;
    }
    ++pos_;
    const bool fresh = groupFresh_;
    groupFresh_ = false;
    switch (c) {
      case '\'': HexCharacter(); return;
      case '\\':
      case '{':
      case '}': Character(c); return;
      case '*':
        // Only an ignorable mark that opens a group hides the group.
        if (fresh) {
          State().destination = Destination::Skip;
          groupFresh_ = true;  // the destination word itself may follow
        }
        return;
      default: break;
    }
    if (pendingSkip_ > 0) {
      --pendingSkip_;
      return;
    }
    switch (c) {
      case '~': Put(0x00A0); break;  // non-breaking space
      case '_': Put(0x2011); break;  // non-breaking hyphen
      case '\t': Put(U'\t'); break;
      case '\r':
      case '\n': Paragraph(); break;
      default: break;  // optional hyphen, index marks and unknown symbols show nothing
    }
  }

  void HexCharacter() {
    int value = 0;
    int digits = 0;
    while (digits < 2 && pos_ < in_.size()) {
      const int h = HexValue(static_cast<unsigned char>(in_[pos_]));
      if (h < 0) break;
      value = value * 16 + h;
      ++digits;
      ++pos_;
    }
    if (digits == 0) return;
    if (pendingSkip_ > 0) {
      --pendingSkip_;
      return;
    }
    Put(Windows1252ToUnicode(static_cast<unsigned char>(value)));
  }

  ControlWord ReadControlWord() {
    ControlWord word;
    const std::size_t start = pos_;
    while (pos_ < in_.size() && IsLetter(static_cast<unsigned char>(in_[pos_]))) ++pos_;
    word.name = in_.substr(start, pos_ - start);
    bool negative = false;
    if (pos_ + 1 < in_.size() && in_[pos_] == '-' && IsDigit(static_cast<unsigned char>(in_[pos_ + 1]))) {
      negative = true;
      ++pos_;
    }
    long long value = 0;
    while (pos_ < in_.size() && IsDigit(static_cast<unsigned char>(in_[pos_]))) {
      word.hasParameter = true;
      value = std::min(value * 10 + (in_[pos_] - '0'), kParameterLimit);
      ++pos_;
    }
    word.parameter = static_cast<int>(negative ? -value : value);
    if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;  // the delimiting blank belongs to the word
    return word;
  }

  void ControlWordSequence() {
    const ControlWord word = ReadControlWord();
    const bool fresh = groupFresh_;
    groupFresh_ = false;
    if (word.name == "bin") {
      // Binary data: its bytes are skipped whatever they hold.
      const std::size_t length = word.parameter > 0 ? static_cast<std::size_t>(word.parameter) : 0;
      pos_ += std::min(length, in_.size() - pos_);
      if (pendingSkip_ > 0) --pendingSkip_;
      return;
    }
    if (pendingSkip_ > 0) {
      --pendingSkip_;
      return;
    }
    if (fresh && IsSkippedDestination(word.name)) {
      State().destination = Destination::Skip;
      return;
    }
    if (fresh && word.name == "colortbl") {
      State().destination = Destination::ColorTable;
      colorPart_ = {};
      colorPartSeen_ = false;
      return;
    }
    switch (State().destination) {
      case Destination::Skip: return;
      case Destination::ColorTable: ColorTableWord(word); return;
      case Destination::Text: TextWord(word); return;
    }
  }

  void ColorTableWord(const ControlWord& word) {
    const auto component = static_cast<std::uint8_t>(std::clamp(word.parameter, 0, 255));
    if (word.name == "red") {
      colorPart_.red = component;
    } else if (word.name == "green") {
      colorPart_.green = component;
    } else if (word.name == "blue") {
      colorPart_.blue = component;
    } else {
      return;
    }
    colorPartSeen_ = true;
  }

  void EndColorEntry() {
    colors_.push_back(colorPartSeen_ ? std::optional<RtfColor>(colorPart_) : std::nullopt);
    colorPart_ = {};
    colorPartSeen_ = false;
  }

  static int Twips(const ControlWord& word) { return std::clamp(word.parameter, -kMaxTwips, kMaxTwips); }
  static bool Switch(const ControlWord& word) { return !word.hasParameter || word.parameter != 0; }

  void TextWord(const ControlWord& word) {
    const std::string_view w = word.name;
    RtfCharFormat& chars = State().chars;
    RtfParagraphFormat& paragraph = State().paragraph;
    if (w == "par" || w == "sect" || w == "page" || w == "row") {
      Paragraph();
    } else if (w == "line") {
      Put(kLineSeparator);
    } else if (w == "tab" || w == "cell") {
      Put(U'\t');
    } else if (w == "u") {
      if (word.hasParameter) Unicode(word.parameter);
    } else if (w == "uc") {
      State().unicodeSkip = std::clamp(word.parameter, 0, kMaxUnicodeSkip);
    } else if (w == "plain") {
      chars = RtfCharFormat{};
    } else if (w == "pard") {
      paragraph = RtfParagraphFormat{};
    } else if (w == "b") {
      chars.bold = Switch(word);
    } else if (w == "i") {
      chars.italic = Switch(word);
    } else if (w == "ulnone") {
      chars.underline = false;
    } else if (IsUnderlineOn(w)) {
      chars.underline = Switch(word);
    } else if (w == "fs") {
      chars.halfPoints = word.parameter > 0 ? std::clamp(word.parameter, kMinHalfPoints, kMaxHalfPoints)
                                            : kDefaultHalfPoints;
    } else if (w == "cf") {
      const bool known = word.parameter >= 0 && static_cast<std::size_t>(word.parameter) < colors_.size() &&
                         colors_[static_cast<std::size_t>(word.parameter)].has_value();
      chars.hasColor = known;
      chars.color = known ? *colors_[static_cast<std::size_t>(word.parameter)] : RtfColor{};
    } else if (w == "ql") {
      paragraph.alignment = RtfAlignment::Left;
    } else if (w == "qc") {
      paragraph.alignment = RtfAlignment::Center;
    } else if (w == "qr") {
      paragraph.alignment = RtfAlignment::Right;
    } else if (w == "qj") {
      paragraph.alignment = RtfAlignment::Justify;
    } else if (w == "li") {
      paragraph.leftIndent = Twips(word);
    } else if (w == "ri") {
      paragraph.rightIndent = Twips(word);
    } else if (w == "fi") {
      paragraph.firstLineIndent = Twips(word);
    } else if (w == "sb") {
      paragraph.spaceBefore = Twips(word);
    } else if (w == "sa") {
      paragraph.spaceAfter = Twips(word);
    } else {
      SpecialCharacter(w);
    }
  }

  void SpecialCharacter(std::string_view w) {
    static constexpr std::array<std::pair<std::string_view, char32_t>, 10> kSpecial = {{
        {"emdash", 0x2014},
        {"endash", 0x2013},
        {"bullet", 0x2022},
        {"lquote", 0x2018},
        {"rquote", 0x2019},
        {"ldblquote", 0x201C},
        {"rdblquote", 0x201D},
        {"emspace", 0x2003},
        {"enspace", 0x2002},
        {"qmspace", 0x2005},
    }};
    for (const auto& [name, c] : kSpecial) {
      if (w == name) {
        Put(c);
        return;
      }
    }
    // Every other word (fonts, tab stops, page layout, ...) changes nothing shown here.
  }

  // \uN: N is a signed 16-bit code unit; a pair of them may form one character.
  void Unicode(int parameter) {
    const int unit = parameter < 0 ? parameter + 65536 : parameter;
    if (unit < 0 || unit > 0xFFFF) {
      Put(kReplacement);
    } else if (unit >= 0xD800 && unit < 0xDC00) {
      if (highSurrogate_ != 0) {
        highSurrogate_ = 0;
        Put(kReplacement);
      }
      highSurrogate_ = static_cast<char32_t>(unit);
    } else if (unit >= 0xDC00 && unit < 0xE000) {
      if (highSurrogate_ != 0) {
        const char32_t c = 0x10000 + ((highSurrogate_ - 0xD800) << 10) + (static_cast<char32_t>(unit) - 0xDC00);
        highSurrogate_ = 0;
        Put(c);
      } else {
        Put(kReplacement);
      }
    } else {
      Put(static_cast<char32_t>(unit));
    }
    pendingSkip_ = State().unicodeSkip;
  }

  void Put(char32_t c) {
    if (State().destination != Destination::Text) return;
    if (highSurrogate_ != 0) {  // a high surrogate that no low one followed
      highSurrogate_ = 0;
      AppendShown(kReplacement);
    }
    AppendShown(c);
  }

  void AppendShown(char32_t c) {
    if (!Showable(c)) return;
    if (!run_.empty() && !(runFormat_ == State().chars)) FlushRun();
    runFormat_ = State().chars;
    AppendUtf8(run_, c);
    lastParagraph_ = State().paragraph;
  }

  void FlushRun() {
    if (run_.empty()) return;
    sink_.Text(run_, runFormat_);
    run_.clear();
  }

  void Paragraph() {
    if (State().destination != Destination::Text) return;
    FlushRun();
    sink_.EndParagraph(State().paragraph);
    lastParagraph_ = State().paragraph;
  }

  void Finish() {
    FlushRun();
    sink_.Finish(lastParagraph_);
  }

  std::string_view in_;
  RtfSink& sink_;
  std::size_t pos_ = 0;
  std::vector<GroupState> stack_;
  std::size_t excessDepth_ = 0;
  bool groupFresh_ = false;  // nothing but '{' (and perhaps \*) read in this group yet
  int pendingSkip_ = 0;      // fallback characters still to skip after \uN
  char32_t highSurrogate_ = 0;
  std::vector<std::optional<RtfColor>> colors_;
  RtfColor colorPart_;
  bool colorPartSeen_ = false;
  std::string run_;
  RtfCharFormat runFormat_;
  RtfParagraphFormat lastParagraph_;
};

}  // namespace

void ReadRtf(std::string_view bytes, RtfSink& sink) {
  Reader reader(bytes, sink);
  if (LooksLikeRtf(bytes)) {
    reader.ReadDocument();
  } else {
    reader.ReadPlainText();
  }
}

}  // namespace nocturna
