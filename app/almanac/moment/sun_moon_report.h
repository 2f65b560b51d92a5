#pragma once
// The Sun's and the Moon's almanac values, as the chart's data block shows them.
#include <string>

#include "navigation/almanac_snapshot.h"

namespace nocturna {

// GHA, Dec, SD, meridian passage (zone time), equation of time and amplitude of the Sun.
std::string SunReport(const AlmanacSnapshot& snapshot);

// GHA, Dec, SD, HP and phase of the Moon.
std::string MoonReport(const AlmanacSnapshot& snapshot);

}  // namespace nocturna
