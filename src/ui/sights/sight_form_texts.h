#pragma once
// The Sights window's columns and the line that says which ephemeris reduced the sights, shared
// by the window, its print and the command line's PDF.
#include <array>
#include <string>
#include <vector>

#include "ephemeris/ephemeris_choice.h"
#include "sights/sight_record.h"

namespace nocturna {

// The form's columns: the typed ones (the sight's own and the cells of the other kinds), then
// the computed ones.
namespace sight_columns {
enum SightTableColumn {
  kTimeColumn, kKindColumn, kBodyColumn, kLimbColumn, kHsColumn, kIcColumn, kEyeColumn, kTempColumn,
  kPressureColumn, kBearingColumn, kHeadingColumn, kVariationColumn, kObserverColumn, kDistanceColumn,
  kBody2Column, kLimb2Column, kHs2Column, kWatchColumn,
  kDipColumn, kHaColumn, kRefractionColumn, kSdColumn, kParallaxColumn,
  kHoColumn, kHcColumn, kZnColumn, kInterceptColumn, kNoteColumn, kSightColumnCount
};
inline constexpr int kTypedColumnCount = kDipColumn;
}  // namespace sight_columns

// The log's column a typed column of the table holds.
SightColumn LogColumnOf(int typedColumn);

// The column captions, Windows-1252.
const std::array<const char*, sight_columns::kSightColumnCount>& SightColumnCaptions();

// Which ephemeris reduced the sights; for the standard one how much less exact it is and how
// to switch (switchHint: "View > Precise ephemeris, Ctrl+E" or "--precise").
std::string EphemerisNote(const EphemerisChoice& choice, const char* switchHint);

}  // namespace nocturna
