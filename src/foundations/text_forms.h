#pragma once
// The text forms of angles, dates and times that every window and the printed chart show.
// All are single-byte Windows-1252 strings; the degree sign is the byte 0xB0. Every
// degree-minute form rounds to the nearest tenth of a minute before splitting, so the
// minutes always read 00.0..59.9.
#include <string>

namespace nocturna {

// "January".."December" at 1..12; index 0 is the empty text.
extern const char* const kMonthNames[13];

// Latitude in degrees, north positive: "42°07.5'N"; 'S' south, 'Q' for exactly 0.
std::string FormatLatitude(double latitude);
// Longitude in degrees, WEST positive: "075°00.0'W"; 'E' east, 'G' for exactly 0.
std::string FormatLongitude(double longitude);
// An hour angle (GHA, SHA, LHA) in degrees, any value, shown reduced into 0..360: "359°30.0'".
std::string FormatAngle360(double degrees);
// Declination in degrees, north positive: "23°26.4'N"; 'S' south, 'Q' for exactly 0.
std::string FormatDeclination(double degrees);
// Altitude (width 2) or azimuth (width 3) in degrees. degMin: "45°30.0'" / "123°30.0'",
// a negative value with a leading minus ("-00°30.0'"); otherwise decimal degrees "45.5°"
// / "123.5°". Any width other than 3 is taken as 2.
std::string FormatAltAz(double degrees, bool degMin, int width);
// The Sun's amplitude in degrees, positive north: "12.4°N"; 0.05 is added to the
// magnitude before the one-decimal print, as the data block has always shown it.
std::string FormatAmplitude(double degrees);
// "06 - December,2026"; a month outside 1..12 has an empty name.
std::string FormatLongDate(int month, int day, int year);
// Three clock fields, normally hour, minute, second: "17-05-09".
std::string FormatClockTime(int a, int b, int c);
// Hours as "hhmm", rounded to the nearest whole minute first: 6.7 gives "0642";
// a negative value gets a leading minus.
std::string FormatHoursMinutes(double hours);

}  // namespace nocturna
