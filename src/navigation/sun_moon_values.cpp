#include "navigation/sun_moon_values.h"

#include <cmath>

#include "foundations/printf_text.h"
#include "foundations/text_forms.h"
#include "navigation/hour_angle.h"
#include "navigation/position_update.h"

namespace nocturna {

SunMoonValues SunMoonValuesOf(const BodyCatalog& catalog, const SunEventsRecord& events) {
  const BodyEphemeris& moon = catalog.moonRecord;
  SunMoonValues values;
  values.sunGha = catalog.gha[kSunIndex];
  values.sunDeclination = catalog.entries[kSunIndex].declination;
  values.sunSemiDiameter =
      SunSemiDiameterMinutes(catalog.sunPlanetRecords[kSunRecord].radiusVector);
  values.meridianPassage = events.meridianPassage;
  values.equationOfTime = events.equationOfTime;
  values.amplitude = events.amplitudeAngle;
  values.moonGha = catalog.gha[kMoonIndex];
  values.moonDeclination = catalog.entries[kMoonIndex].declination;
  values.moonSemiDiameter = moon.semiDiameter * 60;
  values.moonHorizontalParallax = moon.horizontalParallax * 60;
  values.moonIlluminatedFraction = moon.illuminatedFraction;
  return values;
}

std::string FormatArcMinutes(double minutes) { return PrintfText("%4.1f'", minutes); }

std::string FormatEquationOfTime(double minutes) {
  const long seconds = std::lround(minutes * 60);
  return PrintfText("%02ldm%02lds", seconds / 60, seconds % 60);
}

std::string FormatAmplitudeOrSentinel(double degrees) {
  if (degrees == kEventAboveAllDay) return "CP";
  if (degrees == kEventBelowAllDay) return "NR";
  return FormatAmplitude(degrees);
}

std::string FormatPhase(double illuminatedFraction) {
  return PrintfText("%2.0f%%", illuminatedFraction * 100);
}

}  // namespace nocturna
