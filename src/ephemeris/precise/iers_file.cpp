#include "ephemeris/precise/iers_file.h"

#include <erfa.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>
#include <vector>

namespace nocturna {
namespace {

constexpr double kLargestDut1 = 0.9;         // seconds: UTC is kept within it by leap seconds
constexpr double kLargestDailyChange = 0.01;  // seconds of UT1 - TAI a day: the day's length moves by ms
constexpr int kLastMjdOfTheNineteenHundreds = 51543;  // 1999 December 31

struct DayValue {
  int mjd;
  double dut1;  // UT1 - UTC, seconds
  int line;
};

std::string AtLine(int line, const std::string& reason) {
  return "line " + std::to_string(line) + ": " + reason;
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) text.remove_suffix(1);
  return text;
}

template <typename Number>
std::optional<Number> NumberIn(std::string_view text) {
  text = Trimmed(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  Number number{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if constexpr (std::is_floating_point_v<Number>) {
    if (!std::isfinite(number)) return std::nullopt;
  }
  return number;
}

// Columns first..last (1-based, inclusive) of a line, as far as the line reaches.
std::string_view Columns(std::string_view line, std::size_t first, std::size_t last) {
  if (line.size() < first) return {};
  return line.substr(first - 1, last - first + 1);
}

std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t at = 0;
  while ((at = line.find_first_not_of(" \t\r", at)) != std::string_view::npos) {
    const std::size_t end = std::min(line.find_first_of(" \t\r", at), line.size());
    fields.push_back(line.substr(at, end - at));
    at = end;
  }
  return fields;
}

// The reason a date and its MJD disagree, or are no date; empty when they agree.
std::string DateAgainstMjd(int year, std::optional<int> month, std::optional<int> day, int mjd) {
  double jd0 = 0, dateMjd = 0;
  if (!month || !day || eraCal2jd(year, *month, *day, &jd0, &dateMjd) != 0) return "not a calendar date";
  if (static_cast<int>(dateMjd) == mjd) return {};
  char text[96];
  std::snprintf(text, sizeof text, "the date %04d-%02d-%02d is MJD %d, not %d", year, *month, *day,
                static_cast<int>(dateMjd), mjd);
  return text;
}

// One finals row: its day's UT1 - UTC, or nothing when column 58 is blank (past the predictions).
std::string ReadFinalsRow(std::string_view row, int line, std::optional<DayValue>& value) {
  const auto fractionalMjd = NumberIn<double>(Columns(row, 8, 15));
  const auto yearOfCentury = NumberIn<int>(Columns(row, 1, 2));
  if (!fractionalMjd || !yearOfCentury || *fractionalMjd != std::floor(*fractionalMjd)) {
    return AtLine(line, "not a finals row (the date in columns 1-6, the MJD of 0h UTC in columns 8-15)");
  }
  const int mjd = static_cast<int>(*fractionalMjd);
  const int year = *yearOfCentury + (mjd <= kLastMjdOfTheNineteenHundreds ? 1900 : 2000);
  const std::string dateProblem =
      DateAgainstMjd(year, NumberIn<int>(Columns(row, 3, 4)), NumberIn<int>(Columns(row, 5, 6)), mjd);
  if (!dateProblem.empty()) return AtLine(line, dateProblem);
  const std::string_view flag = Columns(row, 58, 58);
  if (flag.empty() || flag == " ") return {};
  if (flag != "I" && flag != "P") {
    return AtLine(line, "column 58 holds '" + std::string(flag) + "', not the UT1-UTC flag I or P");
  }
  const auto dut1 = NumberIn<double>(Columns(row, 59, 68));
  if (!dut1) return AtLine(line, "UT1-UTC in columns 59-68 is not a number");
  value = DayValue{mjd, *dut1, line};
  return {};
}

std::string ReadFinals(const std::vector<std::string_view>& lines, std::vector<DayValue>& values) {
  int firstWithout = 0;  // the first row without UT1 - UTC: every later row must be without too
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const int line = static_cast<int>(i) + 1;
    if (Trimmed(lines[i]).empty()) continue;
    std::optional<DayValue> value;
    const std::string problem = ReadFinalsRow(lines[i], line, value);
    if (!problem.empty()) return problem;
    if (!value) {
      if (firstWithout == 0) firstWithout = line;
      continue;
    }
    if (firstWithout != 0) {
      return AtLine(line, "a UT1-UTC value after line " + std::to_string(firstWithout) + ", which has none");
    }
    values.push_back(*value);
  }
  return {};
}

enum class BulletinBlock { none, combined, predictions };

BulletinBlock HeadingOf(std::string_view line) {
  if (line.find("MJD") == std::string_view::npos) return BulletinBlock::none;
  if (line.find("UT1-UTC(sec)") != std::string_view::npos) return BulletinBlock::predictions;
  if (line.find("UT1-UTC") != std::string_view::npos && line.find("error") != std::string_view::npos) {
    return BulletinBlock::combined;
  }
  return BulletinBlock::none;
}

// A combined row "YY MM DD MJD x error y error UT1-UTC error" or a prediction row
// "YYYY MM DD MJD x y UT1-UTC".
std::string ReadBulletinRow(std::string_view row, BulletinBlock block, int line, DayValue& value) {
  const std::vector<std::string_view> fields = Fields(row);
  const bool combined = block == BulletinBlock::combined;
  const std::size_t count = combined ? 10 : 7;
  if (fields.size() != count) {
    return AtLine(line, std::string(combined ? "a combined value" : "a prediction") + " row has " +
                            std::to_string(count) + " numbers, this line " + std::to_string(fields.size()));
  }
  const auto year = NumberIn<int>(fields[0]);
  const auto mjd = NumberIn<int>(fields[3]);
  const auto dut1 = NumberIn<double>(fields[combined ? 8 : 6]);
  if (!year || !mjd || !dut1) return AtLine(line, "the date, the MJD or UT1-UTC is not a number");
  const int fullYear = combined ? *year + (*mjd <= kLastMjdOfTheNineteenHundreds ? 1900 : 2000) : *year;
  const std::string dateProblem = DateAgainstMjd(fullYear, NumberIn<int>(fields[1]), NumberIn<int>(fields[2]), *mjd);
  if (!dateProblem.empty()) return AtLine(line, dateProblem);
  value = DayValue{*mjd, *dut1, line};
  return {};
}

std::string ReadBulletin(const std::vector<std::string_view>& lines, std::vector<DayValue>& values) {
  BulletinBlock block = BulletinBlock::none;
  bool inRows = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string_view text = Trimmed(lines[i]);
    const bool row = !text.empty() && text.front() >= '0' && text.front() <= '9';
    if (!row) {
      if (inRows || block == BulletinBlock::none) block = HeadingOf(text);
      inRows = false;
      continue;
    }
    if (block == BulletinBlock::none) continue;
    inRows = true;
    DayValue value{};
    const std::string problem = ReadBulletinRow(text, block, static_cast<int>(i) + 1, value);
    if (!problem.empty()) return problem;
    // A prediction of a day the combined values already give is theirs to state.
    if (block == BulletinBlock::predictions && !values.empty() && value.mjd <= values.back().mjd) continue;
    values.push_back(value);
  }
  return {};
}

bool IsBulletin(const std::vector<std::string_view>& lines) {
  for (std::string_view line : lines) {
    if (HeadingOf(line) != BulletinBlock::none) return true;
  }
  return false;
}

// The days as a table, each checked against the day before.
IersFileParse Tabulated(const char* kind, const std::vector<DayValue>& values) {
  IersFileParse parse;
  if (values.empty()) {
    parse.error = "no day with a UT1-UTC value: not an IERS Bulletin A or finals file";
    return parse;
  }
  Dut1Table table{kind, values.front().mjd, {}};
  char text[128];
  for (const DayValue& value : values) {
    if (!(std::fabs(value.dut1) <= kLargestDut1)) {
      std::snprintf(text, sizeof text, "UT1-UTC %.7f s is beyond +-0.9 s", value.dut1);
      parse.error = AtLine(value.line, text);
      return parse;
    }
    if (value.mjd != table.LastMjd() + 1) {
      std::snprintf(text, sizeof text, "a gap in the dates: MJD %d follows MJD %d", value.mjd, table.LastMjd());
      parse.error = AtLine(value.line, text);
      return parse;
    }
    const std::optional<double> taiMinusUtc = TaiMinusUtcOn(value.mjd);
    if (!taiMinusUtc) {
      parse.error = AtLine(value.line, "a day before 1972, when UTC took its leap seconds");
      return parse;
    }
    const double ut1MinusTai = value.dut1 - *taiMinusUtc;
    if (!table.Empty() && std::fabs(ut1MinusTai - table.ut1MinusTai.back()) > kLargestDailyChange) {
      std::snprintf(text, sizeof text, "UT1-UTC moves by %.4f s from the day before, with no leap second between",
                    ut1MinusTai - table.ut1MinusTai.back());
      parse.error = AtLine(value.line, text);
      return parse;
    }
    table.ut1MinusTai.push_back(ut1MinusTai);
  }
  parse.table = std::move(table);
  return parse;
}

}  // namespace

IersFileParse ParseIersFile(std::string_view text) {
  const std::vector<std::string_view> lines = Lines(text);
  std::vector<DayValue> values;
  const bool bulletin = IsBulletin(lines);
  const std::string problem = bulletin ? ReadBulletin(lines, values) : ReadFinals(lines, values);
  if (!problem.empty()) return IersFileParse{{}, problem};
  return Tabulated(bulletin ? "Bulletin A" : "IERS finals", values);
}

}  // namespace nocturna
