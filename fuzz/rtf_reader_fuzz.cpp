// Any bytes as a help document: the reader hands over well-formed UTF-8 runs of showable
// characters with sane formats, and finishes exactly once.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_check.h"
#include "platform/rtf_reader.h"

namespace {

using namespace nocturna;

// The next code point of a strict (shortest-form) UTF-8 text, or -1 when the bytes are not.
long NextCodePoint(std::string_view text, std::size_t& at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned lead = byte(at);
  std::size_t extra = 0;
  long value = 0;
  long minimum = 0;
  if (lead < 0x80) {
    ++at;
    return lead;
  } else if ((lead & 0xE0) == 0xC0) {
    extra = 1, value = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2, value = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3, value = lead & 0x07, minimum = 0x10000;
  } else {
    return -1;
  }
  if (at + extra >= text.size()) return -1;
  for (std::size_t i = 1; i <= extra; ++i) {
    if ((byte(at + i) & 0xC0) != 0x80) return -1;
    value = (value << 6) | (byte(at + i) & 0x3F);
  }
  at += extra + 1;
  return value >= minimum ? value : -1;
}

bool Showable(long c) {
  if (c == '\t' || c == 0x2028) return true;
  if (c < 0x20 || (c >= 0x7F && c < 0xA0)) return false;
  if (c >= 0xD800 && c < 0xE000) return false;
  return c <= 0x10FFFF;
}

class CheckingSink : public RtfSink {
 public:
  void Text(std::string_view utf8, const RtfCharFormat& format) override {
    FUZZ_CHECK(!finished_);
    FUZZ_CHECK(!utf8.empty());
    for (std::size_t at = 0; at < utf8.size();) {
      const long c = NextCodePoint(utf8, at);
      FUZZ_CHECK(c >= 0);
      FUZZ_CHECK(Showable(c));
    }
    FUZZ_CHECK(format.halfPoints >= 2 && format.halfPoints <= 288);
  }
  void EndParagraph(const RtfParagraphFormat&) override { FUZZ_CHECK(!finished_); }
  void Finish(const RtfParagraphFormat&) override {
    FUZZ_CHECK(!finished_);
    finished_ = true;
  }
  bool finished() const { return finished_; }

 private:
  bool finished_ = false;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CheckingSink sink;
  ReadRtf(std::string_view(reinterpret_cast<const char*>(data), size), sink);
  FUZZ_CHECK(sink.finished());
  return 0;
}
