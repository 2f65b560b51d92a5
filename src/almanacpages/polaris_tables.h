#pragma once
// The Polaris tables of a year: latitude = Ho - 1 deg + a0 + a1 + a2, where a0 follows LHA
// Aries for the star's place at mid-year and latitude 50 deg, a1 the latitude and a2 the month
// (each for the 10 deg column of LHA Aries), and the star's azimuth. From the precise engine's
// apparent place of Polaris and the exact altitude of the star, so that the sum reproduces the
// rigorous correction. Angles in tenths of a minute of arc, azimuths in tenths of a degree.
#include <vector>

#include "almanacpages/page_sheet.h"
#include "almanacpages/value_table.h"
#include "ephemeris/astro_moment.h"

namespace nocturna {

// Polaris' apparent right ascension and declination at 0h UT of a date, degrees.
struct PolarisPlace {
  double rightAscension = 0.0;
  double declination = 0.0;
};
PolarisPlace PolarisPlaceOn(const CalendarDate& date);

// Latitude minus the true altitude of Polaris (minutes of arc) and its azimuth (degrees from
// north, [0, 360)) for LHA Aries and the latitude, degrees.
double PolarisCorrection(const PolarisPlace& place, double lhaAries, double latitude);
double PolarisAzimuth(const PolarisPlace& place, double lhaAries, double latitude);

inline constexpr int kPolarisColumns = 36;  // LHA Aries 0-9, 10-19, ... 350-359

struct PolarisTables {
  int year = 0;
  ValueTable a0;       // by LHA Aries, whole degrees
  ValueTable a1;       // by latitude, a column per 10 deg of LHA Aries
  ValueTable a2;       // by month
  ValueTable azimuth;  // by latitude
};

PolarisTables ComputePolarisTables(int year);
std::vector<Sheet> PolarisSheets(const PolarisTables& tables);

}  // namespace nocturna
