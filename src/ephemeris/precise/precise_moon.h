#pragma once
// The Moon's apparent place for one moment.
#include "ephemeris/precise/apparent_frame.h"

namespace nocturna {

struct ApparentMoon {
  ApparentPlace place;               // true equator and equinox of date, degrees
  double distanceKm = 0.0;           // geocentric distance, kilometres
  double horizontalParallax = 0.0;   // equatorial horizontal parallax, degrees
  double semiDiameter = 0.0;         // geocentric semi-diameter, degrees
};

// The geocentric apparent Moon from the truncated ELP/MPP02 series at the TT of `instant`
// (light time allowed for), placed with the frame of the same instant.
ApparentMoon ApparentMoonOf(const ApparentFrame& frame, const PreciseInstant& instant);

}  // namespace nocturna
