#include "ui/sights/sight_form_texts.h"

namespace nocturna {
using namespace sight_columns;

const std::array<const char*, kSightColumnCount>& SightColumnCaptions() {
  static const std::array<const char*, kSightColumnCount> captions = {
      "Time", "Kind", "Body", "Limb", "Hs", "IC", "Eye", "Temp", "Pressure", "Bearing", "Heading", "Var",
      "Observer", "Distance", "Body 2", "Limb 2", "Hs 2", "Watch", "Dip", "Ha", "R", "SD",
      "PA", "Ho", "Hc", "Zn", "Intercept", "Note"};
  return captions;
}

SightColumn LogColumnOf(int typedColumn) {
  static constexpr std::array<SightColumn, kTypedColumnCount> kLogColumns = {
      SightColumn::utc,      SightColumn::kind,    SightColumn::body,      SightColumn::limb,
      SightColumn::hs,       SightColumn::ic,      SightColumn::eye,       SightColumn::temp,
      SightColumn::pressure, SightColumn::bearing, SightColumn::heading,   SightColumn::variation,
      SightColumn::observer, SightColumn::distance, SightColumn::body2,    SightColumn::limb2,
      SightColumn::hs2,      SightColumn::watch};
  return kLogColumns[static_cast<std::size_t>(typedColumn)];
}

std::string EphemerisNote(const EphemerisChoice& choice, const char* switchHint) {
  if (choice.kind == EphemerisKind::precise) return "Reduced with the precise ephemeris.";
  return std::string("Reduced with the standard ephemeris, good to about a mile; for the precise "
                     "one (a tenth of a minute) use ") +
         switchHint + ".";
}

}  // namespace nocturna
