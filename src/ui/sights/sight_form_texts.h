#pragma once
// The sight form's texts beyond the typed cells, shared by the Sights window, its print and the
// command line's PDF: each row's computed cells and note, the lines of position (and the sights
// left out, with why), and which ephemeris reduced the sights.
#include <array>
#include <string>
#include <vector>

#include "ephemeris/ephemeris_choice.h"
#include "sights/sight_log_reduction.h"

namespace nocturna {

// The form's columns; the first eight are typed, the rest computed.
namespace sight_columns {
enum SightColumn {
  kTimeColumn, kBodyColumn, kLimbColumn, kHsColumn, kIcColumn, kEyeColumn, kTempColumn,
  kPressureColumn, kDipColumn, kHaColumn, kRefractionColumn, kSdColumn, kParallaxColumn,
  kHoColumn, kHcColumn, kZnColumn, kInterceptColumn, kNoteColumn, kSightColumnCount
};
inline constexpr int kTypedColumnCount = kDipColumn;
}  // namespace sight_columns

// The column captions, Windows-1252.
const std::array<const char*, sight_columns::kSightColumnCount>& SightColumnCaptions();

// A row's computed cells, Dip to Intercept, and its note.
using SightRowResult =
    std::array<std::string, sight_columns::kSightColumnCount - sight_columns::kDipColumn>;

// The results of rowProblems.size() rows: shot i of the reduction is row sightRows[i]; a row
// with a problem shows it as its note and nothing computed.
std::vector<SightRowResult> SightRowResults(const std::vector<std::string>& rowProblems,
                                            const std::vector<int>& sightRows,
                                            const SightLogReduction& reduction);

// One line per line of position with its rows, Ho, Hc, Zn and intercept, and one per row that
// reads but is left out of the fix, with why. Rows are numbered from 1.
std::vector<std::string> LinesOfPositionText(const SightLogReduction& reduction,
                                             const std::vector<int>& sightRows);

// Which ephemeris reduced the sights; for the standard one how much less exact it is and how
// to switch (switchHint: "View > Precise ephemeris, Ctrl+E" or "--precise").
std::string EphemerisNote(const EphemerisChoice& choice, const char* switchHint);

}  // namespace nocturna
