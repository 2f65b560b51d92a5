#pragma once
// The sight log as text: comma-separated values under a header line that names the columns.
//
//   utc,body,limb,hs,ic,eye,temp,pressure
//   2026-12-09 16:05:12,Sun,L,12 34.5,-1.2,3.0,10,1010
//
// Columns in any order; utc, body, hs, ic and eye are needed, the others may be left out or
// empty (see kSightLogColumnNames and sight_row.h for what each holds). A log with a kind
// column needs only utc, each row the cells its kind uses. A cell may be quoted
// ("..." with "" for a quote) to hold commas, quotes or line breaks. A UTF-8 byte order mark,
// blank lines and lines starting with '#' are skipped; a row with fewer fields than the header
// has columns reads the missing ones as empty. A row that does not read is kept with
// its cells as typed and a note that says why.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sights/sight_record.h"
#include "sights/sight_row.h"

namespace nocturna {

// Where and why a log's header cannot be read.
struct SightLogError {
  int line = 0;         // in the file, the first line being 1
  int sight = 0;        // kept 0: a row's fault is the row's note
  std::string column;   // the column's name, empty when the whole line is at fault
  std::string reason;
  // "line 1: ...".
  std::string Message() const;
};

struct SightLogParse {
  std::vector<SightRecord> sights;     // every row, in the log's order; line set
  SightLogSettings settings;           // from the rows that name them, the last one winning
  std::optional<SightLogError> error;  // the header cannot be read: no rows then
};

SightLogParse ParseSightLog(std::string_view text);

// "line 4 (sight 3), column hs: ..." for a row that does not read (its number in the log is
// `sightNumber`), or "sight 3, column hs: ..." for one typed rather than read.
std::string SightRowMessage(const SightRecord& sight, int sightNumber);

// The log in the same form: the header names the sight's own columns and every other column
// the log uses; each row is written as typed (a record with no typed cells from its values,
// exactly), the settings on every row that reads. Parsing it gives the same sights, notes and
// settings.
std::string FormatSightLog(const std::vector<SightRecord>& sights,
                           const SightLogSettings& settings = {});

}  // namespace nocturna
