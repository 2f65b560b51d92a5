#pragma once
// The sight log as text: comma-separated values under a header line that names the columns.
//
//   utc,body,limb,hs,ic,eye,temp,pressure
//   2026-12-09 16:05:12,Sun,L,12 34.5,-1.2,3.0,10,1010
//
// Columns in any order; utc, body, hs, ic and eye are needed, limb, temp (degC, default 10)
// and pressure (hPa, default 1010) may be left out or empty. Blank lines and lines starting
// with '#' are skipped.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sights/sight_record.h"

namespace nocturna {

// Where and why a log cannot be read.
struct SightLogError {
  int line = 0;         // in the file, the header being line 1
  int sight = 0;        // the sight's number (1 for the first row under the header); 0: header
  std::string column;   // the column's name, empty when the whole line is at fault
  std::string reason;
  // "line 4 (sight 3), column hs: ..." or "line 1: ...".
  std::string Message() const;
};

struct SightLogParse {
  std::vector<SightRecord> sights;     // body names in the catalog's spelling
  std::optional<SightLogError> error;  // the first fault; sights then holds the rows before it
};

SightLogParse ParseSightLog(std::string_view text);

// The log in the same form, every column written; parsing it gives the same sights (Hs to
// 0.01', the index correction, height of eye and air to their written decimals).
std::string FormatSightLog(const std::vector<SightRecord>& sights);

}  // namespace nocturna
