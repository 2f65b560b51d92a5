#pragma once
// Which bodies make good lunars at a moment and place, with the distance to preset and how
// fast it changes.
#include <span>
#include <string>
#include <vector>

#include "ephemeris/ephemeris_choice.h"
#include "foundations/date_time.h"
#include "foundations/dr_position.h"
#include "navigation/body_catalog.h"
#include "sights/sight_corrections.h"

namespace nocturna {

// Both centres must stand at least this high (apparent, degrees), where refraction is sure.
inline constexpr double kLunarLowestAltitudeDegrees = 5.0;
// The sextant's arc: distances beyond this many degrees cannot be measured.
inline constexpr double kLunarWidestDegrees = 120.0;

// The bodies the almanacs gave lunar distances for: the Sun, the four planets and the bright
// stars near the Moon's path (Hamal, Aldebaran, Pollux, Regulus, Spica, Antares, Altair,
// Fomalhaut, Markab), as catalog positions.
std::span<const int> LunarBodies();

struct LunarCandidate {
  int bodyIndex = 0;
  double geocentricDistanceDegrees = 0.0;
  double apparentDistanceDegrees = 0.0;  // centre to centre from the observer, refracted
  // What the sextant reads between the near limbs (the Moon's to the Sun's, or to the body's
  // centre): the distance to preset.
  double presetDistanceDegrees = 0.0;
  double moonAltitudeDegrees = 0.0;      // apparent
  double bodyAltitudeDegrees = 0.0;      // apparent
  double rateMinutesPerMinute = 0.0;     // of the geocentric distance; negative when closing
  double secondsPerTenthMinute = 0.0;
};

// The lunar bodies at `utc` (rounded to the second) seen from `dr` in air `air` (its height
// of eye, T and P), that make good lunars: distance within 15..120 degrees, both above 5
// degrees, the distance changing at least 0.2' a minute. In the order of LunarBodies().
// `scratch` is overwritten.
std::vector<LunarCandidate> PlanLunars(BodyCatalog& scratch, DateTime utc, const DrPosition& dr,
                                       const SightConditions& air, const EphemerisChoice& choice);

// The plan as the forms show it (Windows-1252): a heading line, one line per body and a key to
// the columns, or a sentence saying that no body makes a good lunar.
std::vector<std::string> LunarPlanLines(const std::vector<LunarCandidate>& plan);

}  // namespace nocturna
