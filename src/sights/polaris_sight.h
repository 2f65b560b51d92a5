#pragma once
// Latitude by Polaris: rigorously from its apparent place, and as the almanac's a0, a1, a2
// corrections give it; and the star's azimuth for a compass check.
#include <optional>

#include "ephemeris/ephemeris_choice.h"
#include "foundations/date_time.h"
#include "foundations/dr_position.h"
#include "sights/body_place.h"

namespace nocturna {

// Polaris gives a latitude only between these observed altitudes (degrees): lower, refraction
// and the horizon spoil it; higher, the star's circle no longer approximates a parallel.
inline constexpr double kPolarisLowestAltitude = 10.0;
inline constexpr double kPolarisHighestAltitude = 70.0;

// Polaris's apparent GHA and declination (degrees) at `utc` (days since 1899-12-30) by the
// precise engine, DUT1 as the choice gives it; nothing for a moment outside 1901-2099.
std::optional<BodyPlace> PolarisPlaceAt(DateTime utc, const EphemerisChoice& choice);

struct PolarisLatitude {
  double observedAltitudeDegrees = 0.0;  // Ho
  BodyPlace polaris;                     // at the moment of the sight
  double lhaAriesDegrees = 0.0;          // [0, 360)
  double latitudeDegrees = 0.0;          // rigorous: the parallel where the star stands at Ho
  double azimuthDegrees = 0.0;           // true, from north through east, at that latitude
  // The almanac's form: latitude = Ho - 1 deg + a0 + a1 + a2 (minutes of arc), a0 by LHA Aries
  // for the star's mid-year place and latitude 50 deg, a1 by the DR latitude and a2 by the
  // month, each for the middle of its 10-degree column of LHA Aries.
  double a0Minutes = 0.0;
  double a1Minutes = 0.0;
  double a2Minutes = 0.0;
  double tablesLatitudeDegrees = 0.0;
  const char* refusal = nullptr;
};

// The latitude from Polaris's Ho (degrees) at `utc` from the DR (degrees, north and WEST
// positive; its longitude gives the hour angle, its latitude enters a1).
PolarisLatitude LatitudeByPolaris(double observedAltitudeDegrees, DateTime utc, const DrPosition& dr,
                                  const EphemerisChoice& choice);

}  // namespace nocturna
