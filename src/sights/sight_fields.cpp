#include "sights/sight_fields.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <initializer_list>

#include "foundations/calendar_text.h"
#include "foundations/printf_text.h"

namespace nocturna {
std::optional<double> ParseDegreesAndMinutes(std::string_view text, double lowest, double highest) {
  text = TrimBlanks(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  // The degrees end at a degree sign (UTF-8 C2 B0 or Windows-1252 B0) or a space.
  std::size_t degreesEnd = text.find("\xC2\xB0");
  std::size_t minutesStart = degreesEnd == std::string_view::npos ? 0 : degreesEnd + 2;
  if (degreesEnd == std::string_view::npos) {
    degreesEnd = text.find_first_of("\xB0 ");
    minutesStart = degreesEnd + 1;
  }
  double degrees = 0.0;
  if (degreesEnd == std::string_view::npos) {
    const auto decimal = ParseDecimal(text);
    if (!decimal || *decimal < 0.0) return std::nullopt;
    degrees = *decimal;
  } else {
    std::string_view minutesText = TrimBlanks(text.substr(minutesStart));
    if (!minutesText.empty() && minutesText.back() == '\'') minutesText.remove_suffix(1);
    const auto whole = ParseDecimal(text.substr(0, degreesEnd));
    const auto minutes = ParseDecimal(minutesText);
    if (!whole || !minutes || *whole < 0.0 || *whole != std::floor(*whole) || *minutes < 0.0 ||
        *minutes >= 60.0)
      return std::nullopt;
    degrees = *whole + *minutes / 60.0;
  }
  if (negative) degrees = -degrees;
  if (degrees < lowest || degrees > highest) return std::nullopt;
  return degrees;
}

std::optional<double> ParseSextantAltitude(std::string_view text) {
  return ParseDegreesAndMinutes(text, kLowestSextantAltitude, kHighestSextantAltitude);
}

std::optional<DateTime> ParseUtcMoment(std::string_view text) {
  const auto moment = ParseDateAndTime(TrimBlanks(text));
  if (!moment) return std::nullopt;
  const DateFields& d = moment->date;
  const TimeFields& t = moment->time;
  return EncodeDateTime(d.year, d.month, d.day, t.hour, t.minute, t.second);
}

namespace {

// The number before a unit word, and whether the text ended with that word.
bool TakeSuffix(std::string_view& text, std::string_view word) {
  text = TrimBlanks(text);
  if (text.size() < word.size()) return false;
  std::string_view tail = text.substr(text.size() - word.size());
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(tail[i])) != word[i]) return false;
  }
  text.remove_suffix(word.size());
  return true;
}

}  // namespace

std::optional<double> ParseIndexCorrection(std::string_view text) {
  double sign = 1.0;
  if (TakeSuffix(text, "off")) {
    sign = 1.0;
  } else if (TakeSuffix(text, "on")) {
    sign = -1.0;
  }
  const auto minutes = ParseDecimal(text);
  if (!minutes || std::abs(*minutes) > kLargestIndexCorrection) return std::nullopt;
  if (sign < 0.0 && *minutes < 0.0) return std::nullopt;  // "-1.5 on" says it twice
  return sign * *minutes;
}

std::optional<double> ParseHeightOfEye(std::string_view text, bool feetByDefault) {
  bool feet = feetByDefault;
  if (TakeSuffix(text, "ft")) {
    feet = true;
  } else if (TakeSuffix(text, "m")) {
    feet = false;
  }
  const auto height = ParseDecimal(text);
  if (!height) return std::nullopt;
  const double metres = feet ? *height * kMetresPerFoot : *height;
  if (metres < 0.0 || metres > kHighestEye) return std::nullopt;
  return metres;
}

namespace {

// A number with an optional unit among `units` (each with its conversion to the base unit,
// spelled in lower case, the first for a bare number), within low..high in the base unit.
struct UnitOfMeasure {
  std::string_view suffix;
  double (*toBase)(double);
};

std::optional<double> ParseWithUnit(std::string_view text, std::initializer_list<UnitOfMeasure> units,
                                    double low, double high) {
  const UnitOfMeasure* unit = units.begin();
  for (const UnitOfMeasure& u : units) {
    if (!u.suffix.empty() && TakeSuffix(text, u.suffix)) {
      unit = &u;
      break;
    }
  }
  text = TrimBlanks(text);
  if (!text.empty() && text.back() == '\xB0') text.remove_suffix(1);  // Windows-1252 degree sign
  if (text.size() >= 2 && text.substr(text.size() - 2) == "\xC2\xB0") text.remove_suffix(2);
  const auto number = ParseDecimal(text);
  if (!number) return std::nullopt;
  const double value = unit->toBase(*number);
  if (!(value >= low && value <= high)) return std::nullopt;
  return value;
}

double Same(double value) { return value; }
double FahrenheitToCelsius(double f) { return (f - 32.0) * 5.0 / 9.0; }
double InchesOfMercuryToHectopascals(double inches) { return inches * kHectopascalsPerInchOfMercury; }

}  // namespace

std::optional<double> ParseTemperature(std::string_view text) {
  return ParseWithUnit(text, {{"", Same}, {"c", Same}, {"f", FahrenheitToCelsius}},
                       kLowestTemperature, kHighestTemperature);
}

std::optional<double> ParsePressure(std::string_view text) {
  return ParseWithUnit(
      text, {{"", Same}, {"hpa", Same}, {"mb", Same}, {"inhg", InchesOfMercuryToHectopascals}},
      kLowestPressure, kHighestPressure);
}

std::optional<Limb> ParseLimb(std::string_view text) {
  text = TrimBlanks(text);
  if (text.empty()) return Limb::centre;
  if (text == "L" || text == "l") return Limb::lower;
  if (text == "U" || text == "u") return Limb::upper;
  return std::nullopt;
}

std::string FormatSextantAltitude(double degrees) {
  const double minutes = std::round(std::abs(degrees) * 6000.0) / 100.0;
  const int whole = static_cast<int>(minutes / 60.0);
  return PrintfText("%s%d %05.2f", degrees < 0.0 ? "-" : "", whole, minutes - 60.0 * whole);
}

std::string FormatUtcMoment(DateTime utc) {
  const DecodedDateTime d = DecodeDateTime(std::round(utc * 86400.0) / 86400.0);
  return PrintfText("%04d-%02d-%02d %02d:%02d:%02d", d.year, d.month, d.day, d.hour, d.minute,
                    d.second);
}

std::string FormatExactDecimal(double value) {
  char buffer[400];  // room for any double in fixed notation
  const auto [end, status] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  return status == std::errc() ? std::string(buffer, end) : std::string();
}

std::string EchoedText(std::string_view text) {
  std::string shown;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (i == kLongestEchoedText) return shown + "...";
    const unsigned char c = static_cast<unsigned char>(text[i]);
    shown += c < 0x20 || c == 0x7F ? PrintfText("\\x%02X", c) : std::string(1, text[i]);
  }
  return shown;
}

std::string FormatLimb(Limb limb) {
  switch (limb) {
    case Limb::lower: return "L";
    case Limb::upper: return "U";
    case Limb::centre: break;
  }
  return "";
}

}  // namespace nocturna
