#pragma once
// The texts of a sight's fields, as typed in a cell or written in the sight log: read with
// the limits a real observation keeps to, and written back so that they read the same.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "foundations/date_time.h"
#include "foundations/number_text.h"
#include "sights/sight_corrections.h"

namespace nocturna {

// Limits of the typed values.
inline constexpr double kLowestSextantAltitude = -5.0;   // degrees
inline constexpr double kHighestSextantAltitude = 90.0;  // degrees
inline constexpr double kLargestIndexCorrection = 60.0;  // minutes of arc, either sign
inline constexpr double kHighestEye = 500.0;             // metres
inline constexpr double kLowestTemperature = -60.0;      // degC
inline constexpr double kHighestTemperature = 60.0;      // degC
inline constexpr double kLowestPressure = 850.0;         // hPa
inline constexpr double kHighestPressure = 1100.0;       // hPa

// A sextant altitude in degrees from degrees and minutes ("34°12.3'" with the degree sign in
// UTF-8 or Windows-1252, "34 12.3") or decimal degrees ("34.205"); minutes below 60; within
// kLowestSextantAltitude..kHighestSextantAltitude.
std::optional<double> ParseSextantAltitude(std::string_view text);
// An angle written the same ways, within lowest..highest degrees.
std::optional<double> ParseDegreesAndMinutes(std::string_view text, double lowest, double highest);

// "YYYY-MM-DD HH:MM:SS" (or with 'T' between, or without the seconds) of a real moment in
// 1901..2099, as days since 1899-12-30.
std::optional<DateTime> ParseUtcMoment(std::string_view text);

// An index correction in minutes of arc as typed: "1.5 off" (off the arc, added), "1.5 on"
// (on the arc, subtracted) or a signed number of minutes; within kLargestIndexCorrection.
std::optional<double> ParseIndexCorrection(std::string_view text);

// A height of eye in metres from "3.5", "3.5 m" or, in feet, "11.5 ft"; 0 to kHighestEye m.
// feetByDefault: a bare number is feet.
std::optional<double> ParseHeightOfEye(std::string_view text, bool feetByDefault);
inline constexpr double kMetresPerFoot = 0.3048;

// An air temperature in degC from "12", "12 C", "12°C" or, in Fahrenheit, "54 F" / "54°F"
// (the degree sign in UTF-8 or Windows-1252); kLowestTemperature..kHighestTemperature degC.
std::optional<double> ParseTemperature(std::string_view text);
// A pressure in hPa from "1013", "1013 hPa", "1013 mb" or, in inches of mercury, "29.92 inHg";
// kLowestPressure..kHighestPressure hPa.
std::optional<double> ParsePressure(std::string_view text);
inline constexpr double kHectopascalsPerInchOfMercury = 33.8638866667;

// "L" lower, "U" upper, "" centre (either case).
std::optional<Limb> ParseLimb(std::string_view text);

// Hs as the log writes it: degrees and minutes to 0.01', "34 12.30" ("-0 30.00" below 0).
std::string FormatSextantAltitude(double degrees);
// "YYYY-MM-DD HH:MM:SS", to the nearest second.
std::string FormatUtcMoment(DateTime utc);
// "L", "U" or "".
std::string FormatLimb(Limb limb);
// The shortest decimal that reads back as exactly the same number ("1.2", "-0.30000000000000004").
std::string FormatExactDecimal(double value);

// Text from a file made safe to show in a message: control bytes as \xNN, and past
// kLongestEchoedText bytes cut with "...".
inline constexpr std::size_t kLongestEchoedText = 40;
std::string EchoedText(std::string_view text);

}  // namespace nocturna
