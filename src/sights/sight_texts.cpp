#include "sights/sight_texts.h"

#include <cmath>

#include "foundations/printf_text.h"
#include "foundations/text_forms.h"
#include "sights/sight_fields.h"

namespace nocturna {

std::string FormatSignedTenths(double value) {
  const double tenths = std::round(value * 10.0) / 10.0;
  return PrintfText("%+.1f", tenths == 0.0 ? 0.0 : tenths);
}

std::string FormatCorrectionMinutes(double minutes) { return FormatSignedTenths(minutes) + "'"; }

std::string FormatIntercept(double miles) {
  return PrintfText("%.1f %c", std::abs(miles), miles < 0.0 ? 'A' : 'T');
}

std::string CautionText(AltitudeCaution caution) {
  switch (caution) {
    case AltitudeCaution::lowAltitude: return "below 5\xB0: refraction uncertain";
    case AltitudeCaution::belowHorizon: return "below the horizon: not reduced";
    case AltitudeCaution::none: break;
  }
  return "";
}

std::vector<std::string> FixReportLines(const SightFix& fix, const std::vector<std::string>& labels) {
  if (!fix.found) return {"No fix: " + fix.problem};
  std::vector<std::string> lines;
  lines.push_back(PrintfText("Fix %s %s at %s UTC from %zu lines (%d iterations)",
                             FormatLatitude(fix.position.latitude).c_str(),
                             FormatLongitude(fix.position.longitude).c_str(),
                             FormatUtcMoment(fix.utc).c_str(), fix.residualsMiles.size(),
                             fix.iterations));
  lines.push_back(PrintfText("Error ellipse %.1f x %.1f nm, major axis %05.1f\xB0 (%s)",
                             fix.semiMajorMiles, fix.semiMinorMiles, fix.majorAxisDegrees,
                             fix.ellipseFromResiduals ? "from the residuals"
                                                      : "two lines: a sight error of 1' assumed"));
  std::string residuals = labels.empty() ? "Residuals" : "Residuals by row";
  for (std::size_t i = 0; i < fix.residualsMiles.size(); ++i) {
    const std::string label = i < labels.size() ? labels[i] : std::to_string(i + 1);
    residuals += PrintfText("%s %s: %s nm", i ? ";" : "", label.c_str(),
                            FormatSignedTenths(fix.residualsMiles[i]).c_str());
  }
  lines.push_back(residuals);
  if (fix.poorGeometry)
    lines.push_back(PrintfText("Warning: poor geometry, the lines cross at %.0f\xB0 at best",
                               fix.widestCrossingDegrees));
  return lines;
}

}  // namespace nocturna
