#pragma once
// The Sun's apparent Greenwich hour angle and declination by ERFA alone (the Earth from
// eraEpv00, aberration and precession-nutation by eraAtci13, GHA from the Earth rotation
// angle; UT1 taken as UTC): an independent reference for the sight tools' tests.
#include <erfa.h>
#include <erfam.h>

#include "foundations/date_time.h"

namespace nocturna::reference {

struct SunPlace {
  double gha = 0.0;          // degrees [0, 360)
  double declination = 0.0;  // degrees
};

inline SunPlace ErfaSun(DateTime utc) {
  constexpr double kJulianDayOf1899Dec30 = 2415018.5;
  double tai1 = 0.0, tai2 = 0.0, tt1 = 0.0, tt2 = 0.0;
  eraUtctai(kJulianDayOf1899Dec30, utc, &tai1, &tai2);
  eraTaitt(tai1, tai2, &tt1, &tt2);
  double heliocentric[2][3], barycentric[2][3];
  eraEpv00(tt1, tt2, heliocentric, barycentric);
  const double toSun[3] = {-heliocentric[0][0], -heliocentric[0][1], -heliocentric[0][2]};
  double ra = 0.0, dec = 0.0, cirsRa = 0.0, cirsDec = 0.0, eo = 0.0;
  eraC2s(const_cast<double*>(toSun), &ra, &dec);
  eraAtci13(ra, dec, 0.0, 0.0, 0.0, 0.0, tt1, tt2, &cirsRa, &cirsDec, &eo);
  const double gha = eraAnp(eraEra00(kJulianDayOf1899Dec30, utc) - cirsRa);
  return {gha * ERFA_DR2D, cirsDec * ERFA_DR2D};
}

}  // namespace nocturna::reference
