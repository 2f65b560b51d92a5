#pragma once
// Everything the text reports show, as one JSON object with unformatted numbers.
#include <string>

#include "navigation/almanac_snapshot.h"

namespace nocturna {

// Angles in degrees (GHA, SHA in [0, 360); declination, latitude north positive; longitude
// WEST positive), semi-diameter and parallax in minutes of arc, the equation of time in
// minutes, event times in UT hours (null for a sentinel, whose text says CP, NR or NC), as
// its first member "units" says.
std::string JsonReport(const AlmanacSnapshot& snapshot);

}  // namespace nocturna
