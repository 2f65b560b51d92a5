#pragma once
// The sight form's texts, shared by the Sights window and the command line (Windows-1252,
// degree sign 0xB0).
#include <string>
#include <vector>

#include "sights/sight_corrections.h"
#include "sights/sight_fix.h"

namespace nocturna {

// A signed value to one decimal, "+0.0" rather than "-0.0" for what rounds to nothing.
std::string FormatSignedTenths(double value);
// A correction in minutes of arc with its sign, one decimal: "+16.2'", "-3.0'".
std::string FormatCorrectionMinutes(double minutes);
// An intercept in nautical miles, one decimal, toward or away: "2.5 T", "0.8 A".
std::string FormatIntercept(double miles);
// "" / "below 5 deg: refraction uncertain" / "below the horizon: not reduced".
std::string CautionText(AltitudeCaution caution);

// The fix as lines of text: position and time with the number of lines it used, the ellipse,
// the residuals, the geometry warning; or "No fix: " and the reason. Each residual is named by
// its label (the rows its line came from) when given, else numbered from 1.
std::vector<std::string> FixReportLines(const SightFix& fix,
                                        const std::vector<std::string>& labels = {});

}  // namespace nocturna
