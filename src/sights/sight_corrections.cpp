#include "sights/sight_corrections.h"

#include <algorithm>
#include <cmath>

#include "foundations/angles.h"

namespace nocturna {

double DipMinutes(double heightOfEyeMetres) {
  return 1.76 * std::sqrt(std::max(0.0, heightOfEyeMetres));
}

double StandardRefractionMinutes(double apparentAltitudeDegrees) {
  const double h = apparentAltitudeDegrees;
  return 60.0 * 0.0167 / std::tan(DegToRad(h + 7.32 / (h + 4.32)));
}

double RefractionScale(double temperatureCelsius, double pressureHectopascals) {
  return 0.28 * pressureHectopascals / (temperatureCelsius + 273.0);
}

double RefractionMinutes(double apparentAltitudeDegrees, double temperatureCelsius,
                         double pressureHectopascals) {
  return RefractionScale(temperatureCelsius, pressureHectopascals) *
         StandardRefractionMinutes(apparentAltitudeDegrees);
}

double AugmentedSemiDiameterMinutes(double geocentricSemiDiameterMinutes,
                                    double horizontalParallaxMinutes, double altitudeDegrees) {
  return geocentricSemiDiameterMinutes *
         (1.0 + std::sin(DegToRad(horizontalParallaxMinutes / 60.0)) *
                    std::sin(DegToRad(altitudeDegrees)));
}

double ParallaxInAltitudeMinutes(double horizontalParallaxMinutes, double altitudeDegrees) {
  return 60.0 * RadToDeg(std::asin(std::sin(DegToRad(horizontalParallaxMinutes / 60.0)) *
                                   std::cos(DegToRad(altitudeDegrees))));
}

namespace {

double LimbSign(Limb limb) {
  switch (limb) {
    case Limb::lower: return 1.0;
    case Limb::upper: return -1.0;
    case Limb::centre: break;
  }
  return 0.0;
}

}  // namespace

AltitudeCorrections CorrectSextantAltitude(double hsDegrees, const SightConditions& conditions,
                                           const BodyDisc& disc) {
  AltitudeCorrections c;
  c.hsDegrees = hsDegrees;
  c.indexCorrectionMinutes = conditions.indexCorrectionMinutes;
  c.dipMinutes = DipMinutes(conditions.heightOfEyeMetres);
  c.apparentAltitudeDegrees = hsDegrees + (c.indexCorrectionMinutes - c.dipMinutes) / 60.0;
  const double ha = c.apparentAltitudeDegrees;
  if (ha < kLowestCorrectableAltitudeDegrees) {
    c.caution = AltitudeCaution::belowHorizon;
    c.observedAltitudeDegrees = ha;
    return c;
  }
  if (ha < kLowAltitudeDegrees) c.caution = AltitudeCaution::lowAltitude;
  c.refractionMinutes =
      RefractionMinutes(ha, conditions.temperatureCelsius, conditions.pressureHectopascals);
  const double unrefracted = ha - c.refractionMinutes / 60.0;
  const double sd = disc.augmentSemiDiameter
                        ? AugmentedSemiDiameterMinutes(disc.semiDiameterMinutes,
                                                       disc.horizontalParallaxMinutes, unrefracted)
                        : disc.semiDiameterMinutes;
  c.semiDiameterMinutes = LimbSign(disc.limb) * sd;
  const double centre = unrefracted + c.semiDiameterMinutes / 60.0;
  c.parallaxMinutes = ParallaxInAltitudeMinutes(disc.horizontalParallaxMinutes, centre);
  c.observedAltitudeDegrees = centre + c.parallaxMinutes / 60.0;
  return c;
}

std::optional<double> SextantAltitudeFor(double observedAltitudeDegrees,
                                         const SightConditions& conditions, const BodyDisc& disc) {
  // Ho grows with Hs at a slope between about 0.8 (at the horizon) and 1, so stepping Hs by
  // the remaining difference converges geometrically.
  double hs = observedAltitudeDegrees;
  for (int step = 0; step < 100; ++step) {
    const AltitudeCorrections c = CorrectSextantAltitude(hs, conditions, disc);
    const double miss = observedAltitudeDegrees - c.observedAltitudeDegrees;
    if (std::abs(miss) < 1e-11) {
      if (c.caution == AltitudeCaution::belowHorizon) break;
      return hs;
    }
    // Below the correctable range Ho is Ha itself; the next step climbs back into it.
    hs += miss;
  }
  return std::nullopt;
}

}  // namespace nocturna
