#pragma once
// Whether a chosen moment is in a twilight at all: stars are seen only once the Sun is a degree
// below the horizon, and the horizon only until it is 18 degrees below.
#include <string>

#include "starfinder/twilight_window.h"

namespace nocturna {

inline constexpr double kHighestTwilightSun = -1.0;   // degrees
inline constexpr double kLowestTwilightSun = -18.0;   // degrees

bool SunInTwilight(double sunAltitudeDegrees);

// Why a moment with the Sun at sunAltitudeDegrees cannot be used for a round of sights, with the
// day's twilight windows to choose from instead (zone times).
std::string OutsideTwilightMessage(double sunAltitudeDegrees, const TwilightWindow& morning,
                                   const TwilightWindow& evening);

}  // namespace nocturna
