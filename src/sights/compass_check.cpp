#include "sights/compass_check.h"

#include <cmath>

#include "sights/body_place.h"
#include "sights/sight_line.h"

namespace nocturna {

CompassCheck CheckCompass(double trueAzimuthDegrees, std::optional<double> compassBearingDegrees,
                          std::optional<double> variationDegrees) {
  CompassCheck check;
  check.trueAzimuthDegrees = trueAzimuthDegrees;
  check.variationDegrees = variationDegrees;
  if (!compassBearingDegrees || !std::isfinite(*compassBearingDegrees)) {
    check.refusal = "A compass check needs the body's bearing by compass.";
    return check;
  }
  check.compassBearingDegrees = *compassBearingDegrees;
  check.errorDegrees = SignedDegrees(trueAzimuthDegrees - *compassBearingDegrees);
  check.errorName = check.errorDegrees >= 0.0 ? 'E' : 'W';
  if (variationDegrees && std::isfinite(*variationDegrees)) {
    check.deviationDegrees = SignedDegrees(check.errorDegrees - *variationDegrees);
    check.deviationName = *check.deviationDegrees >= 0.0 ? 'E' : 'W';
  }
  return check;
}

CompassCheck CheckCompassOnBody(BodyCatalog& scratch, int bodyIndex, DateTime utc, const DrPosition& dr,
                                std::optional<double> compassBearingDegrees,
                                std::optional<double> variationDegrees, const EphemerisChoice& choice) {
  const BodyPlace place = PlaceOfBody(scratch, bodyIndex, utc, choice);
  const double zn = ComputedAltitudeAzimuth(place.ghaDegrees, place.declinationDegrees, dr).znDegrees;
  return CheckCompass(zn, compassBearingDegrees, variationDegrees);
}

}  // namespace nocturna
