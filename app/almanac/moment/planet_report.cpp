#include "moment/planet_report.h"

#include "foundations/printf_text.h"
#include "foundations/text_forms.h"

namespace nocturna {

std::string PlanetReport(const BodyCatalog& catalog) {
  static constexpr char kRowFormat[] = "%-16s %10s %10s %10s %5s\n";
  std::string text = PrintfText(kRowFormat, "Planets", "SHA", "GHA", "Dec", "Mag");
  for (int k = kVenusIndex; k <= kSaturnIndex; ++k) {
    const CelestialBody& planet = catalog.entries[k];
    text += PrintfText(kRowFormat, planet.name, FormatAngle360(planet.sha).c_str(),
                       FormatAngle360(catalog.gha[k]).c_str(),
                       FormatDeclination(planet.declination).c_str(),
                       PrintfText("%4.1f", planet.magnitude).c_str());
  }
  return text;
}

}  // namespace nocturna
