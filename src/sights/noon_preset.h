#pragma once
// Local apparent noon as the navigator prepares for it: the time, the DR then, the Sun's
// declination and meridian altitude, where it will bear and the sextant reading to preset.
#include "sights/local_apparent_noon.h"
#include "sights/sight_row_reduction.h"

namespace nocturna {

// The noon's steps (keys noonUtc, latitude, longitudeWest, declination, meridianAltitude,
// presetHs) and, in `note`, its refusal; the bearing is in the meridian altitude's text.
RowReduction NoonPresetSteps(const LocalApparentNoon& noon, Limb limb);

}  // namespace nocturna
