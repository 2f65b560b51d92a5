#pragma once
// Reading the masked DR latitude and longitude fields by character position.
// "Latitude 42°00.0'N": degrees at positions 10-11, minutes at 13-16, hemisphere letter at 18.
// "Longitude 075°00.0'W": degrees at 11-13, minutes at 15-18, letter at 20 (positions from 1).
// Texts are single-byte Windows-1252; a position not yet typed holds the mask's blank '_'.
#include <string>

namespace nocturna {

struct PositionFieldReading {
  bool isNumber = false;    // false: the degrees or the minutes do not form a number
  std::string badText;      // the characters that did not form a number
  double degrees = 0.0;     // latitude north positive / longitude WEST positive, clamped
  std::string text;         // the field's text with the corrections made in place
};

// Minutes of 60 or more become 59.9; 90 degrees or more become 90°00.0'; "S" makes the value
// negative and any other letter becomes "N".
PositionFieldReading ReadLatitudeField(const std::string& text);

// Minutes of 60 or more become 59.9; more than 180 degrees becomes 180°00.0' (exactly 180
// stays); "E" makes the value negative (east) and any letter other than "W" becomes "W".
PositionFieldReading ReadLongitudeField(const std::string& text);

// The message that reports a field that is not a number.
std::string NotANumberMessage(const std::string& badText);

}  // namespace nocturna
