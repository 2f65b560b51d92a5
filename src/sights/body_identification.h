#pragma once
// Naming an unknown body from its altitude and a rough bearing at a time and DR.
#include <string>
#include <vector>

#include "ephemeris/ephemeris_choice.h"
#include "foundations/date_time.h"
#include "foundations/dr_position.h"
#include "navigation/body_catalog.h"

namespace nocturna {

// How far an observation is trusted: its altitude and its bearing (degrees, one sigma).
inline constexpr double kIdentifyAltitudeSigma = 0.5;
inline constexpr double kIdentifyBearingSigma = 5.0;
// Two candidates closer than this in score (sigmas) are both named rather than one guessed.
inline constexpr double kIdentifyTieMargin = 1.0;
// Candidates further than this (sigmas) from the observation are not offered.
inline constexpr double kIdentifyFarthestScore = 6.0;

struct IdentifyCandidate {
  int bodyIndex = 0;         // catalog position: star, planet, Sun or Moon; or kPolarisBodyIndex
  double hcDegrees = 0.0;    // where it stood: altitude ...
  double znDegrees = 0.0;    // ... and true azimuth
  double score = 0.0;        // sqrt((dH / 0.5)^2 + (dZ / 5)^2), sigmas
  double distanceDegrees = 0.0;  // on the sky, from the observed point
};

struct Identification {
  std::vector<IdentifyCandidate> candidates;  // nearest first
  bool tie = false;                           // the first two are too close to choose between
  std::string note;                           // what to tell the navigator
};

// The bodies (the 57 stars, Polaris, planets, Sun and Moon) near the observed altitude Ho and true
// bearing (degrees) at `utc` from `dr` (degrees, north and WEST positive), ranked by score.
Identification IdentifyBody(BodyCatalog& scratch, DateTime utc, const DrPosition& dr,
                            double observedAltitudeDegrees, double trueBearingDegrees,
                            const EphemerisChoice& choice);

}  // namespace nocturna
