#include "sights/sight_log_csv.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "foundations/number_text.h"
#include "foundations/printf_text.h"
#include "sights/sight_fields.h"

namespace nocturna {
namespace {

constexpr std::array<bool, kSightLogColumnCount> kColumnNeeded = {
    true, true, false, true, true, true, false, false,
    false, false, false, false, false, false, false, false,
    false, false, false, false, false, false, false, false, false, false};
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// One record of the file: its fields and the line it starts on.
struct CsvRow {
  int line = 0;
  std::vector<std::string> fields;
};

// Reads the next row from `at` (a quoted field may run over line ends); false at the end.
// Blank lines and comment lines are skipped; `line` counts the lines passed.
bool NextRow(std::string_view text, std::size_t& at, int& line, CsvRow& row) {
  while (at < text.size()) {
    const std::size_t end = std::min(text.find('\n', at), text.size());
    const std::string_view whole = TrimBlanks(text.substr(at, end - at));
    ++line;
    if (!whole.empty() && whole.front() != '#') break;
    at = end + 1;
  }
  if (at >= text.size()) return false;
  row.line = line;
  row.fields.assign(1, std::string());
  bool quoted = false, wasQuoted = false;
  for (; at < text.size(); ++at) {
    const char c = text[at];
    if (quoted) {
      if (c == '"' && at + 1 < text.size() && text[at + 1] == '"') {
        row.fields.back() += '"';
        ++at;
      } else if (c == '"') {
        quoted = false;
      } else {
        if (c == '\n') ++line;
        row.fields.back() += c;
      }
    } else if (c == '\n') {
      ++at;
      break;
    } else if (c == ',') {
      row.fields.emplace_back();
      wasQuoted = false;
    } else if (c == '"' && !wasQuoted && TrimBlanks(row.fields.back()).empty()) {
      row.fields.back().clear();
      quoted = wasQuoted = true;
    } else {
      row.fields.back() += c;
    }
  }
  for (std::string& field : row.fields) field = std::string(TrimBlanks(field));
  return true;
}

// The header's columns in order; the error names the first fault.
std::optional<SightLogError> ReadHeader(const CsvRow& header, std::vector<int>& columnOf) {
  std::array<bool, kSightLogColumnCount> seen{};
  for (const std::string& field : header.fields) {
    std::string name = field;
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const auto known = std::find(kSightLogColumnNames.begin(), kSightLogColumnNames.end(), name);
    const int column = static_cast<int>(known - kSightLogColumnNames.begin());
    if (known == kSightLogColumnNames.end() || seen[column]) {
      std::string all;
      for (std::string_view n : kSightLogColumnNames) all += (all.empty() ? "" : ", ") + std::string(n);
      return SightLogError{header.line, 0, "",
                           PrintfText("the header names \"%s\", which is %s", EchoedText(name).c_str(),
                                      known == kSightLogColumnNames.end()
                                          ? ("not a column (" + all + ")").c_str()
                                          : "named twice")};
    }
    seen[column] = true;
    columnOf.push_back(column);
  }
  // A log that names each row's kind needs only the time; each row then needs the cells of its kind.
  const bool kinds = seen[static_cast<int>(SightColumn::kind)];
  for (int c = 0; c < kSightLogColumnCount; ++c) {
    if (kColumnNeeded[c] && !seen[c] && (!kinds || c == static_cast<int>(SightColumn::utc)))
      return SightLogError{header.line, 0, "",
                           PrintfText("the header lacks the column %s", kSightLogColumnNames[c].data())};
  }
  return std::nullopt;
}

// A row of fields under the header into a record, read, with its note when it does not.
SightRecord RowRecord(const CsvRow& row, const std::vector<int>& columnOf,
                      SightLogSettings& settings) {
  SightRecord sight;
  sight.line = row.line;
  for (std::size_t i = 0; i < row.fields.size(); ++i) {
    // Fields past the header's last column stay with the last cell, so none is lost.
    const std::size_t column = static_cast<std::size_t>(columnOf[std::min(i, columnOf.size() - 1)]);
    if (i < columnOf.size()) {
      sight.cells[column] = row.fields[i];
    } else {
      sight.cells[column] += "," + row.fields[i];
    }
  }
  ReadSightCells(sight);
  if (sight.Reads()) sight.note = ReadSettingsCells(sight, settings);
  // Fewer fields read as empty cells (spreadsheets drop trailing empty ones); more are a fault.
  if (row.fields.size() > columnOf.size())
    sight.note = PrintfText("the row has %zu fields where the header names %zu", row.fields.size(),
                            columnOf.size());
  return sight;
}

// A cell as the file needs it: quoted when it holds what would otherwise end or change it.
std::string CsvField(const std::string& cell, bool first) {
  const bool plain = cell.find_first_of(",\"\r\n") == std::string::npos &&
                     TrimBlanks(cell).size() == cell.size() && !(first && !cell.empty() && cell[0] == '#');
  if (plain) return cell;
  std::string quoted = "\"";
  for (char c : cell) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

bool AllEmpty(const SightRecord& sight) {
  return std::all_of(sight.cells.begin(), sight.cells.end(),
                     [](const std::string& cell) { return cell.empty(); });
}

}  // namespace

std::string SightLogError::Message() const {
  if (column.empty()) return PrintfText("line %d: %s", line, reason.c_str());
  return PrintfText("line %d, column %s: %s", line, column.c_str(), reason.c_str());
}

std::string SightRowMessage(const SightRecord& sight, int sightNumber) {
  if (sight.line == 0) return PrintfText("sight %d, %s", sightNumber, sight.note.c_str());
  return PrintfText("line %d (sight %d), %s", sight.line, sightNumber, sight.note.c_str());
}

SightLogParse ParseSightLog(std::string_view text) {
  SightLogParse parse;
  if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) text.remove_prefix(kByteOrderMark.size());
  std::size_t at = 0;
  int line = 0;
  CsvRow row;
  if (!NextRow(text, at, line, row)) {
    parse.error = SightLogError{1, 0, "", "the log is empty: it needs a header line naming the columns"};
    return parse;
  }
  std::vector<int> columnOf;
  parse.error = ReadHeader(row, columnOf);
  if (parse.error) return parse;
  while (NextRow(text, at, line, row)) parse.sights.push_back(RowRecord(row, columnOf, parse.settings));
  return parse;
}

std::string FormatSightLog(const std::vector<SightRecord>& sights, const SightLogSettings& settings) {
  std::vector<SightRecord> rows = sights;
  for (SightRecord& row : rows) {
    if (AllEmpty(row)) WriteSightCells(row);
    if (row.Reads()) WriteSettingsCells(settings, row);
  }
  std::array<bool, kSightLogColumnCount> used{};
  for (int c = 0; c < kSightLogColumnCount; ++c) {
    used[c] = c < kSightOwnColumnCount ||
              std::any_of(rows.begin(), rows.end(), [c](const SightRecord& r) { return !r.cells[c].empty(); });
  }
  std::string text;
  for (int c = 0; c < kSightLogColumnCount; ++c) {
    if (used[c]) text += (text.empty() ? "" : ",") + std::string(kSightLogColumnNames[c]);
  }
  text += "\n";
  for (const SightRecord& row : rows) {
    bool first = true;
    for (int c = 0; c < kSightLogColumnCount; ++c) {
      if (!used[c]) continue;
      text += (first ? "" : ",") + CsvField(row.cells[c], first);
      first = false;
    }
    text += "\n";
  }
  return text;
}

}  // namespace nocturna
