#pragma once
// The Sun's and the Moon's almanac values of one moment, as numbers and as the data block's
// texts.
#include <string>

#include "ephemeris/body_ephemeris.h"
#include "navigation/body_catalog.h"

namespace nocturna {

struct SunMoonValues {
  double sunGha = 0;                // degrees [0, 360)
  double sunDeclination = 0;        // degrees, north positive
  double sunSemiDiameter = 0;       // minutes of arc
  double meridianPassage = 0;       // UT hours
  double equationOfTime = 0;        // minutes of time, no sign
  double amplitude = 0;             // degrees north of east, or -1 (CP) / -2 (NR)
  double moonGha = 0;               // degrees [0, 360)
  double moonDeclination = 0;       // degrees, north positive
  double moonSemiDiameter = 0;      // minutes of arc
  double moonHorizontalParallax = 0;  // minutes of arc
  double moonIlluminatedFraction = 0;  // 0..1
};

// From the catalog after the position update and the events record after the daily run.
SunMoonValues SunMoonValuesOf(const BodyCatalog& catalog, const SunEventsRecord& events);

// Minutes of arc, one decimal and a minute mark: "16.3'".
std::string FormatArcMinutes(double minutes);
// Minutes of time as "07m15s": whole minutes toward zero and seconds from the rest, rounded
// to the second first so that 7.9999 reads "08m00s", never "07m60s"; -3.5 reads "-3m-30s".
std::string FormatEquationOfTime(double minutes);
// The amplitude text, or "CP" (-1, the Sun never sets) and "NR" (-2, it never rises).
std::string FormatAmplitudeOrSentinel(double degrees);
// The illuminated fraction (0..1) as a whole percentage: "50%".
std::string FormatPhase(double illuminatedFraction);

}  // namespace nocturna
