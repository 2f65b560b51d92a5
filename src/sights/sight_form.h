#pragma once
// The sight form as a table of texts (Windows-1252, degree sign 0xB0), built from a reduced
// log: one row per sight with every step from Hs to the intercept and a note, the lines of
// position with the rows they came from (and those left out, with why), and the fix. The
// window, its print and the command line's text all show this one form.
#include <string>
#include <vector>

#include "sights/sight_log_reduction.h"
#include "sights/sight_record.h"

namespace nocturna {

enum class SightFormColumn {
  row, kind, utc, body, hs, ic, dip, ha, refraction, semiDiameter, parallax, ho, hc, zn, intercept, note,
};
inline constexpr int kSightFormColumnCount = 16;

struct SightForm {
  std::vector<std::string> headings;           // "#", "Kind", "UTC", "Body", "Hs", ... "Note"
  std::vector<std::vector<std::string>> rows;  // per log row, kSightFormColumnCount texts
  std::vector<std::string> kinds;  // per row of another kind than altitude: its steps and result;
                                   // then each noon run, each run of shots judged, each
                                   // observer's bias and the deviation card
  std::vector<std::string> lines;  // per line of position: what it is, and whether in the fix
  std::vector<std::string> fix;    // the fix (or why there is none), ellipse, residuals by row
  std::vector<std::string> watch;  // the watch's error and rate, and its error at the fix time
  std::vector<std::string> clock;  // with a lunar: the fix with the clock unknown
};

// The form of the log as reduced. A row that does not read shows its cells as typed and its
// note; one left out of the fix shows why; one of another kind shows what it gives, or why
// it gives nothing.
SightForm SightFormOf(const std::vector<SightRecord>& log, const SightLogReduction& reduction);

// The fix's lines, then the watch's error and the fix with the clock unknown each under its
// heading after a blank line: what the report, the window and the printed form show below the
// lines of position.
std::vector<std::string> FixSectionLines(const SightForm& form);

// Everything below the table: the other kinds' rows under their heading, the lines of position
// under theirs (a line's reason for being left out on a line of its own), then the fix section,
// a blank line between them. The report and the printed form show these lines.
std::vector<std::string> SightFormFootLines(const SightForm& form);

// The table as text: each column as wide as its widest text, two spaces between, one line per
// row under the headings.
std::string SightFormTableText(const SightForm& form);

}  // namespace nocturna
