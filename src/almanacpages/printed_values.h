#pragma once
// The printed almanac's precision: angles in tenths of a minute of arc, times in whole minutes,
// and their text forms as the daily pages print them.
#include <cstdint>
#include <string>

namespace nocturna {

// Tenths of a minute of arc: 0.1' is the last printed digit.
using ArcTenths = std::int32_t;

// An hour angle (degrees, any turn) rounded to 0.1' in 0..215999 (360 degrees is 0).
ArcTenths RoundHourAngle(double degrees);
// A signed angle (degrees) rounded to 0.1'.
ArcTenths RoundSignedAngle(double degrees);
// A signed quantity already in minutes of arc, rounded to 0.1'.
ArcTenths RoundArcMinutes(double minutes);

// "ddd mm.m" (GHA, SHA): "079 12.3".
std::string FormatHourAngle(ArcTenths value);
// "N23 26.4" / "S 5 02.0": the hemisphere letter, degrees, minutes (declination, latitude).
std::string FormatDeclination(ArcTenths value);
// Minutes with one decimal and their sign when negative: "14.3", "-2.1" (v, d, HP, SD).
std::string FormatTenths(ArcTenths value);
// Whole minutes of a day (0..1440) as "hh mm".
std::string FormatHourMinute(int minutes);

}  // namespace nocturna
