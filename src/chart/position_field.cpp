#include "chart/position_field.h"

#include <cstddef>

namespace nocturna {

namespace {

// Where a field's parts sit (zero-based) and how it clamps.
struct FieldLayout {
  std::size_t degreesAt;
  std::size_t degreeDigits;
  double maximum;
  bool clampAtMaximum;  // true: the maximum itself is clamped (latitude), false: only above it
  char negativeLetter;
  char positiveLetter;
  bool keepNegativeLetterOnly;  // latitude: every letter but the negative one becomes positive
  const char* maximumDegreesText;
};

constexpr FieldLayout kLatitudeLayout{9, 2, 90.0, true, 'S', 'N', true, "90"};
constexpr FieldLayout kLongitudeLayout{10, 3, 180.0, false, 'E', 'W', false, "180"};

bool IsBlank(char c) { return c == '_' || c == ' '; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Digits only; the first position may stay blank. Sets ok to false on anything else.
double ReadDegrees(const std::string& part, bool& ok) {
  double value = 0.0;
  bool anyDigit = false;
  for (std::size_t i = 0; i < part.size(); ++i) {
    if (i == 0 && IsBlank(part[i])) continue;
    if (!IsDigit(part[i])) {
      ok = false;
      return 0.0;
    }
    value = value * 10.0 + (part[i] - '0');
    anyDigit = true;
  }
  ok = anyDigit;
  return value;
}

// "mm.m": two digits, the point, one digit.
double ReadMinutes(const std::string& part, bool& ok) {
  ok = part.size() == 4 && IsDigit(part[0]) && IsDigit(part[1]) && part[2] == '.' &&
       IsDigit(part[3]);
  if (!ok) return 0.0;
  return (part[0] - '0') * 10.0 + (part[1] - '0') + (part[3] - '0') / 10.0;
}

PositionFieldReading ReadField(const std::string& text, const FieldLayout& layout) {
  PositionFieldReading reading;
  reading.text = text;
  const std::size_t minutesAt = layout.degreesAt + layout.degreeDigits + 1;
  const std::size_t letterAt = minutesAt + 5;
  if (text.size() <= letterAt) {
    reading.badText = text;
    return reading;
  }
  bool ok = false;
  const std::string degreesPart = text.substr(layout.degreesAt, layout.degreeDigits);
  const double degrees = ReadDegrees(degreesPart, ok);
  if (!ok) {
    reading.badText = degreesPart;
    return reading;
  }
  const std::string minutesPart = text.substr(minutesAt, 4);
  double minutes = ReadMinutes(minutesPart, ok);
  if (!ok) {
    reading.badText = minutesPart;
    return reading;
  }
  reading.isNumber = true;
  if (minutes >= 60.0) {
    minutes = 59.9;
    reading.text.replace(minutesAt, 4, "59.9");
  }
  double value = degrees + minutes / 60.0;
  if (layout.clampAtMaximum ? value >= layout.maximum : value > layout.maximum) {
    value = layout.maximum;
    reading.text.replace(layout.degreesAt, layout.degreeDigits, layout.maximumDegreesText);
    reading.text.replace(minutesAt, 4, "00.0");
  }
  const char letter = text[letterAt];
  if (letter == layout.negativeLetter) {
    value = -value;
  } else if (layout.keepNegativeLetterOnly || letter != layout.positiveLetter) {
    reading.text[letterAt] = layout.positiveLetter;
  }
  reading.degrees = value;
  return reading;
}

}  // namespace

PositionFieldReading ReadLatitudeField(const std::string& text) {
  return ReadField(text, kLatitudeLayout);
}

PositionFieldReading ReadLongitudeField(const std::string& text) {
  return ReadField(text, kLongitudeLayout);
}

std::string NotANumberMessage(const std::string& badText) {
  return "'" + badText + "' is not a valid number.";
}

}  // namespace nocturna
