#include "navigation/nmea_sentence.h"

#include <array>
#include <charconv>
#include <cmath>

namespace nocturna {
namespace {

constexpr std::array<std::string_view, 6> kSatelliteTalkers = {"GP", "GN", "GL", "GA", "GB", "BD"};

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// The comma-separated field at index, or an empty view when the sentence has fewer fields.
std::string_view Field(std::string_view body, int index) {
  for (int i = 0; i < index; ++i) {
    const std::size_t comma = body.find(',');
    if (comma == std::string_view::npos) return {};
    body.remove_prefix(comma + 1);
  }
  return body.substr(0, body.find(','));
}

template <typename Number>
bool ReadNumber(std::string_view text, Number& value) {
  if (text.empty()) return false;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() && std::isfinite(value);
}

// ddmm.mmmm (or dddmm.mmmm): whole degrees up to maxDegrees, minutes below 60.
bool ReadAngleField(std::string_view text, double maxDegrees, double& value) {
  if (!ReadNumber(text, value) || value < 0.0) return false;
  const double degrees = std::trunc(value / 100.0);
  const double minutes = value - 100.0 * degrees;
  return minutes < 60.0 && degrees + minutes / 60.0 <= maxDegrees;
}

char SingleLetter(std::string_view text) { return text.size() == 1 ? text[0] : '\0'; }

}  // namespace

bool IsSatelliteTalker(std::string_view talker) {
  for (const std::string_view known : kSatelliteTalkers) {
    if (talker == known) return true;
  }
  return false;
}

bool ContainsSatelliteTalker(const char* bytes, std::size_t count) {
  for (std::size_t i = 0; i + 2 < count; ++i) {
    if (bytes[i] == '$' && IsSatelliteTalker(std::string_view(bytes + i + 1, 2))) return true;
  }
  return false;
}

bool NmeaChecksumOk(std::string_view sentence) {
  const std::size_t star = sentence.find('*');
  if (star == std::string_view::npos) return true;
  if (sentence.size() < star + 3) return false;
  const int high = HexDigit(sentence[star + 1]);
  const int low = HexDigit(sentence[star + 2]);
  if (high < 0 || low < 0) return false;
  unsigned sum = 0;
  for (std::size_t i = 1; i < star; ++i) sum ^= static_cast<unsigned char>(sentence[i]);
  return sum == static_cast<unsigned>(high * 16 + low);
}

bool IsRmcSentence(std::string_view sentence) {
  return sentence.size() >= 6 && sentence[0] == '$' && IsSatelliteTalker(sentence.substr(1, 2)) &&
         sentence.substr(3, 3) == "RMC" && (sentence.size() == 6 || sentence[6] == ',' || sentence[6] == '*');
}

bool ParseRmcSentence(std::string_view sentence, RmcFields& fields) {
  if (!IsRmcSentence(sentence)) return false;
  std::string_view body = sentence.substr(1, sentence.find('*') - 1);
  fields.sentenceId.assign(body.substr(0, 5));

  const bool timeRead =
      ReadNumber(Field(body, 1), fields.utcTime) && fields.utcTime >= 0.0 && fields.utcTime < 240000.0;
  if (!timeRead) fields.utcTime = 0.0;
  const char status = SingleLetter(Field(body, 2));
  fields.status = status != '\0' ? status : 'V';

  const bool latitudeRead = ReadAngleField(Field(body, 3), 90.0, fields.latitude);
  fields.latHemisphere = SingleLetter(Field(body, 4));
  const bool longitudeRead = ReadAngleField(Field(body, 5), 180.0, fields.longitude);
  fields.lonHemisphere = SingleLetter(Field(body, 6));
  if (!latitudeRead) fields.latitude = 0.0;
  if (!longitudeRead) fields.longitude = 0.0;

  const bool positionRead = latitudeRead && longitudeRead &&
                            (fields.latHemisphere == 'N' || fields.latHemisphere == 'S') &&
                            (fields.lonHemisphere == 'E' || fields.lonHemisphere == 'W');
  if (fields.status == 'A' && !(timeRead && positionRead)) fields.status = 'V';
  return true;
}

}  // namespace nocturna
