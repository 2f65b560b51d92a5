#pragma once
// The Sun's Greenwich hour angle and declination from libnova (VSOP87, apparent place
// precessed to the mean equator of date, mean sidereal time): an independent reference for
// the sight tools' tests. Only where the unit tests link libnova.
#if NOCTURNA_HAVE_LIBNOVA
#include <libnova/precession.h>
#include <libnova/sidereal_time.h>
#include <libnova/solar.h>

#include <cmath>

#include "foundations/date_time.h"

namespace nocturna::reference {

inline constexpr double kJulianDayOf1899Dec30 = 2415018.5;
inline constexpr double kTtLessUtc2026Seconds = 69.2;  // 37 leap seconds + 32.184 s

struct SunPlace {
  double gha = 0.0;          // degrees [0, 360)
  double declination = 0.0;  // degrees
};

inline SunPlace LibnovaSun(DateTime utc) {
  const double jdUt = utc + kJulianDayOf1899Dec30;
  const double jdTt = jdUt + kTtLessUtc2026Seconds / 86400.0;
  ln_equ_posn equ{};
  ln_get_solar_equ_coords(jdTt, &equ);
  ln_equ_posn ofDate{};
  ln_get_equ_prec(&equ, jdTt, &ofDate);
  const double gha = std::fmod(ln_get_mean_sidereal_time(jdUt) * 15.0 - ofDate.ra + 720.0, 360.0);
  return {gha, ofDate.dec};
}

}  // namespace nocturna::reference
#endif
