#include "starfinder/twilight_check.h"

#include <cmath>

#include "foundations/printf_text.h"
#include "foundations/text_forms.h"

namespace nocturna {
namespace {

std::string WindowText(const char* name, const TwilightWindow& window) {
  if (!window.occurs) return PrintfText("no %s twilight window", name);
  const auto hours = [](DateTime zoneTime) {
    return FormatHoursMinutes((zoneTime - DayOfDateTime(zoneTime)) * 24);
  };
  return PrintfText("%s twilight %s to %s ZT", name, hours(window.start).c_str(),
                    hours(window.end).c_str());
}

}  // namespace

bool SunInTwilight(double sunAltitudeDegrees) {
  return sunAltitudeDegrees <= kHighestTwilightSun && sunAltitudeDegrees >= kLowestTwilightSun;
}

std::string OutsideTwilightMessage(double sunAltitudeDegrees, const TwilightWindow& morning,
                                   const TwilightWindow& evening) {
  const bool up = sunAltitudeDegrees > kHighestTwilightSun;
  const std::string where =
      sunAltitudeDegrees >= 0
          ? PrintfText("%.1f\xB0 above the horizon", sunAltitudeDegrees)
          : PrintfText("%.1f\xB0 below the horizon", -sunAltitudeDegrees);
  return PrintfText(
      "Not a twilight: the Sun is %s at the chosen moment, so %s. Stars and horizon are both "
      "seen with the Sun 1\xB0 to 18\xB0 below the horizon: %s, %s.",
      where.c_str(), up ? "no star can be seen" : "no horizon can be seen",
      WindowText("morning", morning).c_str(), WindowText("evening", evening).c_str());
}

}  // namespace nocturna
