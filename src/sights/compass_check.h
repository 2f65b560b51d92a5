#pragma once
// A compass checked against a body's true azimuth: the error, and with the variation the
// deviation. Degrees; easterly errors positive.
#include <optional>

#include "ephemeris/ephemeris_choice.h"
#include "foundations/date_time.h"
#include "foundations/dr_position.h"
#include "navigation/body_catalog.h"

namespace nocturna {

struct CompassCheck {
  double trueAzimuthDegrees = 0.0;     // Zn, 0..360
  double compassBearingDegrees = 0.0;  // as read on the compass (or gyro)
  double errorDegrees = 0.0;           // true - compass, -180..180: east positive
  char errorName = 'E';                // 'E' when the compass reads low, 'W' when high
  std::optional<double> variationDegrees;  // east positive
  std::optional<double> deviationDegrees;  // error - variation, east positive
  char deviationName = 'E';
  const char* refusal = nullptr;
};

// The check of a compass bearing against a true azimuth; without a bearing it is refused.
CompassCheck CheckCompass(double trueAzimuthDegrees, std::optional<double> compassBearingDegrees,
                          std::optional<double> variationDegrees);

// The same for the body at catalog position bodyIndex observed at `utc` from `dr` (degrees,
// north and WEST positive): its Zn computed from the chosen ephemeris.
CompassCheck CheckCompassOnBody(BodyCatalog& scratch, int bodyIndex, DateTime utc, const DrPosition& dr,
                                std::optional<double> compassBearingDegrees,
                                std::optional<double> variationDegrees, const EphemerisChoice& choice);

}  // namespace nocturna
