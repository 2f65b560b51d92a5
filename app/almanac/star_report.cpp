#include "star_report.h"

#include <cstdio>
#include <string>

#include "foundations/text_forms.h"

namespace nocturna {

std::string StarReport(const BodyCatalog& catalog) {
  static constexpr char kRowFormat[] = "%3s  %-16s %10s %10s %10s %10s %10s\n";
  char line[160];
  std::snprintf(line, sizeof line, kRowFormat, "No", "Star", "SHA", "GHA", "Dec", "Hc", "Zn");
  std::string text = line;
  for (int k = kFirstStarIndex; k < kFirstStarIndex + kStarCount; ++k) {
    const CelestialBody& star = catalog.entries[k];
    std::snprintf(line, sizeof line, kRowFormat, std::to_string(k).c_str(), star.name,
                  FormatAngle360(star.sha).c_str(), FormatAngle360(catalog.gha[k]).c_str(),
                  FormatDeclination(star.declination).c_str(),
                  FormatAltAz(catalog.hc[k], true, 2).c_str(),
                  FormatAltAz(catalog.zn[k], true, 3).c_str());
    text += line;
  }
  return text;
}

}  // namespace nocturna
