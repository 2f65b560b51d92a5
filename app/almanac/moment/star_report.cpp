#include "moment/star_report.h"

#include <string>

#include "foundations/printf_text.h"
#include "foundations/text_forms.h"

namespace nocturna {

std::string StarReport(const BodyCatalog& catalog) {
  static constexpr char kRowFormat[] = "%3s  %-16s %10s %10s %10s %10s %10s\n";
  std::string text = PrintfText(kRowFormat, "No", "Star", "SHA", "GHA", "Dec", "Hc", "Zn");
  for (int k = kFirstStarIndex; k < kFirstStarIndex + kStarCount; ++k) {
    const CelestialBody& star = catalog.entries[k];
    text += PrintfText(kRowFormat, std::to_string(k).c_str(), star.name,
                       FormatAngle360(star.sha).c_str(), FormatAngle360(catalog.gha[k]).c_str(),
                       FormatDeclination(star.declination).c_str(),
                       FormatAltAz(catalog.hc[k], true, 2).c_str(),
                       FormatAltAz(catalog.zn[k], true, 3).c_str());
  }
  return text;
}

}  // namespace nocturna
