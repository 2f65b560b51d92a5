// Properties of the text forms over random values of their whole domains and the values
// next to every rounding boundary: degrees in range, minutes 00.0 to 59.9, the right letter.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "foundations/text_forms.h"
#include "property_random.h"

namespace nocturna {
namespace {

constexpr int kRandomValues = 4000;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int Number(const std::string& text, std::size_t at, std::size_t digits) {
  int value = 0;
  for (std::size_t i = at; i < at + digits; ++i) value = value * 10 + (text[i] - '0');
  return value;
}

// "D°MM.M'" + letters: degreeDigits digits, the degree sign, minutes 00.0..59.9, the quote,
// then one of `letters` (none when letters is empty). Returns the value it reads, unsigned.
bool ReadDegreeMinutes(const std::string& text, std::size_t degreeDigits, const std::string& letters,
                       double& magnitude) {
  const std::size_t size = degreeDigits + 6 + (letters.empty() ? 0 : 1);
  if (text.size() != size) return false;
  for (std::size_t i = 0; i < degreeDigits; ++i) {
    if (!IsDigit(text[i])) return false;
  }
  const std::size_t m = degreeDigits + 1;
  if (text[degreeDigits] != '\xB0' || !IsDigit(text[m]) || !IsDigit(text[m + 1]) ||
      text[m + 2] != '.' || !IsDigit(text[m + 3]) || text[m + 4] != '\'') {
    return false;
  }
  if (!letters.empty() && letters.find(text[m + 5]) == std::string::npos) return false;
  const int minutes = Number(text, m, 2);
  if (minutes > 59) return false;
  magnitude = Number(text, 0, degreeDigits) + (minutes + (text[m + 3] - '0') / 10.0) / 60.0;
  return true;
}

// The letter a signed value must carry.
char Letter(double value, char positive, char negative, char zero) {
  return value > 0 ? positive : value < 0 ? negative : zero;
}

struct SignedForm {
  const char* name;
  std::function<std::string(double)> format;
  double limit;  // the domain is [-limit, limit]
  std::size_t degreeDigits;
  char positive, negative, zero;
};

// Random values of the domain, then the values either side of each tenth-of-a-minute and
// whole-degree boundary near the ends and at zero.
std::vector<double> Values(double limit, std::uint64_t seed) {
  property::RandomPicker pick(seed);
  std::vector<double> values;
  for (int i = 0; i < kRandomValues; ++i) values.push_back(pick.Real(-limit, limit));
  const double edges[] = {0.0, -0.0, 59.95 / 60.0, 1.0 - 1e-9, 0.05 / 60.0, 0.0499999 / 60.0,
                          limit - 0.05 / 60.0, limit - 0.04 / 60.0, limit - 1e-12, limit,
                          29.0 + 59.95 / 60.0, 1e-300};
  for (const double edge : edges) {
    values.push_back(edge);
    values.push_back(-edge);
  }
  return values;
}

TEST(PropertyTextForms, SignedDegreeMinuteFormsAreWellFormedAndRoundTheValue) {
  const SignedForm forms[] = {
      {"FormatLatitude", FormatLatitude, 90.0, 2, 'N', 'S', 'Q'},
      {"FormatDeclination", FormatDeclination, 90.0, 2, 'N', 'S', 'Q'},
      {"FormatLongitude", FormatLongitude, 180.0, 3, 'W', 'E', 'G'},
  };
  for (const SignedForm& form : forms) {
    int failures = 0;
    for (const double value : Values(form.limit, property::kSeed + 2)) {
      const std::string text = form.format(value);
      double magnitude = 0;
      const std::string letter(1, Letter(value, form.positive, form.negative, form.zero));
      const bool ok = ReadDegreeMinutes(text, form.degreeDigits, letter, magnitude) &&
                      magnitude <= form.limit && std::fabs(magnitude - std::fabs(value)) <= 0.05 / 60.0 + 1e-9;
      EXPECT_TRUE(ok) << form.name << "(" << value << ") gave '" << text << "'";
      if (!ok && ++failures > 10) break;
    }
  }
}

TEST(PropertyTextForms, HourAnglesReadInsideTheCircle) {
  std::vector<double> values = Values(720.0, property::kSeed + 3);
  for (const double big : {1e6, 1e9, 1e15}) {
    values.push_back(big + 0.3);
    values.push_back(-big - 0.3);
  }
  int failures = 0;
  for (const double value : values) {
    const std::string text = FormatAngle360(value);
    double magnitude = 0;
    const bool wellFormed = ReadDegreeMinutes(text, 3, "", magnitude) && magnitude < 360.0;
    // Far out the double no longer holds a tenth of a minute; only the form is checked there.
    const double reduced = value - 360.0 * std::floor(value / 360.0);
    const double apart = std::fabs(magnitude - reduced);
    const bool ok = wellFormed && (std::fabs(value) > 1e5 || std::fmin(apart, 360.0 - apart) <= 0.05 / 60.0 + 1e-9);
    EXPECT_TRUE(ok) << "FormatAngle360(" << value << ") gave '" << text << "'";
    if (!ok && ++failures > 10) break;
  }
}

TEST(PropertyTextForms, AltitudesAndAzimuthsAreWellFormed) {
  int failures = 0;
  for (const double value : Values(90.0, property::kSeed + 4)) {
    const double azimuth = std::fabs(value) * 4.0;  // 0..360
    const struct {
      std::string text;
      std::size_t digits;
      double value;
    } cases[] = {{FormatAltAz(value, true, 2), 2, value}, {FormatAltAz(azimuth, true, 3), 3, azimuth}};
    for (const auto& c : cases) {
      const bool negative = !c.text.empty() && c.text[0] == '-';
      double magnitude = 0;
      const bool ok = ReadDegreeMinutes(c.text.substr(negative ? 1 : 0), c.digits, "", magnitude) &&
                      negative == (c.value < 0 && magnitude > 0) &&
                      std::fabs(magnitude - std::fabs(c.value)) <= 0.05 / 60.0 + 1e-9;
      EXPECT_TRUE(ok) << "FormatAltAz(" << c.value << ", true, " << c.digits << ") gave '" << c.text << "'";
      if (!ok && ++failures > 10) return;
    }
  }
}

TEST(PropertyTextForms, HoursMinutesOfADayAreFourDigits) {
  property::RandomPicker pick(property::kSeed + 5);
  std::vector<double> hours;
  for (int i = 0; i < kRandomValues; ++i) hours.push_back(pick.Real(0.0, 24.0));
  for (const double edge : {0.0, 1.0 / 120.0 - 1e-12, 1.0 / 120.0, 23.99, 23.9916, 23.9917, 24.0}) {
    hours.push_back(edge);
  }
  int failures = 0;
  for (const double value : hours) {
    const std::string text = FormatHoursMinutes(value);
    const bool digits = text.size() == 4 && IsDigit(text[0]) && IsDigit(text[1]) &&
                        IsDigit(text[2]) && IsDigit(text[3]);
    const int minutes = digits ? Number(text, 0, 2) * 60 + Number(text, 2, 2) : -1;
    const bool ok = digits && Number(text, 2, 2) <= 59 && std::fabs(minutes - value * 60.0) <= 0.5 + 1e-9;
    EXPECT_TRUE(ok) << "FormatHoursMinutes(" << value << ") gave '" << text << "'";
    if (!ok && ++failures > 10) break;
  }
}

}  // namespace
}  // namespace nocturna
