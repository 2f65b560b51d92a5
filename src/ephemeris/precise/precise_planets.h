#pragma once
// The four navigational planets' apparent places and magnitudes for one moment.
#include "ephemeris/precise/apparent_frame.h"
#include "ephemeris/precise/vsop87_series.h"

namespace nocturna {

struct ApparentPlanet {
  ApparentPlace place;             // true equator and equinox of date, degrees
  double distanceAu = 0.0;         // geocentric distance at the light-time epoch, au
  double sunDistanceAu = 0.0;      // heliocentric distance at the light-time epoch, au
  double phaseAngle = 0.0;         // Sun-planet-Earth angle, degrees
  double ringTiltSine = 0.0;       // |sin| of the Earth's latitude over Saturn's ring plane
};

// The planet of `body` (a truncated VSOP87B table) seen from the frame's Earth: light time,
// the Sun's light deflection, annual aberration. TT of `instant` for the series.
ApparentPlanet ApparentPlanetOf(const ApparentFrame& frame, const VsopBody& body,
                                const PreciseInstant& instant);

}  // namespace nocturna
