#include "moment/visible_report.h"

#include "foundations/printf_text.h"
#include "foundations/text_forms.h"

namespace nocturna {

bool IsAboveHorizon(const BodyCatalog& catalog, int k) {
  return k != kAriesIndex && catalog.hc[k] >= 0;
}

std::string VisibleReport(const BodyCatalog& catalog) {
  static constexpr char kRowFormat[] = "%-16s %10s %10s %5s\n";
  std::string text = PrintfText(kRowFormat, "Above horizon", "Hc", "Zn", "Mag");
  for (int k = kFirstStarIndex; k < kBodyCount; ++k) {
    if (!IsAboveHorizon(catalog, k)) continue;
    const bool disc = k == kSunIndex || k == kMoonIndex;
    text += PrintfText(kRowFormat, catalog.entries[k].name,
                       FormatAltAz(catalog.hc[k], true, 2).c_str(),
                       FormatAltAz(catalog.zn[k], true, 3).c_str(),
                       disc ? "" : PrintfText("%4.1f", catalog.entries[k].magnitude).c_str());
  }
  return text;
}

}  // namespace nocturna
