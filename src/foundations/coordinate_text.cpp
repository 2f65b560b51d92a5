#include "foundations/coordinate_text.h"

#include <cctype>
#include <cstddef>

#include "foundations/number_text.h"

namespace nocturna {
namespace {

bool IsUnsignedDecimal(std::string_view text, std::size_t maxWholeDigits) {
  const std::size_t point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  if (whole.empty() || whole.size() > maxWholeDigits) return false;
  if (point != std::string_view::npos && point + 1 == text.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (i != point && !std::isdigit(static_cast<unsigned char>(text[i]))) return false;
  }
  return true;
}

// Degrees and minutes or decimal degrees around a hemisphere letter; positive for the first.
std::optional<double> ParseLettered(std::string_view text, std::size_t letterAt,
                                    char positiveLetter, double maxDegrees) {
  const std::string_view before = text.substr(0, letterAt);
  const std::string_view after = text.substr(letterAt + 1);
  constexpr std::size_t kMostDegreeDigits = 3;
  if (!IsUnsignedDecimal(before, kMostDegreeDigits)) return std::nullopt;
  double degrees = *ParseDecimal(before);
  if (!after.empty()) {
    if (before.find('.') != std::string_view::npos || !IsUnsignedDecimal(after, 2)) {
      return std::nullopt;
    }
    const double minutes = *ParseDecimal(after);
    if (minutes >= 60) return std::nullopt;
    degrees += minutes / 60;
  }
  if (degrees > maxDegrees) return std::nullopt;
  const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(text[letterAt])));
  return letter == positiveLetter ? degrees : -degrees;
}

// Any of the three forms; the sign of the result follows positiveLetter, and a bare signed
// number is positive toward signedPositiveLetter.
std::optional<double> ParseCoordinate(std::string_view text, char positiveLetter,
                                      char negativeLetter, char signedPositiveLetter,
                                      double maxDegrees) {
  const std::size_t letterAt = text.find_first_not_of("0123456789.");
  if (letterAt != std::string_view::npos && letterAt > 0) {
    const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(text[letterAt])));
    if (letter != positiveLetter && letter != negativeLetter) return std::nullopt;
    return ParseLettered(text, letterAt, positiveLetter, maxDegrees);
  }
  const bool negative = !text.empty() && text.front() == '-';
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
  if (!IsUnsignedDecimal(text, 3)) return std::nullopt;
  const double degrees = *ParseDecimal(text);
  if (degrees > maxDegrees) return std::nullopt;
  const bool towardSignedPositive = !negative;
  return towardSignedPositive == (signedPositiveLetter == positiveLetter) ? degrees : -degrees;
}

}  // namespace

std::optional<double> ParseLatitude(std::string_view text) {
  return ParseCoordinate(text, 'N', 'S', 'N', 90);
}

std::optional<double> ParseLongitude(std::string_view text) {
  return ParseCoordinate(text, 'W', 'E', 'E', 180);
}

}  // namespace nocturna
