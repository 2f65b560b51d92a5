#pragma once
// The altitude correction tables: what to add to an apparent altitude (sextant altitude
// corrected for index error and dip) to get the observed altitude, at the standard atmosphere
// (10 degC, 1010 hPa), computed with the same correction formulas as the sight forms. Angles
// in tenths of a minute of arc, altitudes in minutes of arc, heights in tenths of a metre.
#include <vector>

#include "almanacpages/page_sheet.h"
#include "almanacpages/printed_values.h"
#include "almanacpages/value_table.h"

namespace nocturna {

// The Sun's semi-diameter the tables assume, minutes of arc: October to March and April to
// September.
inline constexpr double kWinterSunSemiDiameter = 16.1;
inline constexpr double kSummerSunSemiDiameter = 15.9;
// The Moon's semi-diameter in terms of its horizontal parallax.
inline constexpr double kMoonRadiusRatio = 0.2725;

enum class TableLimb { lower, upper };

// Ho - Ha (tenths of arc-minute) at the apparent altitude `altitudeMinutes` (minutes of arc):
// the Sun with a semi-diameter (minutes), a star or planet, the Moon with its horizontal
// parallax (minutes).
ArcTenths SunAltitudeCorrection(double altitudeMinutes, double semiDiameter, TableLimb limb);
ArcTenths StarAltitudeCorrection(double altitudeMinutes);
ArcTenths MoonAltitudeCorrection(double altitudeMinutes, double horizontalParallax, TableLimb limb);
// The dip (tenths, positive; subtracted) for a height of eye in tenths of a metre.
ArcTenths DipCorrection(int heightTenthsOfMetre);
// The refraction's scale for the air, in hundredths: 100 at 10 degC and 1010 hPa.
int RefractionFactorHundredths(int temperatureCelsius, int pressureHectopascals);
// The additional correction (tenths) for a refraction scale in hundredths at the altitude.
ArcTenths AdditionalRefraction(double altitudeMinutes, int factorHundredths);

// The tables, each as its sheet shows it: critical tables of the Sun, the stars and planets
// from 10 deg and of the dip; the low altitudes; the refraction scale and the additional
// correction; the Moon by altitude and horizontal parallax.
std::vector<ValueTable> AltitudeCorrectionTables();
// The last three of them: the refraction scale, the additional correction, the Moon.
std::vector<ValueTable> RefractionAndMoonTables();
std::vector<Sheet> AltitudeCorrectionSheets();

}  // namespace nocturna
