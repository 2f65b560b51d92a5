#include "navigation/nmea_burst_reader.h"

#include <string_view>

namespace nocturna {
namespace {

bool EndsWithChecksum(std::string_view sentence) {
  return sentence.size() >= 4 && sentence[sentence.size() - 3] == '*';
}

}  // namespace

void NmeaBurstReader::Finish(RmcFields& fields) {
  const std::string_view sentence(sentence_.data(), length_);
  length_ = 0;
  if (!IsRmcSentence(sentence)) return;
  if (!NmeaChecksumOk(sentence)) {
    damaged_ = true;
    return;
  }
  if (ParseRmcSentence(sentence, scratch_)) {
    fields = scratch_;
    parsed_ = true;
  }
}

BurstRmc NmeaBurstReader::Scan(const char* bytes, std::size_t count, bool burstEnded, RmcFields& fields) {
  parsed_ = false;
  damaged_ = false;
  for (std::size_t i = 0; i < count; ++i) {
    const char c = bytes[i];
    if (c == '$') {
      sentence_[0] = c;
      length_ = 1;
    } else if (length_ == 0) {
      continue;
    } else if (c == '\r' || c == '\n') {
      Finish(fields);
    } else if (c < 0x20 || c > 0x7E || length_ == sentence_.size()) {
      length_ = 0;  // binary bytes or an overlong run: not a sentence
    } else {
      sentence_[length_++] = c;
      if (EndsWithChecksum(std::string_view(sentence_.data(), length_))) Finish(fields);
    }
  }
  if (length_ > 0 && burstEnded) Finish(fields);
  if (parsed_) return BurstRmc::Parsed;
  return damaged_ ? BurstRmc::Damaged : BurstRmc::None;
}

}  // namespace nocturna
