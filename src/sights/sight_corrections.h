#pragma once
// The altitude corrections that turn a sextant altitude Hs into the observed (true,
// geocentric) altitude Ho, and back, by the formulas of the Nautical Almanac's explanation.
// Angles in degrees unless a name says minutes (of arc); heights in metres; temperature in
// degrees Celsius; pressure in hectopascals.
#include <optional>

namespace nocturna {

// Which edge of the disc was brought to the horizon (the centre for stars and planets).
enum class Limb { centre, lower, upper };

// Standard atmosphere of the almanac's refraction formula.
inline constexpr double kStandardTemperatureCelsius = 10.0;
inline constexpr double kStandardPressureHectopascals = 1010.0;
// Below this apparent altitude (degrees) the almanac calls refraction uncertain.
inline constexpr double kLowAltitudeDegrees = 5.0;
// Below this apparent altitude (degrees) the refraction formula no longer holds at all.
inline constexpr double kLowestCorrectableAltitudeDegrees = -1.0;

// Dip of the sea horizon, minutes of arc: 1.76' sqrt(height of eye in metres). A negative
// height counts as 0.
double DipMinutes(double heightOfEyeMetres);

// Refraction at 10 degC and 1010 hPa, minutes of arc, for the apparent altitude in degrees:
// R0 = 0.0167 deg / tan(Ha + 7.32 / (Ha + 4.32)).
double StandardRefractionMinutes(double apparentAltitudeDegrees);

// The factor f = 0.28 P / (T + 273) that scales the standard refraction to the air's
// temperature (degC) and pressure (hPa); 1 (to 0.001) at the standard atmosphere.
double RefractionScale(double temperatureCelsius, double pressureHectopascals);

// Refraction R = f R0, minutes of arc, for the apparent altitude (degrees), temperature (degC)
// and pressure (hPa).
double RefractionMinutes(double apparentAltitudeDegrees, double temperatureCelsius,
                         double pressureHectopascals);

// The Moon's semi-diameter seen from the observer, minutes of arc: the geocentric SD
// (minutes) enlarged by the nearness of the observer, SD (1 + sin HP sin H), with HP in
// minutes and H the Moon's altitude in degrees.
double AugmentedSemiDiameterMinutes(double geocentricSemiDiameterMinutes,
                                    double horizontalParallaxMinutes, double altitudeDegrees);

// Parallax in altitude, minutes of arc: asin(sin HP cos H), HP in minutes, H the centre's
// altitude above the horizon as seen by the observer, in degrees.
double ParallaxInAltitudeMinutes(double horizontalParallaxMinutes, double altitudeDegrees);

// What the navigator brings to a sight besides the altitude itself.
struct SightConditions {
  double indexCorrectionMinutes = 0.0;  // added to Hs (positive when the index is off the arc)
  double heightOfEyeMetres = 0.0;
  double temperatureCelsius = kStandardTemperatureCelsius;
  double pressureHectopascals = kStandardPressureHectopascals;
};

// The body's disc as the ephemeris gives it at the moment of the sight.
struct BodyDisc {
  Limb limb = Limb::centre;
  double semiDiameterMinutes = 0.0;       // geocentric
  double horizontalParallaxMinutes = 0.0;  // equatorial horizontal parallax
  bool augmentSemiDiameter = false;        // the Moon's SD grows with its altitude
};

// How far the result can be trusted.
enum class AltitudeCaution {
  none,
  lowAltitude,    // apparent altitude below 5 deg: refraction uncertain
  belowHorizon,   // apparent altitude below -1 deg: the corrections do not apply
};

// Every step from Hs to Ho, as written on a sight form. Minutes of arc are signed as they
// are applied: Ha = hs + ic - dip; Ho = Ha - refraction + semiDiameter + parallax, where
// semiDiameter is positive for the lower limb and negative for the upper.
struct AltitudeCorrections {
  double hsDegrees = 0.0;
  double indexCorrectionMinutes = 0.0;
  double dipMinutes = 0.0;
  double apparentAltitudeDegrees = 0.0;  // Ha
  double refractionMinutes = 0.0;
  double semiDiameterMinutes = 0.0;      // as applied (augmented for the Moon)
  double parallaxMinutes = 0.0;
  double observedAltitudeDegrees = 0.0;  // Ho
  AltitudeCaution caution = AltitudeCaution::none;
};

// Ho from Hs (degrees) for the conditions and the disc. The parallax is taken at the
// altitude of the centre after refraction, so that with the Moon's augmented SD the limb's
// offset is not counted twice.
AltitudeCorrections CorrectSextantAltitude(double hsDegrees, const SightConditions& conditions,
                                           const BodyDisc& disc);

// The inverse: the sextant altitude Hs (degrees) that reads a given observed (true,
// geocentric) altitude Ho (degrees) under the conditions and for the disc, so that a
// sextant can be preset from a computed altitude Hc. Exact to 1e-9 deg; nothing when the
// sextant would read an apparent altitude below -1 deg, where the corrections do not apply.
std::optional<double> SextantAltitudeFor(double observedAltitudeDegrees, const SightConditions& conditions,
                          const BodyDisc& disc);

}  // namespace nocturna
