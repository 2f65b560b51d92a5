#pragma once
// The Sun's apparent place from the Earth's heliocentric state of the moment's frame.
#include "ephemeris/precise/apparent_frame.h"

namespace nocturna {

struct ApparentSun {
  ApparentPlace place;      // true equator and equinox of date, degrees
  double distanceAu = 0.0;  // geometric Earth-Sun distance, astronomical units
};

// Geocentric apparent Sun: the Earth's heliocentric place reversed, with annual aberration.
ApparentSun ApparentSunOf(const ApparentFrame& frame);

}  // namespace nocturna
