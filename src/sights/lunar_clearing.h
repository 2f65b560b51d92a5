#pragma once
// A lunar distance cleared to Greenwich time: from the sextant's distance between the Moon's
// limb and another body, through the apparent places seen from the observer, refraction,
// semi-diameters and parallax, to the geocentric distance, and the UTC at which the ephemeris
// gives that distance. Every step is kept for the lunar form.
#include <optional>
#include <string>

#include "ephemeris/ephemeris_choice.h"
#include "foundations/date_time.h"
#include "foundations/dr_position.h"
#include "navigation/body_catalog.h"
#include "sights/sight_corrections.h"

namespace nocturna {

// Which edge of a disc the distance was measured to: the one toward the other body or the
// one away from it (the centre for stars and planets).
enum class DistanceLimb { centre, nearLimb, farLimb };

// Distances closer than this, degrees, are refused: the limbs crowd and the ephemeris's
// parallax dominates.
inline constexpr double kLunarClosestDegrees = 15.0;
// A distance changing more slowly than this, minutes of arc per minute of time, would
// make each 0.1' of error worth more than 30 seconds.
inline constexpr double kLunarSlowestRateMinutesPerMinute = 0.2;

struct LunarObservation {
  int bodyIndex = kSunIndex;  // the other body: the Sun, a planet or a star
  DistanceLimb moonLimb = DistanceLimb::nearLimb;
  DistanceLimb bodyLimb = DistanceLimb::centre;  // the Sun's near or far limb
  double distanceSextantDegrees = 0.0;
  double distanceIndexCorrectionMinutes = 0.0;  // added to the sextant's distance
  // The altitudes taken with the distance (sextant readings, degrees) and the limbs they were
  // taken to; empty: computed from the DR at the cleared time.
  std::optional<double> moonAltitudeSextantDegrees;
  std::optional<double> bodyAltitudeSextantDegrees;
  Limb moonAltitudeLimb = Limb::lower;
  Limb bodyAltitudeLimb = Limb::lower;
  SightConditions conditions;  // the altitudes' index correction, height of eye, T and P
  DateTime watchTime = 0.0;    // as the watch read at the distance, days since 1899-12-30
  double watchFastSecondsGuess = 0.0;  // the best estimate before the lunar (watch less UTC)
  DrPosition dr;               // degrees, north and WEST positive
};

// One body's column of the form.
struct LunarBodyStep {
  bool altitudeObserved = false;
  double semiDiameterMinutes = 0.0;         // geocentric
  double horizontalParallaxMinutes = 0.0;
  double distanceKm = 0.0;                  // from the Earth's centre; 0 for a star
  double augmentedSemiDiameterMinutes = 0.0;  // seen from the observer
  double semiDiameterAlongDistanceMinutes = 0.0;  // after refraction flattens the disc, signed as applied
  double apparentAltitudeDegrees = 0.0;     // the centre, as seen
  double refractionMinutes = 0.0;
  double airlessAltitudeDegrees = 0.0;      // from the observer, without the atmosphere
  double azimuthDegrees = 0.0;              // true
  double geocentricAltitudeDegrees = 0.0;   // after parallax, in the observer's horizon axes
};

struct LunarForm {
  LunarObservation observation;
  std::string refusal;             // why the distance cannot be cleared; empty when it was
  DateTime firstUtc = 0.0;         // the watch time less its estimated fast
  LunarBodyStep moon;
  LunarBodyStep body;
  double observedDistanceDegrees = 0.0;   // sextant plus index correction
  double apparentDistanceDegrees = 0.0;   // centre to centre, as seen
  double azimuthDifferenceDegrees = 0.0;  // implied by the distance and the altitudes
  double airlessDistanceDegrees = 0.0;    // centre to centre, refraction removed
  double geocentricDistanceDegrees = 0.0;  // cleared
  DateTime utc = 0.0;                     // when the ephemeris gives the cleared distance
  double watchFastSeconds = 0.0;          // watch less UTC
  double rateMinutesPerMinute = 0.0;      // of the geocentric distance, by the ephemeris
  // How fast the cleared distance moves with the time it is cleared for (through computed
  // altitudes), ' per minute; what 0.1' is worth nets it off the ephemeris's rate.
  double clearedDriftMinutesPerMinute = 0.0;
  double secondsPerTenthMinute = 0.0;     // what 0.1' of observed distance is worth in time
  int passes = 0;                         // clearings until the time settled

  bool Cleared() const { return refusal.empty(); }
};

// Clear the lunar with the chosen ephemeris. `scratch` is overwritten. Bad input, a body
// below the horizon, a distance the altitudes do not allow, the Moon within 15 degrees of the
// body or a distance changing too slowly give a form with the reason in `refusal`.
LunarForm ClearLunarDistance(BodyCatalog& scratch, const LunarObservation& observation,
                             const EphemerisChoice& choice);

}  // namespace nocturna
