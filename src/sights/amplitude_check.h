#pragma once
// A compass checked by the amplitude of the Sun or Moon at rising or setting.
#include <optional>

#include "ephemeris/ephemeris_choice.h"
#include "foundations/date_time.h"
#include "foundations/dr_position.h"
#include "navigation/body_catalog.h"
#include "sights/compass_check.h"
#include "sights/sight_corrections.h"

namespace nocturna {

// Where the body was when its bearing was taken: the Sun's centre or the Moon's upper limb on
// the visible (sea) horizon, or the centre on the celestial horizon (the Sun's lower limb then
// about half a diameter above the sea).
enum class AmplitudeHorizon { visible, celestial };

// Further than this (degrees) from the horizon named, a body gives no amplitude.
inline constexpr double kAmplitudeLargestAltitudeOff = 2.0;

struct AmplitudeCheck {
  bool rising = true;                    // east of the meridian
  double declinationDegrees = 0.0;
  double centreAltitudeDegrees = 0.0;    // the centre's true altitude at the horizon named
  double amplitudeDegrees = 0.0;         // from east (rising) or west (setting), north positive
  char amplitudeFrom = 'E';              // 'E' rising, 'W' setting
  char amplitudeToward = 'N';            // 'N' or 'S'
  CompassCheck check;                    // true bearing against the compass
};

// The amplitude of the Sun or Moon (catalog position bodyIndex) whose compass bearing was
// taken at about `utc` from `dr` (degrees, north and WEST positive): from its declination and
// the latitude, cos Z = (sin dec - sin lat sin h) / (cos lat cos h) with h the centre's true
// altitude at the horizon named (0 on the celestial horizon; on the visible one from the dip
// and horizontal refraction of the conditions and the body's disc), which is the almanac's
// sin A = sin dec sec lat with its correction for the visible horizon, exactly.
// Refused (in check.refusal) for another body, or when the body then stands more than 2 deg
// from that horizon.
AmplitudeCheck CheckAmplitude(BodyCatalog& scratch, int bodyIndex, DateTime utc, const DrPosition& dr,
                              AmplitudeHorizon horizon, const SightConditions& conditions,
                              std::optional<double> compassBearingDegrees,
                              std::optional<double> variationDegrees, const EphemerisChoice& choice);

}  // namespace nocturna
