#include "sights/amplitude_check.h"

#include <algorithm>
#include <cmath>

#include "foundations/angles.h"
#include "sights/body_place.h"
#include "sights/sight_body.h"
#include "sights/sight_line.h"

namespace nocturna {
namespace {

// The centre's true altitude when the limb named is read on the sea horizon (sextant at 0).
double VisibleHorizonAltitude(const BodyCatalog& scratch, int bodyIndex, const SightConditions& conditions) {
  const Limb limb = bodyIndex == kMoonIndex ? Limb::upper : Limb::centre;
  SightConditions atSea = conditions;
  atSea.indexCorrectionMinutes = 0.0;
  return CorrectSextantAltitude(0.0, atSea, DiscOf(scratch, bodyIndex, limb)).observedAltitudeDegrees;
}

// Azimuth from north (0..180) of a body of that declination at true altitude h, latitude phi.
double AzimuthAtAltitude(double declination, double latitude, double altitude) {
  const double phi = DegToRad(latitude), h = DegToRad(altitude);
  const double cosZ = (std::sin(DegToRad(declination)) - std::sin(phi) * std::sin(h)) / (std::cos(phi) * std::cos(h));
  return RadToDeg(std::acos(std::clamp(cosZ, -1.0, 1.0)));
}

}  // namespace

AmplitudeCheck CheckAmplitude(BodyCatalog& scratch, int bodyIndex, DateTime utc, const DrPosition& dr,
                              AmplitudeHorizon horizon, const SightConditions& conditions,
                              std::optional<double> compassBearingDegrees,
                              std::optional<double> variationDegrees, const EphemerisChoice& choice) {
  AmplitudeCheck amplitude;
  const BodyPlace place = PlaceOfBody(scratch, bodyIndex, utc, choice);
  amplitude.declinationDegrees = place.declinationDegrees;
  amplitude.rising = SignedDegrees(place.ghaDegrees - dr.longitude) < 0.0;
  amplitude.centreAltitudeDegrees =
      horizon == AmplitudeHorizon::celestial ? 0.0 : VisibleHorizonAltitude(scratch, bodyIndex, conditions);
  const double z = AzimuthAtAltitude(place.declinationDegrees, dr.latitude, amplitude.centreAltitudeDegrees);
  amplitude.amplitudeDegrees = 90.0 - z;
  amplitude.amplitudeFrom = amplitude.rising ? 'E' : 'W';
  amplitude.amplitudeToward = amplitude.amplitudeDegrees >= 0.0 ? 'N' : 'S';
  amplitude.check = CheckCompass(amplitude.rising ? z : 360.0 - z, compassBearingDegrees, variationDegrees);
  const double altitudeNow = ComputedAltitudeAzimuth(place.ghaDegrees, place.declinationDegrees, dr).hcDegrees;
  if (bodyIndex != kSunIndex && bodyIndex != kMoonIndex) {
    amplitude.check.refusal = "An amplitude is taken of the Sun or the Moon.";
  } else if (std::fabs(altitudeNow - amplitude.centreAltitudeDegrees) > kAmplitudeLargestAltitudeOff) {
    amplitude.check.refusal = "The body is too far from the horizon at that time for an amplitude: take an azimuth.";
  }
  return amplitude;
}

}  // namespace nocturna
