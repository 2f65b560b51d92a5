#include "sights/sight_log_csv.h"

#include <algorithm>
#include <array>

#include "foundations/printf_text.h"
#include "navigation/body_catalog.h"
#include "sights/sight_body.h"
#include "sights/sight_fields.h"

namespace nocturna {
namespace {

enum Column { kUtc, kBody, kLimb, kHs, kIc, kEye, kTemp, kPressure, kColumnCount };
constexpr std::array<const char*, kColumnCount> kColumnNames = {
    "utc", "body", "limb", "hs", "ic", "eye", "temp", "pressure"};
constexpr std::array<bool, kColumnCount> kColumnNeeded = {true, true, false, true,
                                                          true, true, false, false};

std::string_view Trim(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
    text.remove_suffix(1);
  return text;
}

std::vector<std::string_view> SplitFields(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  for (;;) {
    const std::size_t comma = line.find(',', start);
    fields.push_back(Trim(line.substr(start, comma - start)));
    if (comma == std::string_view::npos) return fields;
    start = comma + 1;
  }
}

// A number within [low, high], or the reason it is not one.
std::optional<double> Ranged(std::string_view text, double low, double high, const char* what,
                             std::string& reason) {
  const auto value = ParseDecimal(text);
  if (!value || *value < low || *value > high) {
    reason = PrintfText("\"%.*s\" is not %s from %g to %g", static_cast<int>(text.size()),
                        text.data(), what, low, high);
    return std::nullopt;
  }
  return value;
}

// One field into the record; false with the reason when it does not read.
bool ReadField(Column column, std::string_view text, SightRecord& sight, std::string& reason) {
  const auto quoted = [&](const char* expected) {
    reason = PrintfText("\"%.*s\" is not %s", static_cast<int>(text.size()), text.data(), expected);
    return false;
  };
  switch (column) {
    case kUtc: {
      const auto utc = ParseUtcMoment(text);
      if (!utc) return quoted("a UTC date and time (YYYY-MM-DD HH:MM:SS, 1901 to 2099)");
      sight.utc = *utc;
      return true;
    }
    case kBody: {
      const auto index = FindSightBody(text);
      if (!index) return quoted("a body of the catalog (a star's name, a planet, Sun or Moon)");
      static const BodyCatalog names = BuildCatalog();
      sight.body = names.entries[*index].name;
      return true;
    }
    case kLimb: {
      const auto limb = ParseLimb(text);
      if (!limb) return quoted("a limb (L, U or empty)");
      sight.limb = *limb;
      return true;
    }
    case kHs: {
      const auto hs = ParseSextantAltitude(text);
      if (!hs) return quoted("a sextant altitude (34\xB0" "12.3', 34 12.3 or 34.205, -5 to 90 degrees)");
      sight.hsDegrees = *hs;
      return true;
    }
    case kIc: {
      const auto ic = Ranged(text, -kLargestIndexCorrection, kLargestIndexCorrection,
                             "an index correction in minutes", reason);
      if (ic) sight.conditions.indexCorrectionMinutes = *ic;
      return ic.has_value();
    }
    case kEye: {
      const auto eye = Ranged(text, 0.0, kHighestEye, "a height of eye in metres", reason);
      if (eye) sight.conditions.heightOfEyeMetres = *eye;
      return eye.has_value();
    }
    case kTemp: {
      if (text.empty()) return true;
      const auto t = Ranged(text, kLowestTemperature, kHighestTemperature,
                            "a temperature in degrees Celsius", reason);
      if (t) sight.conditions.temperatureCelsius = *t;
      return t.has_value();
    }
    case kPressure: {
      if (text.empty()) return true;
      const auto p = Ranged(text, kLowestPressure, kHighestPressure, "a pressure in hectopascals", reason);
      if (p) sight.conditions.pressureHectopascals = *p;
      return p.has_value();
    }
    case kColumnCount: break;
  }
  return false;
}

}  // namespace

std::string SightLogError::Message() const {
  if (sight == 0) return PrintfText("line %d: %s", line, reason.c_str());
  if (column.empty()) return PrintfText("line %d (sight %d): %s", line, sight, reason.c_str());
  return PrintfText("line %d (sight %d), column %s: %s", line, sight, column.c_str(), reason.c_str());
}

SightLogParse ParseSightLog(std::string_view text) {
  SightLogParse parse;
  std::vector<int> columnOf;  // per field of a row: its Column, or -1 when unused
  int lineNumber = 0;
  bool haveHeader = false;
  std::size_t start = 0;
  while (start <= text.size() && !parse.error) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    const std::string_view line = Trim(text.substr(start, end - start));
    start = end + 1;
    ++lineNumber;
    if (line.empty() || line.front() == '#') continue;
    const std::vector<std::string_view> fields = SplitFields(line);
    if (!haveHeader) {
      haveHeader = true;
      std::array<bool, kColumnCount> seen{};
      for (std::string_view field : fields) {
        std::string name(field);
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        const auto known = std::find(kColumnNames.begin(), kColumnNames.end(), name);
        if (known == kColumnNames.end() || seen[known - kColumnNames.begin()]) {
          parse.error = SightLogError{lineNumber, 0, "",
                                      PrintfText("the header names \"%s\", which is %s", name.c_str(),
                                                 known == kColumnNames.end() ? "not a column (utc, body, limb, hs, ic, eye, temp, pressure)" : "named twice")};
          break;
        }
        seen[known - kColumnNames.begin()] = true;
        columnOf.push_back(static_cast<int>(known - kColumnNames.begin()));
      }
      for (int c = 0; c < kColumnCount && !parse.error; ++c) {
        if (kColumnNeeded[c] && !seen[c])
          parse.error = SightLogError{lineNumber, 0, "",
                                      PrintfText("the header lacks the column %s", kColumnNames[c])};
      }
      continue;
    }
    const int sightNumber = static_cast<int>(parse.sights.size()) + 1;
    if (fields.size() != columnOf.size()) {
      parse.error = SightLogError{
          lineNumber, sightNumber, "",
          PrintfText("%zu fields where the header names %zu", fields.size(), columnOf.size())};
      break;
    }
    SightRecord sight;
    for (std::size_t i = 0; i < fields.size() && !parse.error; ++i) {
      std::string reason;
      const Column column = static_cast<Column>(columnOf[i]);
      if (!ReadField(column, fields[i], sight, reason))
        parse.error = SightLogError{lineNumber, sightNumber, kColumnNames[column], reason};
    }
    if (!parse.error && sight.limb != Limb::centre && !BodyHasLimbs(*FindSightBody(sight.body)))
      parse.error = SightLogError{lineNumber, sightNumber, "limb",
                                  "only the Sun and the Moon are observed by a limb"};
    if (!parse.error) parse.sights.push_back(sight);
  }
  if (!parse.error && !haveHeader)
    parse.error = SightLogError{1, 0, "", "the log is empty: it needs a header line naming the columns"};
  return parse;
}

std::string FormatSightLog(const std::vector<SightRecord>& sights) {
  std::string text = "utc,body,limb,hs,ic,eye,temp,pressure\n";
  for (const SightRecord& s : sights) {
    text += PrintfText("%s,%s,%s,%s,%.2f,%.2f,%.1f,%.1f\n", FormatUtcMoment(s.utc).c_str(),
                       s.body.c_str(), FormatLimb(s.limb).c_str(),
                       FormatSextantAltitude(s.hsDegrees).c_str(),
                       s.conditions.indexCorrectionMinutes, s.conditions.heightOfEyeMetres,
                       s.conditions.temperatureCelsius, s.conditions.pressureHectopascals);
  }
  return text;
}

}  // namespace nocturna
