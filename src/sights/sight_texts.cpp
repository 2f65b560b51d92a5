#include "sights/sight_texts.h"

#include <cmath>

#include "foundations/printf_text.h"

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

}  // namespace nocturna
