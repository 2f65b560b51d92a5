#include "ui/sights/sight_form_texts.h"

namespace nocturna {
using namespace sight_columns;

const std::array<const char*, kSightColumnCount>& SightColumnCaptions() {
  static const std::array<const char*, kSightColumnCount> captions = {
      "Time", "Body", "Limb", "Hs", "IC", "Eye", "Temp", "Pressure", "Dip", "Ha", "R", "SD",
      "PA", "Ho", "Hc", "Zn", "Intercept", "Note"};
  return captions;
}

std::string EphemerisNote(const EphemerisChoice& choice, const char* switchHint) {
  if (choice.kind == EphemerisKind::precise) return "Reduced with the precise ephemeris.";
  return std::string("Reduced with the standard ephemeris, good to about a mile; for the precise "
                     "one (a tenth of a minute) use ") +
         switchHint + ".";
}

}  // namespace nocturna
