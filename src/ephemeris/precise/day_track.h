#pragma once
// A body's apparent place through one day, from five evaluations of the precise engine
// (every 6 hours) and degree-4 interpolation between them: the event searches ask for the
// place hundreds of times a day. Over a day the interpolation is within 0.1" of the engine
// for the Moon and far closer for the Sun.
#include "ephemeris/precise/precise_instant.h"
#include "ephemeris/precise/precise_sun_moon.h"

namespace nocturna {

struct DayTrack {
  static constexpr int kSamples = 5;
  static constexpr double kSpanHours = 24.0;
  double nominalGhaRate = 0.0;        // degrees per hour taken out before interpolating
  double firstGha = 0.0;              // degrees, at hour 0
  double ghaResidual[kSamples]{};     // GHA - firstGha - nominalGhaRate h, degrees
  double declination[kSamples]{};     // degrees
  double horizontalParallax[kSamples]{};
  double semiDiameter[kSamples]{};
};

using PlaceFunction = PreciseBodyPlace (*)(const PreciseInstant&);

// The body's track from `start` (hour 0) over the next 24 hours of UT1 and TT.
// nominalGhaRate: the body's mean hourly GHA change (15 for the Sun, 14.49 for the Moon).
DayTrack TrackOf(PlaceFunction place, const PreciseInstant& start, double nominalGhaRate);

// The place `hours` after the track's start (best within -1..25 hours); GHA in [0, 360).
PreciseBodyPlace PlaceOnTrack(const DayTrack& track, double hours);

}  // namespace nocturna
