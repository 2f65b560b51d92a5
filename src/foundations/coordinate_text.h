#pragma once
// A latitude or longitude as typed on the command line or pasted from a GPS or a map.
#include <optional>
#include <string_view>

namespace nocturna {

// Three forms are read (letters in either case):
//   degrees and minutes with the hemisphere letter between them: "42N07.5", "075W30.0";
//   decimal degrees followed by the letter: "42.125N", "75.5W";
//   signed decimal degrees as ISO 6709 writes them, north and EAST positive: "43.23669",
//   "-77.53342".
// Latitude: north positive, at most 90 degrees.
std::optional<double> ParseLatitude(std::string_view text);
// Longitude: returned WEST positive, as the rest of the program keeps it; at most 180 degrees.
std::optional<double> ParseLongitude(std::string_view text);

}  // namespace nocturna
